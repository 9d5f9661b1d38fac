#pragma once

#include "core/humidair/ix_chart_drawing.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kalvintera {

// "USTAWIENIA" of the IX chart: its barometric pressure, which line families are drawn,
// and the air flow for the heat of processes. The values hold for the run and are not
// saved. What the controls show takes effect with OK only, and only when every value is
// acceptable: a refused value leaves the chart as it was, and closing the dialog without
// OK puts the values in force back into the controls.
class IxChartSettingsDialog final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit IxChartSettingsDialog(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // The options in force (the last accepted with OK).
    IxChartOptions options() const { return applied_; }
    // The air flow in force, m3/h, as typed.
    QString airFlowText() const { return applied_air_flow_; }

    QLineEdit* pressureEdit() const { return pressure_; }
    QLineEdit* airFlowEdit() const { return air_flow_; }
    QCheckBox* humidityBox() const { return humidity_; }
    QCheckBox* densityBox() const { return density_; }
    QCheckBox* enthalpyBox() const { return enthalpy_; }
    QPushButton* okButton() const { return ok_; }

signals:
    // OK with acceptable values, now in force: the chart is to be redrawn with them.
    void settingsConfirmed();

protected:
    void done(int result) override;

private:
    void confirm();
    // Puts the values in force back into the controls.
    void showApplied();
    // A refused value: its message, and the field shows the value in force again.
    void refuse(const QString& message, QLineEdit* field, const QString& in_force);

    IxChartOptions applied_;
    QString applied_pressure_ = QStringLiteral("101300");
    QString applied_air_flow_ = QStringLiteral("1000");

    QLabel* pressure_label_ = nullptr;
    QLineEdit* pressure_ = nullptr;
    QCheckBox* humidity_ = nullptr;
    QCheckBox* density_ = nullptr;
    QCheckBox* enthalpy_ = nullptr;
    QLabel* air_flow_label_ = nullptr;
    QLineEdit* air_flow_ = nullptr;
    QPushButton* ok_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
