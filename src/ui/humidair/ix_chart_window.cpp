#include "ui/humidair/ix_chart_window.h"

#include "core/errors.h"
#include "core/humidair/chart_points.h"
#include "core/humidair/ix_chart_drawing.h"
#include "core/humidair/humid_air_lines.h"
#include "core/humidair/ix_chart_readout.h"
#include "core/humidair/ix_readout_state.h"
#include "platform/jpeg_image.h"
#include "ui/humidair/humid_air_messages.h"
#include "ui/humidair/ix_chart_panels.h"
#include "ui/humidair/ix_chart_settings_dialog.h"
#include "ui/humidair/ix_chart_view.h"
#include "ui/humidair/point_data_dialog.h"
#include "ui/humidair/point_list_tree.h"
#include "ui/humidair/point_name_dialog.h"
#include "ui/humidair/point_picker.h"
#include "ui/humidair/process_dialog.h"
#include "ui/humidair/process_list_window.h"
#include "ui/program.h"
#include "ui/shell/picture_label.h"

#include <QAction>
#include <QEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace kalvintera {
namespace {

constexpr const char* kLogo = "grafika/logo.jpg";
// The display minus what the desktop's bars and the window's frame take.
constexpr int kDisplayHeightKept = 90;

} // namespace

IxChartWindow::IxChartWindow(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{false, false}, parent), files_(program, contents_)
{
    setObjectName(QStringLiteral("ixChart"));
    setWindowTitle(QStringLiteral("IX-CHART"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);

    settings_ = new IxChartSettingsDialog(program, this);
    name_dialog_ = new PointNameDialog(program, this);
    data_dialog_ = new PointDataDialog(program, contents_, this);
    picker_ = new PointPicker(program, this);
    process_dialog_ = new ProcessDialog(program, contents_, *picker_, this);
    process_list_ = new ProcessListWindow(program, contents_, *process_dialog_, [this] { return settings_->airFlowText(); },
                                          this);

    view_ = new IxChartView(this);
    view_->setToolTip(QStringLiteral("Kliknij na wykresie, aby dodać punkt"));
    connect(view_, &IxChartView::pointerMoved, this, &IxChartWindow::pointerAt);
    connect(view_, &IxChartView::clicked, this, &IxChartWindow::addPointAt);
    buildMenus();
    buildPanels();

    connect(settings_, &IxChartSettingsDialog::settingsConfirmed, this, [this] {
        pressure_->showCaption(QString::fromStdString(PressureCaption(settings_->options().barometric_pa, program_.numbers)));
        redraw();
    });
    connect(process_list_, &ProcessListWindow::chartChanged, this, &IxChartWindow::redraw);

    texts_.add(983, [this](const QString& text) { view_->setToolTip(text); });
}

IxChartWindow::~IxChartWindow() = default;

void IxChartWindow::buildMenus()
{
    menu_ = new QMenuBar(this);
    const auto add = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = menu_->addMenu(QStringLiteral("Plik..."));
    add(file, "newChart", QStringLiteral("Nowy"), [this] {
        setTitle(files_.newChart());
        points_->setSelectedPoint(0);
        redraw();
    });
    add(file, "openChart", QStringLiteral("Otwórz wykres"), [this] {
        setTitle(files_.openChart());
        points_->setSelectedPoint(0);
        redraw();
    });
    add(file, "saveChart", QStringLiteral("Zapisz wykres jako"), [this] { setTitle(files_.saveChart()); });
    add(file, "savePicture", QStringLiteral("Zapisz jako obraz"), [this] { files_.saveChartPicture(view_->chart()); });
    file->addSeparator();
    add(file, "quit", QStringLiteral("Zakończ"), [this] { reject(); });

    QMenu* options = menu_->addMenu(QStringLiteral("Opcje..."));
    add(options, "settings", QStringLiteral("Ustawienia"), [this] { settings_->showModal(); });

    QMenu* points = menu_->addMenu(QStringLiteral("Dodaj..."));
    add(points, "addPoint", QStringLiteral("Dodaj punkt"), [this] { addPointByData(); });

    QMenu* processes = menu_->addMenu(QStringLiteral("Przemiana..."));
    add(processes, "processList", QStringLiteral("Lista przemian"), [this] { process_list_->showModal(); });
    // Present in the menu, but there is nothing behind it yet.
    add(processes, "processSlope", QStringLiteral("Wsp. kierunkowy przemiany"), [] {})->setEnabled(false);
    add(processes, "defineProcess", QStringLiteral("Definiuj przemianę"), [this] { defineProcess(); });

    const QMenu* menus[] = {file, options, points, processes};
    for (int k = 0; k < 4; ++k) {
        QAction* title = menus[k]->menuAction();
        texts_.add(991 + k, [title](const QString& text) { title->setText(text); });
    }
}

void IxChartWindow::buildPanels()
{
    logo_ = new PictureLabel(QSize(120, 90), this);
    logo_->setObjectName(QStringLiteral("logo"));
    if (program_.fileExists(kLogo)) logo_->setPicture(LoadJpeg(program_.path(kLogo)));
    readout_ = new ReadoutPanel(this);
    pressure_ = new PressurePanel(this);
    legend_ = new ChartLegend(this);
    points_ = new PointListTree(this);
    close_ = new QPushButton(QStringLiteral("ZAMKNIJ"), this);
    close_->setObjectName(QStringLiteral("close"));
    close_->setToolTip(QStringLiteral("Zamknij wykres IX"));
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(points_, &PointListTree::editRequested, this, &IxChartWindow::editPoint);
    connect(points_, &PointListTree::deleteRequested, this, &IxChartWindow::deletePoint);
    connect(points_, &PointListTree::addRequested, this, &IxChartWindow::addPointByData);

    texts_.add(976, [this](const QString& text) { readout_->setTitle(text); });
    texts_.add(977, [this](const QString& text) { pressure_->setTitle(text); });
    texts_.add(982, [this](const QString& text) { close_->setText(text); });
    texts_.add(984, [this](const QString& text) { readout_->setToolTip(text); });
    texts_.add(985, [this](const QString& text) { pressure_->setToolTip(text); });
    texts_.add(989, [this](const QString& text) { points_->setToolTip(text); });
    texts_.add(990, [this](const QString& text) { close_->setToolTip(text); });
    legend_->bindTexts(texts_);
}

void IxChartWindow::placePanels()
{
    const int w = width();
    const int top = menu_->sizeHint().height();
    menu_->setGeometry(0, 0, w, top);
    view_->move(5, top);
    // Panels sit over the chart's lower right, where only the fog region and the grid are,
    // and leave the X axis with its labels in sight.
    const int bottom = height() - 45;
    const int right = w - 200;
    const int left = w - 420;
    close_->setGeometry(right, bottom - 30, 190, 30);
    pressure_->setGeometry(right, bottom - 95, 190, 60);
    const int readout_height = readout_->sizeHint().height();
    readout_->setGeometry(right, bottom - 100 - readout_height, 190, readout_height);
    logo_->move(right + 35, bottom - 105 - readout_height - logo_->height());
    const int legend_height = legend_->sizeHint().height();
    legend_->setGeometry(left, bottom - legend_height, 210, legend_height);
    const int list_top = top + (bottom - top) / 2;
    points_->setGeometry(left, list_top, 210, bottom - 5 - legend_height - list_top);
}

void IxChartWindow::redraw()
{
    const IxChartOptions options = settings_->options();
    barometric_pa_ = options.barometric_pa;
    const int top = menu_->sizeHint().height();
    geometry_ = IxChartGeometry::ForPicture(std::max(width() - 20, 80), std::max(height() - top, 80));
    view_->showChart(DrawIxChart(geometry_, options, contents_.points(), contents_.processes(), program_.numbers));
    points_->showPoints(contents_.points(), program_.numbers);
}

void IxChartWindow::showEvent(QShowEvent* event)
{
    // The chart fills the display, placed at its top-left corner.
    if (const QScreen* display = screen()) {
        const QRect area = display->geometry();
        setGeometry(area.x(), area.y(), area.width(), area.height() - kDisplayHeightKept);
    }
    ProgramDialog::showEvent(event);
    placePanels();
    redraw();
}

void IxChartWindow::resizeEvent(QResizeEvent* event)
{
    ProgramDialog::resizeEvent(event);
    placePanels();
    if (isVisible()) redraw();
}

void IxChartWindow::changeEvent(QEvent* event)
{
    ProgramDialog::changeEvent(event);
    // Back from one of its dialogs: drawn anew, as after any change.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) redraw();
}

void IxChartWindow::pointerAt(int x, int y)
{
    readout_state_ = ReadoutAt(geometry_, barometric_pa_, x, y);
    readout_->showLines(ReadoutLines(*readout_state_, program_.numbers));
}

bool IxChartWindow::pointsFull()
{
    if (!contents_.pointsFull()) return false;
    ShowChartInfo(program_, program_.line(humid_air_line::kPointsFull).arg(kMaxChartPoints));
    return true;
}

void IxChartWindow::addPointAt(int x, int y)
{
    // The state added is the one under the pointer, also when it did not move before the click.
    pointerAt(x, y);
    if (InFogRegion(PixelToChart(geometry_, x, y), barometric_pa_)) {
        ShowChartInfo(program_, program_.line(humid_air_line::kFogRegion));
        return;
    }
    if (pointsFull()) return;
    const std::optional<std::string> name =
        name_dialog_->askName([this](const std::string& typed) { return contents_.nameTaken(typed); });
    if (!name || name->empty()) return;
    contents_.addPoint(PointFromReadout(*name, *readout_state_));
    redraw();
}

void IxChartWindow::addPointByData()
{
    if (pointsFull()) return;
    if (data_dialog_->addPoint(barometric_pa_)) redraw();
}

void IxChartWindow::editPoint(int point)
{
    if (point < 1) return;
    points_->setSelectedPoint(point);
    if (data_dialog_->editPoint(static_cast<std::size_t>(point - 1), barometric_pa_)) redraw();
}

void IxChartWindow::deletePoint(int point)
{
    if (point < 1 || point > static_cast<int>(contents_.points().size())) return;
    contents_.deletePoint(static_cast<std::size_t>(point - 1));
    points_->setSelectedPoint(0);
    redraw();
}

void IxChartWindow::defineProcess()
{
    if (contents_.processesFull()) {
        ShowChartInfo(program_, ProcessesFullMessage(program_));
        return;
    }
    if (process_dialog_->addProcess()) redraw();
}

bool IxChartWindow::confirmClosing()
{
    if (!contents_.unsaved()) return true;
    switch (program_.prompter.askSaveDiscardCancel(program_.line(humid_air_line::kSaveBeforeClosing),
                                                   QString::fromStdString(program_.MessageTitle))) {
    case SaveChoice::Save:
        // The chart closes only once it is saved; a cancelled or failed save keeps it open.
        setTitle(files_.saveChart());
        return !contents_.unsaved();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
    }
    return false;
}

void IxChartWindow::done(int result)
{
    if (isVisible() && !confirmClosing()) return;
    ProgramDialog::done(result);
}

void IxChartWindow::setTitle(const std::optional<QString>& title)
{
    if (title) setWindowTitle(*title);
}

QAction* IxChartWindow::action(const char* name) const
{
    return menu_->findChild<QAction*>(QString::fromLatin1(name));
}

void IxChartWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
    settings_->applyLanguage(table);
}

} // namespace kalvintera
