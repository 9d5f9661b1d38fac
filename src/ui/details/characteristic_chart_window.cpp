#include "ui/details/characteristic_chart_window.h"

#include "core/documents/datasheet_lines.h"
#include "ui/documents/datasheet_export.h"

#include "core/errors.h"
#include "core/message_lines.h"
#include "core/selection/duty_point.h"
#include "core/text/message_format.h"
#include "documents/display_list_painter.h"
#include "ui/common/error_text.h"
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
#include <utility>
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
constexpr int kRegulationNeedsDutyLine = 1170;
constexpr const char* kRegulationNeedsDuty =
    "Regulacja wymaga punktu pracy: otwórz wykres z wyników doboru wentylatorów.";
constexpr int kMissingSeriesSheetLine = 1171;
constexpr const char* kMissingSeriesSheet = "Folder danych nie zawiera arkusza typoszeregu %1.";
constexpr int kBestEfficiencyLabelLine = 1247;

} // namespace

CharacteristicChartWindow::CharacteristicChartWindow(Program& program, CharacteristicKind kind, QWidget* parent)
    : ProgramDialog(program, Behaviour{.fades = true, .closes_on_esc = true}, parent), kind_(kind)
{
    const ChartTexts texts = TextsOf(kind);
    setWindowTitle(QString::fromUtf8(texts.caption));
    datasheets_ = new DatasheetExport(program, this);

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
    QAction* datasheet = file->addAction(QString::fromUtf8("Karta doboru PDF..."), this, [this] {
        datasheets_->saveCurrentDevice(selection_, shown_);
    });
    datasheet->setObjectName("datasheet");
    texts_.add(datasheet_lines::kChartMenuItem, [datasheet](const QString& text) { datasheet->setText(text); });
    QAction* close = file->addAction("Zamknij", this, &QDialog::reject);
    texts_.add(file_line, [file](const QString& text) { file->setTitle(text); });
    texts_.add(file_line + 1, [save](const QString& text) { save->setText(text); });
    texts_.add(file_line + 2, [close](const QString& text) { close->setText(text); });
    if (kind_ != CharacteristicKind::Pressure) return;

    // Disabled commands say why in their hint.
    QMenu* regulation = menus_->addMenu(QString::fromUtf8("Regulacja wydajności"));
    regulation->setToolTipsVisible(true);
    throttle_action_ = regulation->addAction(QString::fromUtf8("Reguluj dławieniowo"), this, &CharacteristicChartWindow::throttle);
    throttle_action_->setObjectName("throttle");
    speed_action_ = regulation->addAction("Reguluj falownikiem/transformatorem", this, &CharacteristicChartWindow::changeSpeed);
    speed_action_->setObjectName("changeSpeed");
    texts_.add(601, [regulation](const QString& text) { regulation->setTitle(text); });
    texts_.add(602, [this](const QString& text) { throttle_action_->setText(text); });
    texts_.add(603, [this](const QString& text) { speed_action_->setText(text); });

    QMenu* series = menus_->addMenu(QString::fromUtf8("Typoszeregi wentylatorów"));
    series->setToolTipsVisible(true);
    texts_.add(604, [series](const QString& text) { series->setTitle(text); });
    for (std::size_t i = 0; i < kSeriesSheets.size(); ++i) {
        const SeriesSheet sheet = kSeriesSheets[i];
        QAction* item = series->addAction(sheet.caption, this, [this, sheet] { OpenDataDocument(program_, sheet.file); });
        item->setObjectName(QString("series%1").arg(i + 1));
        texts_.add(605 + static_cast<int>(i), [item](const QString& text) { item->setText(text); });
        series_items_.push_back({item, sheet.file});
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

void CharacteristicChartWindow::setSubtitle(const QString& subtitle)
{
    model_subtitle_ = subtitle;
    subtitle_->setText(subtitle);
}

QString CharacteristicChartWindow::subtitle() const { return subtitle_->text(); }

QString CharacteristicChartWindow::heading() const { return heading_->text(); }

QString CharacteristicChartWindow::readoutText() const { return readout_->text(); }

std::optional<DutyPoint> CharacteristicChartWindow::dutyPoint() const
{
    if (!program_.DutyPointKnown || !selection_) return std::nullopt;
    const DutyPointReading reading = selection_->readDutyPoint();
    if (reading.message_line != 0) {
        program_.showMessage(reading.message_line);
        return std::nullopt;
    }
    return reading.duty;
}

bool CharacteristicChartWindow::canRegulate() const
{
    return kind_ == CharacteristicKind::Pressure && program_.OpenedFromFanSelection && program_.DutyPointKnown
           && selection_ != nullptr;
}

void CharacteristicChartWindow::updateCommands()
{
    if (kind_ != CharacteristicKind::Pressure) return;
    const bool regulates = canRegulate();
    const QString reason =
        regulates ? QString() : LanguageTextOr(program_, kRegulationNeedsDutyLine, QString::fromUtf8(kRegulationNeedsDuty));
    for (QAction* action : {throttle_action_, speed_action_}) {
        action->setEnabled(regulates);
        action->setToolTip(reason);
        action->setStatusTip(reason);
    }
    const QString missing = LanguageTextOr(program_, kMissingSeriesSheetLine, QString::fromUtf8(kMissingSeriesSheet));
    for (const SeriesItem& item : series_items_) {
        const bool present = program_.fileExists(item.file);
        const QString hint =
            present ? QString() : QString::fromStdString(FormatMessage(missing.toStdString(), {item.file}));
        item.action->setEnabled(present);
        item.action->setToolTip(hint);
        item.action->setStatusTip(hint);
    }
}

void CharacteristicChartWindow::showError(const std::exception& error)
{
    program_.prompter.showInfo(UserErrorText(error, program_.language), QString::fromStdString(program_.MessageTitle));
}

void CharacteristicChartWindow::redraw()
{
    // A regulation needs the duty point; without one the chart shows none.
    if (!canRegulate()) shown_ = Regulation::None;
    CharacteristicRequest request{kind_, std::nullopt, shown_, program_.language.line(kBestEfficiencyLabelLine)};
    const bool hand_over = std::exchange(hand_over_throttling_, false);
    try {
        request.duty = dutyPoint();
        DrawCharacteristicChart({program_.CurrentDevice, program_.devices, program_.data, program_.numbers,
                                 program_.fanAirDensity()},
                                request,
                                drawing_);
    } catch (const KalvinteraError& error) {
        // The chart keeps what was drawn before the error; a regulation that could not be
        // drawn is not kept, so the next drawing does not fail the same way again.
        shown_ = Regulation::None;
        showError(error);
    }
    view_->setPicture(drawing_.picture);
    if (drawing_.throttling) {
        program_.throttling = drawing_.throttling;
        throttling_line_->setText(LanguageTextOr(program_, kThrottlingTextLine, QString::fromUtf8(kThrottlingText))
                                  + QString::fromStdString(OneDecimalText(drawing_.throttling->surplus_pressure_pa,
                                                                      program_.numbers))
                                  + "Pa");
        if (hand_over) emit throttled(drawing_.throttling->surplus_pressure_pa, drawing_.throttling->flow_m3h / 3600.0);
    }
    if (drawing_.speed_change) last_speed_change_ = drawing_.speed_change;
    // The texts under the chart tell of the regulation the chart draws, and of no other.
    if (throttling_line_) throttling_line_->setVisible(drawing_.throttling.has_value());
    if (transposed_button_) transposed_button_->setVisible(drawing_.speed_change.has_value());
    subtitle_->setText(drawing_.speed_change
                           ? model_subtitle_ + "/" + QString::number(drawing_.speed_change->new_speed_rpm)
                           : model_subtitle_);
}

void CharacteristicChartWindow::throttle()
{
    if (!canRegulate()) return;
    shown_ = Regulation::Throttling;
    hand_over_throttling_ = true;
    redraw();
}

void CharacteristicChartWindow::changeSpeed()
{
    if (!canRegulate()) return;
    const DeviceRecord& device = program_.CurrentDevice;
    const bool regulated = device.RegulationFlag1 == "TRUE" || device.RegulationFlag2 == "TRUE";
    // A fan without speed control shows the chart without regulation.
    shown_ = regulated ? Regulation::SpeedChange : Regulation::None;
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
        const std::string pattern = program_.language.line(message_line::kCannotWrite);
        program_.prompter.showInfo(QString::fromStdString(FormatMessage(pattern, {file.toStdString()})),
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
    updateCommands();
    redraw();
}

void CharacteristicChartWindow::done(int result)
{
    // Closing removes the regulation: the chart opens again without one.
    shown_ = Regulation::None;
    hand_over_throttling_ = false;
    if (throttling_line_) throttling_line_->hide();
    if (transposed_button_) transposed_button_->hide();
    subtitle_->setText(model_subtitle_);
    // A reading belongs to the picture it was taken on; the next opening may chart another device.
    readout_->clear();
    ProgramDialog::done(result);
}

} // namespace kalvintera
