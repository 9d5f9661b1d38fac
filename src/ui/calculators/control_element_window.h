#pragma once

#include "core/calculators/control_element.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <QString>

#include <functional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kalvintera {

// "Kalkulator elementów regulacyjnych": sizes an orifice plate or a single-blade damper that
// absorbs a surplus pressure at a given flow, in a round or rectangular duct.
class ControlElementWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit ControlElementWindow(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // Where the air density comes from: the text the settings tab shows.
    void setDensitySource(std::function<QString()> density_text) { density_text_ = std::move(density_text); }

    // Throttling on the pressure chart hands over the pressure to throttle and the duty flow;
    // both are written, rounded to one decimal, into the first two fields (the flow in m³/h).
    void prefillFromThrottling(double surplus_pressure_pa, double flow_m3s);

    void chooseSection(DuctSection section);
    void chooseElement(ControlElementType element);
    DuctSection section() const;
    ControlElementType element() const;

    // "Oblicz": checks the inputs, computes, shows the results of the current choices.
    void compute();

    QLineEdit* pressureEdit() const { return pressure_; }
    QLineEdit* flowEdit() const { return flow_; }
    QLineEdit* sizeEdit() const { return size_a_; }
    QLineEdit* sideBEdit() const { return side_b_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct ResultRow {
        QLabel* caption = nullptr;
        QLabel* value = nullptr;
        QLabel* unit = nullptr;
        void setVisible(bool visible) const;
    };

    QWidget* buildInputs();
    QWidget* buildChoices();
    QWidget* buildResults();
    ResultRow addResultRow(QGridLayout* grid, int row, const QString& caption, const QString& unit, const char* name);
    // Hides the results and inputs that do not belong to the current choices, and clears the results.
    void showChoices();
    void showProblem(int line, const QString& built_in);
    void showError(const QString& message);

    std::function<QString()> density_text_;
    QLineEdit* pressure_ = nullptr;
    QLineEdit* flow_ = nullptr;
    QLabel* diameter_label_ = nullptr;
    QLabel* side_a_label_ = nullptr;
    QLineEdit* size_a_ = nullptr;
    QLabel* side_b_label_ = nullptr;
    QLineEdit* side_b_ = nullptr;
    QLabel* side_b_unit_ = nullptr;
    QRadioButton* round_ = nullptr;
    QRadioButton* rectangular_ = nullptr;
    QRadioButton* orifice_ = nullptr;
    QRadioButton* damper_ = nullptr;
    ResultRow diameter_;
    ResultRow side_a_result_;
    ResultRow side_b_result_;
    ResultRow angle_;
    LanguageTexts texts_;
};

} // namespace kalvintera
