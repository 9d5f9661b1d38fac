#pragma once

#include "ui/common/language_texts.h"

#include <QString>
#include <QWidget>

#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace kalvintera {

struct Program;

// The "Ustawienia" tab: the default air state with the density and viscosity it gives, the
// operating hours and energy price of the yearly figures and the density correction,
// the flow and pressure units of the selection, the dialog fade, and the update schedule.
// Every change is written through to the program state at once; there is no OK or cancel.
class SettingsTab : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit SettingsTab(Program& program, QWidget* parent = nullptr);

    // Fills the controls from the program's settings, after the settings file has been read.
    void showSettings();

    // Recomputes density and viscosity from the air state. While the state is being typed
    // (an empty text, a lone "-") the shown values stay; a state that gives no air empties
    // them and leaves the program without air properties until the state reads again.
    void recomputeAir();

    // The shown density text, as the control element calculator reads it.
    QString densityText() const;

    void applyLanguage(const LanguageTable& table) override;

signals:
    // Either flow unit was chosen (also the one already in force).
    void flowUnitChanged();
    void pressureUnitChanged();
    // The roughness text changed, or its box was ticked or unticked.
    void roughnessChanged(const QString& roughness);
    // The roughness box was ticked or unticked: the user means a material of their own.
    void roughnessBoxToggled();

private:
    struct AirField {
        QCheckBox* box = nullptr;
        QLineEdit* edit = nullptr;
        int max_length = 0;
    };

    QWidget* buildAirGroup();
    QWidget* buildUnitsGroup();
    QWidget* buildEffectsGroup();
    QWidget* buildUpdateGroup();
    // Operating hours, price and currency of the yearly energy figures, and the density correction.
    QWidget* buildEnergyGroup();
    QWidget* buildDensityGroup();
    void markEnergyNumber(QLineEdit* edit);
    struct AirFieldTexts {
        int line;        // language line of the box's caption
        QString caption; // built-in caption
        QString unit;
        int max_length;  // characters the user may type
        QString name;
    };

    // A box, its field and unit on the next row of `grid`; the field's text is `setting`.
    AirField addAirField(QGridLayout* grid, const AirFieldTexts& field_texts, std::string& setting);
    void fillAirField(const AirField& field, const std::string& text);
    void applyFadePosition(int position);
    void showAirResult(const QString& density, const QString& viscosity, const QString& problem);

    Program& program_;
    LanguageTexts texts_;

    AirField temperature_;
    AirField pressure_;
    AirField humidity_;
    AirField roughness_;
    QLineEdit* density_ = nullptr;
    QLineEdit* viscosity_ = nullptr;

    QRadioButton* flow_m3h_ = nullptr;
    QRadioButton* flow_m3s_ = nullptr;
    QRadioButton* pressure_pa_ = nullptr;
    QRadioButton* pressure_dapa_ = nullptr;

    QRadioButton* fade_on_ = nullptr;
    QRadioButton* fade_off_ = nullptr;
    QSlider* fade_speed_ = nullptr;

    QLineEdit* hours_ = nullptr;
    QLineEdit* price_ = nullptr;
    QLineEdit* currency_ = nullptr;
    QCheckBox* density_correction_ = nullptr;

    QCheckBox* check_updates_ = nullptr;
    QComboBox* update_days_ = nullptr;
};

} // namespace kalvintera
