#pragma once

#include "core/selection/fan_result_row.h"
#include "core/selection/fan_search.h"
#include "core/selection/order_from_selection.h"
#include "ui/common/language_texts.h"

#include <QWidget>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kalvintera {

struct Program;
class SelectionActions;

// The "Wentylatory" tab: the duty point and ordering ("Dobór podstawowy") and, in advanced
// mode, the fan kind, executions, limits and order options ("Dobór zaawansowany"), with
// the rules that tie these controls together.
class FanCriteriaPanel final : public QWidget {
    Q_OBJECT
public:
    FanCriteriaPanel(SelectionActions& actions, QWidget* parent = nullptr);

    // The criteria as the controls hold them; the duty point is read by the caller.
    FanSearchCriteria criteria() const;
    FanOrdering ordering() const;
    FanRowOptions rowOptions() const;
    // The options of an order line as the controls hold them (device, quantity, voltage
    // and arrangement are the caller's).
    FanOrderInput orderOptions() const;

    QString flowText() const;
    QString pressureText() const;
    void setDutyPointTexts(const QString& flow, const QString& pressure);

    FanKind kind() const;
    void chooseKind(FanKind kind);
    bool advanced() const;

    // Each opening of the window: units from the settings, the standard execution and the
    // standard colour.
    void prepareForOpening();
    void setSeriesCodes(const std::vector<std::string>& codes);

    void applyLanguage(const LanguageTable& table);

signals:
    void searchRequested();
    // "Kryterium doboru" shows another entry or text.
    void orderingChanged();
    void closeRequested();
    void flowCalculatorRequested();
    void pressureCalculatorRequested();
    void arrangementRequested();
    // "Zestawienie...": the fan schedule window.
    void scheduleRequested();

private:
    QGroupBox* buildBasicGroup();
    QGroupBox* buildAdvancedGroup();
    QGroupBox* buildExecutionGroup();
    QWidget* buildDetailsGrid();
    void applyKind();
    void applyColour();
    void applyAdvanced(bool on);
    void onExecutionChecked(QCheckBox* box, bool checked);

    SelectionActions& actions_;
    Program& program_;
    LanguageTexts texts_;

    QLineEdit* flow_ = nullptr;
    QLabel* flow_unit_ = nullptr;
    QLabel* pressure_label_ = nullptr;
    QLineEdit* pressure_ = nullptr;
    QLabel* pressure_unit_ = nullptr;
    QComboBox* ordering_ = nullptr;
    QCheckBox* advanced_ = nullptr;

    QGroupBox* advanced_group_ = nullptr;
    QRadioButton* roof_ = nullptr;
    QRadioButton* radial_ = nullptr;
    QRadioButton* duct_ = nullptr;
    QCheckBox* standard_ = nullptr;
    QCheckBox* heat40_ = nullptr;
    QCheckBox* heat60_ = nullptr;
    QCheckBox* chemical_ = nullptr;
    QCheckBox* explosion_proof_ = nullptr;
    QCheckBox* two_speed_ = nullptr;
    QComboBox* voltage_ = nullptr;
    QLineEdit* max_power_ = nullptr;
    QLineEdit* max_sound_ = nullptr;
    QLabel* direction_label_ = nullptr;
    QComboBox* direction_ = nullptr;
    QLabel* series_label_ = nullptr;
    QComboBox* series_ = nullptr;
    QCheckBox* colour_wanted_ = nullptr;
    QComboBox* colour_ = nullptr;
    QLabel* ral_label_ = nullptr;
    QLineEdit* ral_ = nullptr;
    QPushButton* arrangement_ = nullptr;
};

} // namespace kalvintera
