#include "ui/humidair/ix_chart_settings_dialog.h"

#include "core/errors.h"
#include "core/humidair/air_calculator.h"
#include "ui/common/error_text.h"
#include "ui/humidair/humid_air_messages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr double kLowestPressure_pa = 80000;
constexpr double kHighestPressure_pa = 120000;
constexpr int kPressureRangeLine = 1036;

} // namespace

IxChartSettingsDialog::IxChartSettingsDialog(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{false, false}, parent)
{
    setObjectName(QStringLiteral("ixChartSettings"));
    setWindowTitle(QStringLiteral("USTAWIENIA"));
    pressure_label_ = new QLabel(QStringLiteral("CIŚNIENIE BAROMETRYCZNE pb [Pa]"));
    pressure_ = new QLineEdit(QStringLiteral("101300"));
    pressure_->setObjectName(QStringLiteral("pressure"));
    pressure_label_->setBuddy(pressure_);
    humidity_ = new QCheckBox(QStringLiteral("RYSUJ IZOLINIĘ WILGOTNOŚCI"));
    humidity_->setObjectName(QStringLiteral("humidityLines"));
    density_ = new QCheckBox(QStringLiteral("RYSUJ IZOLINIĘ GĘSTOŚCI"));
    density_->setObjectName(QStringLiteral("densityLines"));
    enthalpy_ = new QCheckBox(QStringLiteral("RYSUJ IZENTALPY"));
    enthalpy_->setObjectName(QStringLiteral("enthalpyLines"));
    for (QCheckBox* box : {humidity_, density_, enthalpy_}) box->setChecked(true);
    air_flow_label_ = new QLabel(QStringLiteral("ILOŚĆ POWIETRZA"));
    air_flow_ = new QLineEdit(QStringLiteral("1000"));
    air_flow_->setObjectName(QStringLiteral("airFlow"));
    air_flow_label_->setBuddy(air_flow_);
    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &IxChartSettingsDialog::confirm);

    auto* grid = new QGridLayout;
    grid->addWidget(pressure_label_, 0, 0);
    grid->addWidget(pressure_, 0, 1);
    grid->addWidget(humidity_, 1, 0, 1, 3);
    grid->addWidget(density_, 2, 0, 1, 3);
    grid->addWidget(enthalpy_, 3, 0, 1, 3);
    grid->addWidget(air_flow_label_, 4, 0);
    grid->addWidget(air_flow_, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("m3/h")), 4, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addWidget(ok_, 0, Qt::AlignRight);

    texts_.add(1000, [this](const QString& text) { setWindowTitle(text); });
    texts_.add(1001, [this](const QString& text) { pressure_label_->setText(text); });
    texts_.add(1002, [this](const QString& text) { humidity_->setText(text); });
    texts_.add(1003, [this](const QString& text) { density_->setText(text); });
    texts_.add(1004, [this](const QString& text) { enthalpy_->setText(text); });
    texts_.add(1005, [this](const QString& text) { air_flow_label_->setText(text); });
}

void IxChartSettingsDialog::showApplied()
{
    pressure_->setText(applied_pressure_);
    air_flow_->setText(applied_air_flow_);
    humidity_->setChecked(applied_.humidity_lines);
    density_->setChecked(applied_.density_lines);
    enthalpy_->setChecked(applied_.enthalpy_lines);
}

void IxChartSettingsDialog::refuse(const QString& message, QLineEdit* field, const QString& in_force)
{
    program_.prompter.showInfo(message, QString::fromStdString(program_.MessageTitle));
    field->setText(in_force);
    field->setFocus();
    field->selectAll();
}

void IxChartSettingsDialog::confirm()
{
    double pb = 0;
    try {
        pb = ReadTypedNumber(pressure_->text().toStdString(), program_.numbers);
    } catch (const ConversionError& error) {
        refuse(UserErrorText(error, program_.language), pressure_, applied_pressure_);
        return;
    }
    // Outside this range the chart's formulas give no meaningful lines (at 0 Pa no air at all).
    if (!(pb >= kLowestPressure_pa && pb <= kHighestPressure_pa)) {
        refuse(LineOr(program_, kPressureRangeLine,
                      QStringLiteral("Ciśnienie barometryczne musi mieścić się w przedziale od 80000 do 120000 Pa")),
               pressure_, applied_pressure_);
        return;
    }
    try {
        ReadTypedNumber(air_flow_->text().toStdString(), program_.numbers);
    } catch (const ConversionError& error) {
        refuse(UserErrorText(error, program_.language), air_flow_, applied_air_flow_);
        return;
    }
    applied_.barometric_pa = pb;
    applied_.humidity_lines = humidity_->isChecked();
    applied_.density_lines = density_->isChecked();
    applied_.enthalpy_lines = enthalpy_->isChecked();
    applied_pressure_ = pressure_->text();
    applied_air_flow_ = air_flow_->text();
    accept();
    emit settingsConfirmed();
}

void IxChartSettingsDialog::done(int result)
{
    if (result != QDialog::Accepted) showApplied();
    ProgramDialog::done(result);
}

void IxChartSettingsDialog::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
