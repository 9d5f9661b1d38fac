#include "ui/details/characteristic_chart_window.h"

#include "core/errors.h"
#include "core/selection/duty_point.h"
#include "ui/common/display_list_painter.h"
#include "ui/details/details_chart_view.h"
#include "ui/details/details_support.h"
#include "ui/details/transposed_window.h"
#include "ui/program.h"
#include "ui/selection/selection_window.h"
#include "ui/shell/document_opener.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <limits>

namespace kalvintera {
namespace {

// The texts of one kind of chart and the language lines they come from.
struct ChartTexts {
    int first_line;      // caption; heading, "Plik", "Zapisz charakterystykę" and "Zamknij" follow
    const char* caption;
    const char* heading;
    const char* value_name;
    const char* value_unit;
    double readout_cap;
};

ChartTexts TextsOf(CharacteristicKind kind)
{
    constexpr double kNoCap = std::numeric_limits<double>::infinity();
    switch (kind) {
    case CharacteristicKind::Power:
        return {625, "Wykres Nel=f(V)", "CHARAKTERYSTYKA MOCY WENTYLATORA", "Nel=", "W", kNoCap};
    case CharacteristicKind::Efficiency:
        return {640, "Wykres eta=f(V)", "CHARAKTERYSTYKA SPRAWNOŚCI WENTYLATORA", "η=", "%", 100};
    case CharacteristicKind::Pressure: break;
    }
    return {595, "Wykres dp=f(V)", "CHARAKTERYSTYKA PRZEPŁYWOWA WENTYLATORA", "dp=", "Pa", kNoCap};
}

struct SeriesSheet {
    const char* caption;
    const char* file;
};

constexpr std::array<SeriesSheet, 8> kSeriesSheets{{
    {"Typoszereg RKA", "opisy/ChRKA.pdf"},
    {"Typoszereg RKB", "opisy/ChRKB.pdf"},
    {"Typoszereg RKB-EX", "opisy/ChRKBex.pdf"},
    {"Typoszereg RKC", "opisy/ChRKC.pdf"},
    {"Typoszereg RKD", "opisy/ChRKD.pdf"},
    {"Typoszereg RKE", "opisy/ChRKE.pdf"},
    {"Typoszereg PNA", "opisy/ChPNA.pdf"},
    {"Typoszereg PNB", "opisy/ChPNB.pdf"},
}};

constexpr int kPressureFirstMenuLine = 598;
constexpr int kThrottlingTextLine = 615;
constexpr const char* kThrottlingText = "Nadwyżka ciśnienia do zdławienia dpk = ";

} // namespace

CharacteristicChartWindow::CharacteristicChartWindow(Program& program, CharacteristicKind kind, QWidget* parent)
    : ProgramDialog(program, Behaviour{.fades = true, .closes_on_esc = true}, parent), kind_(kind)
{
    const ChartTexts texts = TextsOf(kind);
    setWindowTitle(QString::fromUtf8(texts.caption));

    heading_ = new QLabel(QString::fromUtf8(texts.heading));
    heading_->setObjectName("heading");
    heading_->setAlignment(Qt::AlignCenter);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    subtitle_ = new QLabel;
    subtitle_->setObjectName("subtitle");
    subtitle_->setAlignment(Qt::AlignCenter);
    view_ = new DetailsChartView(kCharacteristicWidth, kind == CharacteristicKind::Pressure ? kPressureCharacteristicHeight : kCharacteristicHeight);
    view_->setObjectName("chart");
    connect(view_, &DetailsChartView::pointerMoved, this, &CharacteristicChartWindow::showReadout);
    readout_ = new QLabel;
    readout_->setObjectName("readout");

    auto* layout = new QVBoxLayout(this);
    menus_ = new QMenuBar;
    layout->setMenuBar(menus_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(heading_);
    layout->addWidget(subtitle_);
    layout->addWidget(view_);
    layout->addWidget(readout_);
    if (kind == CharacteristicKind::Pressure) {
        throttling_line_ = new QLabel(QString::fromUtf8(kThrottlingText));
        throttling_line_->setObjectName("throttling");
        QPalette red = throttling_line_->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        throttling_line_->setPalette(red);
        throttling_line_->setFont(bold);
        throttling_line_->hide();
        transposed_button_ = new QPushButton("Parametry po transozycji");
        transposed_button_->setObjectName("transposed");
        transposed_button_->hide();
        connect(transposed_button_, &QPushButton::clicked, this, &CharacteristicChartWindow::showTransposedParameters);
        auto* regulation = new QHBoxLayout;
        regulation->addWidget(throttling_line_);
        regulation->addStretch();
        regulation->addWidget(transposed_button_);
        layout->addLayout(regulation);
    }
    buildMenus();

    texts_.add(texts.first_line, [this](const QString& text) { setWindowTitle(text); });
    texts_.add(texts.first_line + 1, [this](const QString& text) { heading_->setText(text); });
    if (transposed_button_) {
        texts_.add(texts.first_line + 2, [this](const QString& text) { transposed_button_->setText(text); });
    }
}

void CharacteristicChartWindow::buildMenus()
{
    const ChartTexts texts = TextsOf(kind_);
    const int file_line = kind_ == CharacteristicKind::Pressure ? kPressureFirstMenuLine : texts.first_line + 2;
    QMenu* file = menus_->addMenu("Plik");
    QAction* save = file->addAction(QString::fromUtf8("Zapisz charakterystykę"), this, &CharacteristicChartWindow::saveChart);
    save->setObjectName("save");
    QAction* close = file->addAction("Zamknij", this, &QDialog::reject);
    texts_.add(file_line, [file](const QString& text) { file->setTitle(text); });
    texts_.add(file_line + 1, [save](const QString& text) { save->setText(text); });
    texts_.add(file_line + 2, [close](const QString& text) { close->setText(text); });
    if (kind_ != CharacteristicKind::Pressure) return;

    QMenu* regulation = menus_->addMenu(QString::fromUtf8("Regulacja wydajności"));
    QAction* throttling = regulation->addAction(QString::fromUtf8("Reguluj dławieniowo"), this, &CharacteristicChartWindow::throttle);
    throttling->setObjectName("throttle");
    QAction* speed = regulation->addAction("Reguluj falownikiem/transformatorem", this, &CharacteristicChartWindow::changeSpeed);
    speed->setObjectName("changeSpeed");
    texts_.add(601, [regulation](const QString& text) { regulation->setTitle(text); });
    texts_.add(602, [throttling](const QString& text) { throttling->setText(text); });
    texts_.add(603, [speed](const QString& text) { speed->setText(text); });

    QMenu* series = menus_->addMenu(QString::fromUtf8("Typoszeregi wentylatorów"));
    texts_.add(604, [series](const QString& text) { series->setTitle(text); });
    for (std::size_t i = 0; i < kSeriesSheets.size(); ++i) {
        const SeriesSheet sheet = kSeriesSheets[i];
        // A sheet the data folder does not hold is simply not opened.
        QAction* item = series->addAction(sheet.caption, this, [this, sheet] { OpenDataDocument(program_, sheet.file); });
        texts_.add(605 + static_cast<int>(i), [item](const QString& text) { item->setText(text); });
    }

    QMenu* tools = menus_->addMenu(QString::fromUtf8("Narzędzia"));
    QAction* calculator = tools->addAction(QString::fromUtf8("Kalkulator elementów regulacyjnych"), this,
                                           &CharacteristicChartWindow::openCalculator);
    calculator->setObjectName("calculator");
    texts_.add(613, [tools](const QString& text) { tools->setTitle(text); });
    texts_.add(614, [calculator](const QString& text) { calculator->setText(text); });
}

void CharacteristicChartWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

void CharacteristicChartWindow::setSubtitle(const QString& subtitle) { subtitle_->setText(subtitle); }

QString CharacteristicChartWindow::subtitle() const { return subtitle_->text(); }

QString CharacteristicChartWindow::heading() const { return heading_->text(); }

QString CharacteristicChartWindow::readoutText() const { return readout_->text(); }

std::optional<DutyPoint> CharacteristicChartWindow::dutyPoint() const
{
    if (!program_.DutyPointKnown || !selection_) return std::nullopt;
    const std::string flow = selection_->flowText().toStdString();
    const std::string pressure = selection_->pressureText().toStdString();
    const DutyPointReading reading =
        ReadDutyPoint(DutyPointTexts{flow, pressure, program_.flowUnit, program_.pressureUnit}, program_.numbers);
    if (reading.message_line != 0) {
        program_.showMessage(reading.message_line);
        return std::nullopt;
    }
    return reading.duty;
}

void CharacteristicChartWindow::redraw()
{
    CharacteristicRequest request{kind_, std::nullopt, requested_};
    requested_ = Regulation::None;
    try {
        request.duty = dutyPoint();
        DrawCharacteristicChart({program_.CurrentDevice, program_.devices, program_.data, program_.numbers}, request,
                                drawing_);
    } catch (const KalvinteraError& error) {
        // The chart keeps what was drawn before the error.
        program_.prompter.showInfo(QString::fromStdString(error.what()), QString::fromStdString(program_.MessageTitle));
    }
    view_->setPicture(drawing_.picture);
    if (drawing_.throttling) {
        program_.throttling = drawing_.throttling;
        throttling_line_->setText(LanguageTextOr(program_, kThrottlingTextLine, QString::fromUtf8(kThrottlingText))
                                  + QString::fromStdString(OneDecimalText(drawing_.throttling->surplus_pressure_pa,
                                                                      program_.numbers))
                                  + "Pa");
        emit throttled(drawing_.throttling->surplus_pressure_pa, drawing_.throttling->flow_m3h / 3600.0);
    }
    if (drawing_.speed_change) {
        last_speed_change_ = drawing_.speed_change;
        setSubtitle(QString::fromStdString(program_.CurrentDevice.Model) + "/"
                    + QString::number(drawing_.speed_change->new_speed_rpm));
    }
}

void CharacteristicChartWindow::throttle()
{
    if (kind_ != CharacteristicKind::Pressure || !program_.OpenedFromFanSelection) return;
    transposed_button_->hide();
    requested_ = Regulation::Throttling;
    throttling_line_->show();
    redraw();
}

void CharacteristicChartWindow::changeSpeed()
{
    if (kind_ != CharacteristicKind::Pressure || !program_.OpenedFromFanSelection) return;
    throttling_line_->hide();
    const DeviceRecord& device = program_.CurrentDevice;
    const bool regulated = device.RegulationFlag1 == "TRUE" || device.RegulationFlag2 == "TRUE";
    requested_ = regulated ? Regulation::SpeedChange : Regulation::None;
    transposed_button_->setVisible(regulated);
    redraw();
}

void CharacteristicChartWindow::saveChart()
{
    FileDialogRequest request;
    request.title = LanguageTextOr(program_, kind_ == CharacteristicKind::Pressure ? 599 : TextsOf(kind_).first_line + 3,
                                   QString::fromUtf8("Zapisz charakterystykę"));
    request.filter = "Pliki graficzne (*.bmp)";
    request.default_suffix = "bmp";
    const QString file = program_.prompter.chooseFileToSave(request);
    if (file.isEmpty()) return;
    if (!SaveDisplayListAsBmp(drawing_.picture, file)) {
        program_.prompter.showInfo("The chart could not be written to " + file,
                                   QString::fromStdString(program_.MessageTitle));
    }
}

void CharacteristicChartWindow::showTransposedParameters()
{
    if (!transposed_) return;
    transposed_->showParameters(last_speed_change_);
    // Coming back from a window of its own activates the chart again.
    redraw();
}

void CharacteristicChartWindow::openCalculator()
{
    if (!isSignalConnected(QMetaMethod::fromSignal(&CharacteristicChartWindow::controlElementCalculatorRequested))) return;
    emit controlElementCalculatorRequested();
    redraw();
}

void CharacteristicChartWindow::showReadout(int x, int y)
{
    if (!drawing_.scale) return;
    const ChartTexts texts = TextsOf(kind_);
    const CharacteristicReadout readout = ReadCharacteristicAt(*drawing_.scale, x, y, texts.readout_cap);
    readout_->setText(QString("V=%1 m3/h     %2%3 %4")
                          .arg(readout.flow_m3h)
                          .arg(QString::fromUtf8(texts.value_name))
                          .arg(readout.value)
                          .arg(QString::fromUtf8(texts.value_unit)));
}

void CharacteristicChartWindow::showEvent(QShowEvent* event)
{
    ProgramDialog::showEvent(event);
    redraw();
}

void CharacteristicChartWindow::done(int result)
{
    if (throttling_line_) throttling_line_->hide();
    if (transposed_button_) transposed_button_->hide();
    ProgramDialog::done(result);
}

} // namespace kalvintera
