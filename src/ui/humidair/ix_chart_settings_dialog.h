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
// and the air flow for the heat of processes. The values live in its controls for the
// run and are read at the moment of use; they are not saved.
class IxChartSettingsDialog final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit IxChartSettingsDialog(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // The chart's options from the controls; ConversionError when the pressure text is
    // not a number (read as it stands, with the locale's separator).
    IxChartOptions options() const;
    QString airFlowText() const;

    QLineEdit* pressureEdit() const { return pressure_; }
    QLineEdit* airFlowEdit() const { return air_flow_; }
    QCheckBox* humidityBox() const { return humidity_; }
    QCheckBox* densityBox() const { return density_; }
    QCheckBox* enthalpyBox() const { return enthalpy_; }
    QPushButton* okButton() const { return ok_; }

signals:
    // OK with a readable pressure: the chart is to be redrawn with it.
    void settingsConfirmed();

private:
    void confirm();

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
