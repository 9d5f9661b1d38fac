#pragma once

#include "core/details/characteristic_chart.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <QString>

#include <optional>

class QLabel;
class QMenuBar;
class QPushButton;

namespace kalvintera {

class DetailsChartView;
class SelectionWindow;
class TransposedParametersWindow;

// "Wykres dp=f(V)", "Wykres Nel=f(V)" or "Wykres eta=f(V)": a characteristic of
// program.CurrentDevice with the operating point of the last fan search. The pressure chart
// also regulates the fan to the duty flow by throttling or by a change of speed.
class CharacteristicChartWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    CharacteristicChartWindow(Program& program, CharacteristicKind kind, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // Where the duty point of the last fan search is typed, and the window that lists the
    // parameters after a speed change.
    void setSelectionWindow(const SelectionWindow* selection) { selection_ = selection; }
    void setTransposedWindow(TransposedParametersWindow* window) { transposed_ = window; }

    CharacteristicKind kind() const { return kind_; }
    void setSubtitle(const QString& subtitle);
    QString subtitle() const;
    QString heading() const;

    // Draws the chart anew, using up a pending regulation request; runs whenever the window
    // is activated.
    void redraw();
    // "Reguluj dławieniowo" and "Reguluj falownikiem/transformatorem".
    void throttle();
    void changeSpeed();
    // "Zapisz charakterystykę".
    void saveChart();
    // "Parametry po transozycji".
    void showTransposedParameters();
    // The readout line for the pointer at (x, y) of the picture.
    void showReadout(int x, int y);

    const CharacteristicDrawing& drawing() const { return drawing_; }
    const std::optional<SpeedChange>& lastSpeedChange() const { return last_speed_change_; }
    DetailsChartView* view() const { return view_; }
    QLabel* throttlingLine() const { return throttling_line_; }
    QPushButton* transposedButton() const { return transposed_button_; }
    QString readoutText() const;
    QMenuBar* menus() const { return menus_; }

signals:
    // Throttling was drawn: the control element calculator is to absorb this surplus at the duty flow.
    void throttled(double surplus_pressure_pa, double flow_m3s);
    // "Kalkulator elementów regulacyjnych".
    void controlElementCalculatorRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void buildMenus();
    void openCalculator();
    std::optional<DutyPoint> dutyPoint() const;

    CharacteristicKind kind_;
    const SelectionWindow* selection_ = nullptr;
    TransposedParametersWindow* transposed_ = nullptr;
    DetailsChartView* view_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* subtitle_ = nullptr;
    QLabel* readout_ = nullptr;
    QLabel* throttling_line_ = nullptr;
    QPushButton* transposed_button_ = nullptr;
    QMenuBar* menus_ = nullptr;
    Regulation requested_ = Regulation::None;
    CharacteristicDrawing drawing_;
    std::optional<SpeedChange> last_speed_change_;
    LanguageTexts texts_;
};

} // namespace kalvintera
