#include "ui/selection/fan_criteria.h"

#include "ui/program.h"
#include "ui/selection/control_texts.h"
#include "ui/selection/enter_key.h"
#include "ui/selection/selection_actions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr int kEfficiencyEntry = 1;
constexpr int kSpecificFanPowerEntry = 2;
constexpr int kSpecificFanPowerLine = 1224;
constexpr int kScheduleButtonLine = 1341;
constexpr int kStaticPressureLine = 296;
constexpr int kTotalPressureLine = 297;

QPushButton* NewButton(LanguageTexts& texts, int line, const QString& built_in, const char* name)
{
    auto* button = new QPushButton(built_in);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    BindText(texts, line, button);
    return button;
}

QCheckBox* NewCheck(LanguageTexts& texts, int line, const QString& built_in, const char* name)
{
    auto* box = new QCheckBox(built_in);
    box->setObjectName(QString::fromLatin1(name));
    BindText(texts, line, box);
    return box;
}

QLineEdit* NewEdit(const QString& text, const char* name, int width)
{
    auto* edit = new QLineEdit(text);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(width);
    return edit;
}

QComboBox* NewList(const char* name, bool editable)
{
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(editable);
    // Typed texts are criteria, not new entries of the list.
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

QLabel* Heading(LanguageTexts& texts, int line, const QString& built_in)
{
    QLabel* heading = NewLabel(texts, line, built_in);
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    return heading;
}

} // namespace

FanCriteriaPanel::FanCriteriaPanel(SelectionActions& actions, QWidget* parent)
    : QWidget(parent), actions_(actions), program_(actions.program())
{
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildBasicGroup());
    layout->addWidget(buildAdvancedGroup(), 1);

    new EnterKeyAction({flow_, pressure_, ordering_, voltage_, series_, max_power_, max_sound_},
                       [this] { emit searchRequested(); }, this);

    connect(flow_, &QLineEdit::textChanged, this,
            [this](const QString& text) { program_.settings.vWent = text.toStdString(); });
    connect(pressure_, &QLineEdit::textChanged, this,
            [this](const QString& text) { program_.settings.dpWent = text.toStdString(); });

    applyAdvanced(false);
    applyKind();
    applyColour();
}

QGroupBox* FanCriteriaPanel::buildBasicGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Dobór podstawowy"));
    texts_.add(175, [group](const QString& text) { group->setTitle(text); });

    flow_ = NewEdit(QStringLiteral("300"), "flow", 90);
    BindHint(texts_, 246, flow_, QStringLiteral("Wymagana wydajność powietrza w punkcie pracy"));
    flow_unit_ = new QLabel(QStringLiteral("m3/h"));
    flow_unit_->setObjectName(QStringLiteral("flowUnit"));
    pressure_label_ = new QLabel(QStringLiteral("Spręż statyczny"));
    pressure_label_->setObjectName(QStringLiteral("pressureLabel"));
    pressure_ = NewEdit(QStringLiteral("50"), "pressure", 90);
    BindHint(texts_, 247, pressure_, QStringLiteral("Wymagany spręż wentylatora w punkcie pracy"));
    pressure_unit_ = new QLabel(QStringLiteral("Pa"));
    pressure_unit_->setObjectName(QStringLiteral("pressureUnit"));
    ordering_ = NewList("ordering", true);
    FillList(texts_, ordering_, 259, {QStringLiteral("Minimalna moc pobierana"), QStringLiteral("Maksymalna sprawność")});
    ordering_->addItem(QStringLiteral("Najniższe SFP"));
    texts_.add(kSpecificFanPowerLine,
               [this](const QString& text) { ordering_->setItemText(kSpecificFanPowerEntry, text); });
    connect(ordering_, &QComboBox::currentTextChanged, this, &FanCriteriaPanel::orderingChanged);
    BindHint(texts_, 248, ordering_, QStringLiteral("Kolejność, w jakiej lista pokazuje dobrane wentylatory"));
    advanced_ = NewCheck(texts_, 179, QStringLiteral("Dobór zaawansowany"), "advanced");
    BindHint(texts_, 249, advanced_, QStringLiteral("Włącza dodatkowe kryteria doboru"));
    connect(advanced_, &QCheckBox::toggled, this, &FanCriteriaPanel::applyAdvanced);

    auto* grid = new QGridLayout;
    grid->addWidget(NewLabel(texts_, 177, QStringLiteral("Wydajność powietrza")), 0, 0);
    grid->addWidget(flow_, 0, 1);
    grid->addWidget(flow_unit_, 0, 2);
    grid->addWidget(pressure_label_, 1, 0);
    grid->addWidget(pressure_, 1, 1);
    grid->addWidget(pressure_unit_, 1, 2);
    grid->addWidget(NewLabel(texts_, 178, QStringLiteral("Kryterium doboru")), 2, 0, 1, 3);
    grid->addWidget(ordering_, 3, 0, 1, 3);
    grid->addWidget(advanced_, 4, 0, 1, 3);

    QPushButton* search = NewButton(texts_, 180, QStringLiteral("Szukaj"), "search");
    BindHint(texts_, 250, search, QStringLiteral("Wyszukuje wentylatory spełniające podane parametry"));
    QPushButton* close = NewButton(texts_, 181, QStringLiteral("Zamknij"), "close");
    QPushButton* flow_calculator = NewButton(texts_, 182, QStringLiteral("Kalkulator V"), "flowCalculator");
    BindHint(texts_, 251, flow_calculator, QStringLiteral("Oblicza wydajność w kalkulatorze bilansu powietrza"));
    QPushButton* pressure_calculator = NewButton(texts_, 183, QStringLiteral("Kalkulator dp"), "pressureCalculator");
    BindHint(texts_, 252, pressure_calculator, QStringLiteral("Oblicza spręż w kalkulatorze strat ciśnienia"));
    connect(search, &QPushButton::clicked, this, &FanCriteriaPanel::searchRequested);
    connect(close, &QPushButton::clicked, this, &FanCriteriaPanel::closeRequested);
    connect(flow_calculator, &QPushButton::clicked, this, &FanCriteriaPanel::flowCalculatorRequested);
    connect(pressure_calculator, &QPushButton::clicked, this, &FanCriteriaPanel::pressureCalculatorRequested);
    auto* buttons = new QGridLayout;
    buttons->addWidget(search, 0, 0);
    buttons->addWidget(close, 0, 1);
    buttons->addWidget(flow_calculator, 1, 0);
    buttons->addWidget(pressure_calculator, 1, 1);
    QPushButton* schedule = NewButton(texts_, kScheduleButtonLine, QStringLiteral("Zestawienie..."), "schedule");
    connect(schedule, &QPushButton::clicked, this, &FanCriteriaPanel::scheduleRequested);
    buttons->addWidget(schedule, 2, 0, 1, 2);

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(Heading(texts_, 176, QStringLiteral("1. PODAJ PODSTAWOWE PARAMETRY")));
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    return group;
}

QGroupBox* FanCriteriaPanel::buildAdvancedGroup()
{
    advanced_group_ = new QGroupBox(QStringLiteral("Dobór zaawansowany"));
    advanced_group_->setObjectName(QStringLiteral("advancedGroup"));
    texts_.add(184, [this](const QString& text) { advanced_group_->setTitle(text); });

    roof_ = new QRadioButton(QStringLiteral("Dachowy"));
    radial_ = new QRadioButton(QStringLiteral("Promieniowy"));
    duct_ = new QRadioButton(QStringLiteral("Kanałowy"));
    roof_->setObjectName(QStringLiteral("roof"));
    radial_->setObjectName(QStringLiteral("radial"));
    duct_->setObjectName(QStringLiteral("duct"));
    BindText(texts_, 186, roof_);
    BindText(texts_, 187, radial_);
    BindText(texts_, 188, duct_);
    roof_->setChecked(true);
    for (QRadioButton* kind : {roof_, radial_, duct_}) {
        connect(kind, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) applyKind();
        });
    }
    auto* kinds = new QVBoxLayout;
    kinds->addWidget(Heading(texts_, 185, QStringLiteral("2. WYBIERZ TYP WENTYLATORA")));
    auto* radios = new QHBoxLayout;
    radios->addWidget(roof_);
    radios->addWidget(radial_);
    radios->addWidget(duct_);
    radios->addStretch();
    kinds->addLayout(radios);
    kinds->addWidget(buildExecutionGroup());
    kinds->addStretch();

    auto* details = new QVBoxLayout;
    details->addWidget(Heading(texts_, 196, QStringLiteral("3. PODAJ SZCZEGÓŁOWE DANE")));
    details->addWidget(buildDetailsGrid());
    details->addStretch();

    auto* layout = new QHBoxLayout(advanced_group_);
    layout->addLayout(kinds);
    layout->addLayout(details);
    return advanced_group_;
}

QGroupBox* FanCriteriaPanel::buildExecutionGroup()
{
    auto* group = new QGroupBox(QStringLiteral("WYKONANIE"));
    texts_.add(189, [group](const QString& text) { group->setTitle(text); });
    standard_ = NewCheck(texts_, 190, QStringLiteral("Standardowe"), "standard");
    heat40_ = NewCheck(texts_, 191, QStringLiteral("Odporność termiczna t=+40oC"), "heat40");
    heat60_ = NewCheck(texts_, 192, QStringLiteral("Odporność termiczna t=+60oC"), "heat60");
    chemical_ = NewCheck(texts_, 193, QStringLiteral("Chemoodporne"), "chemical");
    explosion_proof_ = NewCheck(texts_, 194, QStringLiteral("Przeciwwybuchowe"), "explosionProof");
    two_speed_ = NewCheck(texts_, 195, QStringLiteral("Dwubiegowe"), "twoSpeed");
    standard_->setChecked(true);
    auto* layout = new QVBoxLayout(group);
    for (QCheckBox* box : {standard_, heat40_, heat60_, chemical_, explosion_proof_, two_speed_}) {
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, box](bool checked) { onExecutionChecked(box, checked); });
    }
    return group;
}

QWidget* FanCriteriaPanel::buildDetailsGrid()
{
    voltage_ = NewList("voltage", true);
    voltage_->addItems({QStringLiteral("---"), QStringLiteral("230"), QStringLiteral("400")});
    max_power_ = NewEdit(QString(), "maxPower", 70);
    max_sound_ = NewEdit(QString(), "maxSound", 70);
    direction_label_ = NewLabel(texts_, 200, QStringLiteral("Kierunek wyrzutu"));
    direction_ = NewList("direction", false);
    FillList(texts_, direction_, 261, {QStringLiteral("DOWOLNY"), QStringLiteral("POZIOMY"), QStringLiteral("PIONOWY")});
    // The series filter is kept, but the list is not offered to the user.
    series_label_ = NewLabel(texts_, 201, QStringLiteral("Typoszereg"));
    series_ = NewList("series", true);
    series_->addItem(QStringLiteral("---"));
    series_label_->hide();
    series_->hide();

    colour_wanted_ = NewCheck(texts_, 202, QStringLiteral("Kolor"), "colourWanted");
    colour_ = NewList("colour", false);
    FillList(texts_, colour_, 264, ColourNames() + QStringList{kOtherRal});
    ral_label_ = NewLabel(texts_, 203, QStringLiteral("NR RAL"));
    ral_ = NewEdit(QString(), "ral", 70);
    connect(colour_, &QComboBox::currentIndexChanged, this, &FanCriteriaPanel::applyColour);
    connect(colour_wanted_, &QCheckBox::toggled, this, [this](bool checked) {
        colour_->setEnabled(checked);
        if (!checked) colour_->setCurrentIndex(0);
        applyColour();
    });
    colour_->setEnabled(false);

    arrangement_ = NewButton(texts_, 204, QStringLiteral("Układ wentylatora"), "arrangement");
    BindHint(texts_, 253, arrangement_, QStringLiteral("Wybór układu wentylatora promieniowego"));
    connect(arrangement_, &QPushButton::clicked, this, &FanCriteriaPanel::arrangementRequested);

    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    grid->addWidget(NewLabel(texts_, 197, QStringLiteral("Napięcie")), row, 0);
    grid->addWidget(voltage_, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("[V]")), row++, 2);
    grid->addWidget(NewLabel(texts_, 198, QStringLiteral("Moc maksymalna")), row, 0);
    grid->addWidget(max_power_, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("[kW]")), row++, 2);
    grid->addWidget(NewLabel(texts_, 199, QStringLiteral("Poziom dzwięku 1m")), row, 0);
    grid->addWidget(max_sound_, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("[dB(A)]")), row++, 2);
    grid->addWidget(direction_label_, row, 0);
    grid->addWidget(direction_, row++, 1, 1, 2);
    grid->addWidget(series_label_, row, 0);
    grid->addWidget(series_, row++, 1, 1, 2);
    grid->addWidget(colour_wanted_, row, 0);
    grid->addWidget(colour_, row++, 1, 1, 2);
    grid->addWidget(ral_label_, row, 0);
    grid->addWidget(ral_, row++, 1, 1, 2);
    grid->addWidget(arrangement_, row++, 0, 1, 3);
    grid->setColumnStretch(3, 1);
    return widget;
}

void FanCriteriaPanel::applyAdvanced(bool on)
{
    if (!on) {
        standard_->setChecked(true);
        for (QCheckBox* box : {heat40_, heat60_, chemical_, explosion_proof_, two_speed_}) box->setChecked(false);
    }
    // The colour list follows its own box inside the group; everything else follows the group.
    advanced_group_->setEnabled(on);
}

void FanCriteriaPanel::onExecutionChecked(QCheckBox* box, bool checked)
{
    if (!checked) return;
    if (box == chemical_ || box == explosion_proof_ || box == two_speed_) {
        standard_->setChecked(false);
    } else if (box == standard_) {
        for (QCheckBox* special : {chemical_, explosion_proof_, two_speed_}) special->setChecked(false);
    }
}

void FanCriteriaPanel::applyKind()
{
    const FanKind current = kind();
    pressure_label_->setText(current == FanKind::Roof ? actions_.text(kStaticPressureLine, QStringLiteral("Spręż statyczny"))
                                                      : actions_.text(kTotalPressureLine, QStringLiteral("Spręż całkowity")));
    direction_label_->setVisible(current == FanKind::Roof);
    direction_->setVisible(current == FanKind::Roof);
    arrangement_->setVisible(current == FanKind::Radial);
}

void FanCriteriaPanel::applyColour()
{
    const bool other_ral = colour_->currentIndex() == kOtherRalEntry;
    if (!other_ral) ral_->clear();
    ral_label_->setVisible(other_ral);
    ral_->setVisible(other_ral);
}

FanKind FanCriteriaPanel::kind() const
{
    if (radial_->isChecked()) return FanKind::Radial;
    if (duct_->isChecked()) return FanKind::Duct;
    return FanKind::Roof;
}

void FanCriteriaPanel::chooseKind(FanKind kind)
{
    (kind == FanKind::Radial ? radial_ : kind == FanKind::Duct ? duct_ : roof_)->setChecked(true);
    applyKind();
}

bool FanCriteriaPanel::advanced() const
{
    return advanced_->isChecked();
}

FanSearchCriteria FanCriteriaPanel::criteria() const
{
    FanSearchCriteria c;
    c.ordering = ordering();
    c.kind = kind();
    c.standard = standard_->isChecked();
    c.advanced = advanced();
    c.voltage = voltage_->currentText().toStdString();
    c.series = series_->currentIndex() > 0 ? series_->currentText().toStdString() : std::string();
    c.max_power_kw = max_power_->text().toStdString();
    c.max_sound_dba = max_sound_->text().toStdString();
    const int direction = direction_->currentIndex();
    c.direction = direction == 1 ? DischargeFilter::Horizontal : direction == 2 ? DischargeFilter::Vertical
                                                                                : DischargeFilter::Any;
    c.executions = FanExecutions{heat40_->isChecked(), heat60_->isChecked(), chemical_->isChecked(),
                                 explosion_proof_->isChecked(), two_speed_->isChecked()};
    return c;
}

FanOrdering FanCriteriaPanel::ordering() const
{
    // A typed text that names no entry orders by power, as the first entry does.
    const QString chosen = ordering_->currentText();
    if (chosen == ordering_->itemText(kEfficiencyEntry)) return FanOrdering::HighestEfficiency;
    if (chosen == ordering_->itemText(kSpecificFanPowerEntry)) return FanOrdering::LowestSpecificFanPower;
    return FanOrdering::LowestPower;
}

FanRowOptions FanCriteriaPanel::rowOptions() const
{
    return FanRowOptions{advanced(), voltage_->currentText().toStdString(), program_.flowUnit, program_.pressureUnit};
}

FanOrderInput FanCriteriaPanel::orderOptions() const
{
    FanOrderInput input;
    input.flow_text = flowText().toStdString();
    input.pressure_text = pressureText().toStdString();
    input.executions = ExecutionChoice{heat40_->isChecked(), heat60_->isChecked(), chemical_->isChecked(),
                                       explosion_proof_->isChecked(), two_speed_->isChecked()};
    input.colour_text = colour_->currentText().toStdString();
    input.other_ral = colour_->currentIndex() == kOtherRalEntry;
    input.ral_text = ral_->text().toStdString();
    input.radial = kind() == FanKind::Radial;
    return input;
}

QString FanCriteriaPanel::flowText() const
{
    return flow_->text();
}

QString FanCriteriaPanel::pressureText() const
{
    return pressure_->text();
}

void FanCriteriaPanel::setDutyPointTexts(const QString& flow, const QString& pressure)
{
    flow_->setText(flow);
    pressure_->setText(pressure);
}

void FanCriteriaPanel::prepareForOpening()
{
    flow_unit_->setText(QString::fromLatin1(FlowUnitCaption(program_.flowUnit)));
    pressure_unit_->setText(QString::fromLatin1(PressureUnitCaption(program_.pressureUnit)));
    standard_->setChecked(true);
    colour_->setCurrentIndex(0);
}

void FanCriteriaPanel::setSeriesCodes(const std::vector<std::string>& codes)
{
    const QString chosen = series_->currentText();
    series_->clear();
    series_->addItem(QStringLiteral("---"));
    for (const std::string& code : codes) series_->addItem(QString::fromStdString(code));
    const int kept = series_->findText(chosen);
    series_->setCurrentIndex(kept < 0 ? 0 : kept);
}

void FanCriteriaPanel::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
    applyKind();
}

} // namespace kalvintera
