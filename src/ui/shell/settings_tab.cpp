#include "ui/shell/settings_tab.h"

#include "core/errors.h"
#include "core/shell/air_properties.h"
#include "core/selection/energy_settings.h"
#include "core/shell/fade.h"
#include "core/text/message_format.h"
#include "ui/common/error_text.h"
#include "ui/program.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>
#include <utility>

namespace kalvintera {
namespace {

constexpr int kFieldWidth = 62; // room for the viscosity's "0,000015"

constexpr int kEnergyGroupLine = 1248;
constexpr int kHoursLine = 1249;
constexpr int kPriceLine = 1250;
constexpr int kCurrencyLine = 1251;
constexpr int kDensityCorrectionLine = 1252;
constexpr int kDensityGroupLine = 1232;
constexpr int kNotANumberLine = 1253;

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QGroupBox* NewGroup(const QString& caption, const QString& name, QWidget* parent)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    return group;
}

void Tighten(QLayout* layout)
{
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(4);
}

} // namespace

SettingsTab::SettingsTab(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    auto* outer = NewGroup(QStringLiteral("Domyślne parametry doboru"), QStringLiteral("selectionDefaults"), this);
    texts_.add(68, [outer](const QString& text) { outer->setTitle(text); });
    auto* outer_layout = new QVBoxLayout(outer);
    outer_layout->setContentsMargins(6, 4, 6, 6);
    outer_layout->setSpacing(2);
    outer_layout->addWidget(buildAirGroup());
    outer_layout->addWidget(buildEnergyGroup());

    // The tab has the height of the main window's pages: the groups on the right are
    // stacked tightly.
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(buildEffectsGroup());
    right->addWidget(buildUnitsGroup());
    right->addWidget(buildUpdateGroup());
    right->addWidget(buildDensityGroup());
    right->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(outer, 0, Qt::AlignTop);
    layout->addLayout(right);
    layout->addStretch(1);

    showSettings();
}

SettingsTab::AirField SettingsTab::addAirField(QGridLayout* grid, const AirFieldTexts& field_texts, std::string& setting)
{
    const int row = grid->isEmpty() ? 0 : grid->rowCount(); // an empty grid counts one row
    const int max_length = field_texts.max_length;
    AirField field;
    field.max_length = max_length;
    field.box = new QCheckBox(field_texts.caption);
    field.box->setObjectName(field_texts.name + QStringLiteral("Box"));
    field.edit = new QLineEdit;
    field.edit->setObjectName(field_texts.name);
    field.edit->setMaxLength(max_length);
    field.edit->setEnabled(false);
    field.edit->setFixedWidth(kFieldWidth);
    grid->addWidget(field.box, row, 0);
    grid->addWidget(field.edit, row, 1);
    grid->addWidget(new QLabel(field_texts.unit), row, 2);

    QCheckBox* box = field.box;
    QLineEdit* edit = field.edit;
    texts_.add(field_texts.line, [box](const QString& text) { box->setText(text); });
    // The values count whether the field is enabled or not; the box only guards against
    // changing them by accident.
    connect(box, &QCheckBox::toggled, edit, &QLineEdit::setEnabled);
    connect(edit, &QLineEdit::textChanged, this, [edit, max_length, &setting](const QString& text) {
        // A longer value read from the settings file was let in whole; once the user has
        // shortened it, the usual limit applies again.
        if (edit->maxLength() > max_length && text.size() <= max_length) edit->setMaxLength(max_length);
        setting = text.toStdString();
    });
    return field;
}

QWidget* SettingsTab::buildAirGroup()
{
    auto* group = NewGroup(QStringLiteral("Parametry powietrza"), QStringLiteral("airGroup"), this);
    texts_.add(71, [group](const QString& text) { group->setTitle(text); });
    auto* grid = new QGridLayout(group);
    Tighten(grid);

    Settings& s = program_.settings;
    temperature_ = addAirField(grid, {72, QStringLiteral("Temperatura powietrza"), QStringLiteral("°C"), 3,
                                      QStringLiteral("temperature")}, s.temperature);
    pressure_ = addAirField(grid, {73, QStringLiteral("Cisnienie atmosferyczne"), QStringLiteral("Pa"), 6,
                                   QStringLiteral("pressure")}, s.atmosphericPressure);
    humidity_ = addAirField(grid, {74, QStringLiteral("Wilgotność względna"), QStringLiteral("%"), 3,
                                   QStringLiteral("humidity")}, s.humidity);
    roughness_ = addAirField(grid, {75, QStringLiteral("Współczynnik szorstkosci"), QStringLiteral("mm"), 4,
                                    QStringLiteral("roughness")}, s.roughness);

    for (const AirField* field : {&temperature_, &pressure_, &humidity_}) {
        connect(field->edit, &QLineEdit::textChanged, this, &SettingsTab::recomputeAir);
    }
    connect(roughness_.edit, &QLineEdit::textChanged, this, &SettingsTab::roughnessChanged);
    connect(roughness_.box, &QCheckBox::toggled, this, [this] {
        emit roughnessChanged(roughness_.edit->text());
        emit roughnessBoxToggled();
    });

    auto add_result = [this, grid](int row, int line, const QString& caption, const QString& unit, const QString& name) {
        auto* label = new QLabel(caption);
        texts_.add(line, [label](const QString& text) { label->setText(text); });
        auto* edit = new QLineEdit;
        edit->setObjectName(name);
        edit->setReadOnly(true);
        edit->setFixedWidth(kFieldWidth);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(unit), row, 2);
        return edit;
    };
    density_ = add_result(4, 82, QStringLiteral("Gęstość powietrza"), QStringLiteral("kg/m3"), QStringLiteral("density"));
    viscosity_ = add_result(5, 83, QStringLiteral("Lepkość powietrza"), QStringLiteral("m2/s"), QStringLiteral("viscosity"));
    return group;
}

QWidget* SettingsTab::buildEnergyGroup()
{
    auto* group = NewGroup(QStringLiteral("Koszt energii"), QStringLiteral("energyGroup"), this);
    texts_.add(kEnergyGroupLine, [group](const QString& text) { group->setTitle(text); });
    auto* grid = new QGridLayout(group);
    Tighten(grid);
    // The tab keeps the main window's height: this group takes what the air group leaves.
    grid->setVerticalSpacing(1);
    grid->setContentsMargins(8, 2, 8, 2);

    Settings& s = program_.settings;
    auto add_number = [this, grid](int row, int line, const QString& caption, const QString& name, std::string& setting) {
        auto* label = new QLabel(caption);
        texts_.add(line, [label](const QString& text) { label->setText(text); });
        auto* edit = new QLineEdit;
        edit->setObjectName(name);
        edit->setMaxLength(10);
        edit->setFixedWidth(kFieldWidth);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        connect(edit, &QLineEdit::textChanged, this, [this, edit, &setting](const QString& text) {
            setting = text.toStdString();
            markEnergyNumber(edit);
        });
        return edit;
    };
    hours_ = add_number(0, kHoursLine, QStringLiteral("Czas pracy w roku"), QStringLiteral("operatingHours"),
                        s.operatingHours);
    grid->addWidget(new QLabel(QStringLiteral("h")), 0, 2);
    price_ = add_number(1, kPriceLine, QStringLiteral("Cena energii za kWh"), QStringLiteral("energyPrice"), s.energyPrice);

    // The currency stands where the price's unit would.
    currency_ = new QLineEdit;
    currency_->setObjectName(QStringLiteral("currency"));
    currency_->setMaxLength(8);
    currency_->setFixedWidth(48);
    texts_.add(kCurrencyLine, [this](const QString& text) { currency_->setToolTip(text); });
    currency_->setToolTip(QStringLiteral("Waluta"));
    connect(currency_, &QLineEdit::textChanged, this,
            [this](const QString& text) { program_.settings.currency = text.toStdString(); });
    grid->addWidget(currency_, 1, 2);

    return group;
}

QWidget* SettingsTab::buildDensityGroup()
{
    auto* group = NewGroup(QStringLiteral("Gęstość powietrza"), QStringLiteral("densityGroup"), this);
    texts_.add(kDensityGroupLine, [group](const QString& text) { group->setTitle(text); });
    auto* layout = new QHBoxLayout(group);
    Tighten(layout);
    density_correction_ = new QCheckBox(QStringLiteral("Przeliczaj charakterystyki na gęstość powietrza"));
    density_correction_->setObjectName(QStringLiteral("densityCorrection"));
    texts_.add(kDensityCorrectionLine, [this](const QString& text) { density_correction_->setText(text); });
    connect(density_correction_, &QCheckBox::toggled, this,
            [this](bool on) { program_.settings.densityCorrection = on ? 1 : 0; });
    layout->addWidget(density_correction_);
    return group;
}

void SettingsTab::markEnergyNumber(QLineEdit* edit)
{
    // A text that does not read leaves the yearly figures out; the field says so rather
    // than a message box at every keystroke.
    const bool reads = ReadEnergySettings(edit->text().toStdString(), "0", program_.numbers).has_value();
    edit->setStyleSheet(reads ? QString() : QStringLiteral("color: red"));
    edit->setToolTip(reads ? QString()
                           : QString::fromStdString(FormatMessage(program_.language.line(kNotANumberLine),
                                                                  {edit->text().toStdString()})));
}

QWidget* SettingsTab::buildUnitsGroup()
{
    auto* group = NewGroup(QStringLiteral("Jednostki podstawowe"), QStringLiteral("unitsGroup"), this);
    texts_.add(70, [group](const QString& text) { group->setTitle(text); });
    auto* grid = new QGridLayout(group);
    Tighten(grid);
    grid->setColumnStretch(3, 1);

    // Each pair is exclusive on its own; the two pairs share one group box.
    auto add_pair = [this, grid](int row, int line, const QString& caption, const char* first, const char* second) {
        auto* label = new QLabel(caption);
        texts_.add(line, [label](const QString& text) { label->setText(text); });
        auto* a = new QRadioButton(QString::fromLatin1(first));
        auto* b = new QRadioButton(QString::fromLatin1(second));
        auto* pair = new QButtonGroup(this);
        pair->addButton(a);
        pair->addButton(b);
        a->setChecked(true);
        grid->addWidget(label, row, 0);
        grid->addWidget(a, row, 1);
        grid->addWidget(b, row, 2);
        return std::pair{a, b};
    };
    std::tie(flow_m3h_, flow_m3s_) = add_pair(0, 80, QStringLiteral("Wydajność V"),
                                              FlowUnitCaption(FlowUnit::CubicMetresPerHour),
                                              FlowUnitCaption(FlowUnit::CubicMetresPerSecond));
    std::tie(pressure_pa_, pressure_dapa_) = add_pair(1, 81, QStringLiteral("Spręż dp"),
                                                      PressureUnitCaption(PressureUnit::Pascal),
                                                      PressureUnitCaption(PressureUnit::Decapascal));
    flow_m3h_->setChecked(program_.flowUnit == FlowUnit::CubicMetresPerHour);
    flow_m3s_->setChecked(program_.flowUnit == FlowUnit::CubicMetresPerSecond);
    pressure_pa_->setChecked(program_.pressureUnit == PressureUnit::Pascal);
    pressure_dapa_->setChecked(program_.pressureUnit == PressureUnit::Decapascal);
    flow_m3h_->setObjectName(QStringLiteral("flowM3h"));
    flow_m3s_->setObjectName(QStringLiteral("flowM3s"));
    pressure_pa_->setObjectName(QStringLiteral("pressurePa"));
    pressure_dapa_->setObjectName(QStringLiteral("pressureDaPa"));

    auto choose_flow = [this](FlowUnit unit) {
        program_.flowUnit = unit;
        emit flowUnitChanged();
    };
    auto choose_pressure = [this](PressureUnit unit) {
        program_.pressureUnit = unit;
        emit pressureUnitChanged();
    };
    connect(flow_m3h_, &QRadioButton::clicked, this, [choose_flow] { choose_flow(FlowUnit::CubicMetresPerHour); });
    connect(flow_m3s_, &QRadioButton::clicked, this, [choose_flow] { choose_flow(FlowUnit::CubicMetresPerSecond); });
    connect(pressure_pa_, &QRadioButton::clicked, this, [choose_pressure] { choose_pressure(PressureUnit::Pascal); });
    connect(pressure_dapa_, &QRadioButton::clicked, this,
            [choose_pressure] { choose_pressure(PressureUnit::Decapascal); });
    return group;
}

QWidget* SettingsTab::buildEffectsGroup()
{
    auto* group = NewGroup(QStringLiteral("Efekty wizualne"), QStringLiteral("effectsGroup"), this);
    texts_.add(69, [group](const QString& text) { group->setTitle(text); });
    auto* layout = new QGridLayout(group);
    Tighten(layout);

    fade_on_ = new QRadioButton(QStringLiteral("Pokazuj efekt przejścia pomiędzy oknami"));
    fade_off_ = new QRadioButton(QStringLiteral("Nie pokazuj efektów przejścia pomiędzy oknami"));
    fade_on_->setChecked(program_.fadeEnabled);
    fade_off_->setChecked(!program_.fadeEnabled);
    fade_on_->setObjectName(QStringLiteral("fadeOn"));
    fade_off_->setObjectName(QStringLiteral("fadeOff"));
    texts_.add(76, [this](const QString& text) { fade_on_->setText(text); });
    texts_.add(79, [this](const QString& text) { fade_off_->setText(text); });
    connect(fade_on_, &QRadioButton::toggled, this, [this](bool on) { program_.fadeEnabled = on; });

    auto* slow = new QLabel(QStringLiteral("Wolno"));
    auto* fast = new QLabel(QStringLiteral("Szybko"));
    texts_.add(77, [slow](const QString& text) { slow->setText(text); });
    texts_.add(78, [fast](const QString& text) { fast->setText(text); });
    fade_speed_ = new QSlider(Qt::Horizontal);
    fade_speed_->setObjectName(QStringLiteral("fadeSpeed"));
    fade_speed_->setRange(0, kFadeFastest);
    fade_speed_->setPageStep(1);
    fade_speed_->setTickPosition(QSlider::TicksBelow);
    fade_speed_->setTickInterval(1);
    connect(fade_speed_, &QSlider::valueChanged, this, [this](int position) {
        // Position 0 would stop the fade altogether; the slider moves on to 1 at once and
        // the second change applies it.
        if (position < kFadeSlowest) {
            fade_speed_->setValue(kFadeSlowest);
            return;
        }
        applyFadePosition(position);
    });

    layout->addWidget(fade_on_, 0, 0, 1, 3);
    layout->addWidget(fade_off_, 1, 0, 1, 3);
    layout->addWidget(slow, 2, 0);
    layout->addWidget(fade_speed_, 2, 1);
    layout->addWidget(fast, 2, 2);
    return group;
}

QWidget* SettingsTab::buildUpdateGroup()
{
    auto* group = NewGroup(QStringLiteral("Aktualizaja"), QStringLiteral("updateGroup"), this);
    texts_.add(953, [group](const QString& text) { group->setTitle(text); });
    auto* layout = new QHBoxLayout(group);
    Tighten(layout);

    check_updates_ = new QCheckBox(QStringLiteral("Sprawdz aktualizacje co:"));
    check_updates_->setObjectName(QStringLiteral("checkUpdates"));
    texts_.add(954, [this](const QString& text) { check_updates_->setText(text); });
    connect(check_updates_, &QCheckBox::toggled, this,
            [this](bool on) { program_.settings.checkForUpdates = on ? 1 : 0; });

    update_days_ = new QComboBox;
    update_days_->setObjectName(QStringLiteral("updateDays"));
    update_days_->setEditable(true);
    update_days_->addItems({QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("60"),
                            QStringLiteral("90")});
    update_days_->setFixedWidth(60);
    // The interval of this run was taken at start; the text only goes to the file at exit.
    connect(update_days_, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { program_.settings.dateDistance = text.toStdString(); });

    auto* days = new QLabel(QStringLiteral("dni"));
    texts_.add(955, [days](const QString& text) { days->setText(text); });

    layout->addWidget(check_updates_);
    layout->addWidget(update_days_);
    layout->addWidget(days);
    layout->addStretch(1);
    return group;
}

void SettingsTab::fillAirField(const AirField& field, const std::string& text)
{
    // The settings hold the text already; the air and the roughness are passed on once
    // everything is filled.
    const QSignalBlocker quiet(field.edit);
    const QString value = FromUtf8(text);
    // The length limits guard typing; a value from the settings file is shown whole, so
    // starting the program never changes it.
    field.edit->setMaxLength(std::max<int>(field.max_length, static_cast<int>(value.size())));
    field.edit->setText(value);
}

void SettingsTab::showSettings()
{
    // Copies first: filling one field writes it back into the settings.
    const Settings s = program_.settings;
    fillAirField(temperature_, s.temperature);
    fillAirField(pressure_, s.atmosphericPressure);
    fillAirField(humidity_, s.humidity);
    fillAirField(roughness_, s.roughness);

    const int position = ClampFadePosition(s.fadeSpeed);
    fade_speed_->setValue(position);
    applyFadePosition(position); // also when the slider already stood there

    check_updates_->setChecked(s.checkForUpdates == 1);
    program_.settings.checkForUpdates = s.checkForUpdates; // a value other than 0 or 1 stays as read
    update_days_->setEditText(FromUtf8(s.dateDistance));

    hours_->setText(FromUtf8(s.operatingHours));
    price_->setText(FromUtf8(s.energyPrice));
    currency_->setText(FromUtf8(s.currency));
    density_correction_->setChecked(s.densityCorrection == 1);
    program_.settings.densityCorrection = s.densityCorrection; // a value other than 0 or 1 stays as read

    recomputeAir();
    emit roughnessChanged(roughness_.edit->text());
}

void SettingsTab::applyFadePosition(int position)
{
    program_.settings.fadeSpeed = position;
    program_.EffectSpeed = EffectSpeedFor(position);
}

void SettingsTab::recomputeAir()
{
    const Settings& s = program_.settings;
    const AirStateTexts texts{s.temperature, s.atmosphericPressure, s.humidity};
    // The texts are checked on every keystroke, so a state that does not read yet is no
    // reason for a message box: the fields go empty (with the reason as their hint) and
    // whoever needs the air properties next reports their absence.
    auto no_air = [this](const KalvinteraError& error) {
        program_.air.reset();
        showAirResult({}, {}, UserErrorText(error, program_.language));
    };
    try {
        const std::optional<AirProperties> air = ComputeAirProperties(texts, program_.numbers);
        if (!air) return;
        program_.air = *air;
        showAirResult(FromUtf8(DensityText(*air, program_.numbers)), FromUtf8(ViscosityText(*air, program_.numbers)), {});
    } catch (const ConversionError& error) {
        no_air(error);
    } catch (const DataError& error) {
        no_air(error);
    }
}

void SettingsTab::showAirResult(const QString& density, const QString& viscosity, const QString& problem)
{
    density_->setText(density);
    viscosity_->setText(viscosity);
    density_->setToolTip(problem);
    viscosity_->setToolTip(problem);
}

QString SettingsTab::densityText() const
{
    return density_->text();
}

void SettingsTab::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
