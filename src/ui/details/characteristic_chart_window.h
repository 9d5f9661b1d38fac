#pragma once

#include "core/details/characteristic_chart.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <QString>

#include <exception>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMenuBar;
class QPushButton;

namespace kalvintera {

class DatasheetExport;

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
    // The device's Model; a speed change shown adds "/" and the new speed to it.
    void setSubtitle(const QString& subtitle);
    QString subtitle() const;
    QString heading() const;

    // Draws the chart anew with the regulation it shows; runs whenever the window is
    // activated. A regulation stays until the user chooses another or closes the chart.
    void redraw();
    // "Reguluj dławieniowo" and "Reguluj falownikiem/transformatorem"; they act only on the
    // duty point of a fan search and are disabled, with the reason as their hint, otherwise.
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
    Regulation shownRegulation() const { return shown_; }

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
    bool canRegulate() const;
    // Enables what can act now: the regulations, and the series sheets the data folder holds.
    void updateCommands();
    void showError(const std::exception& error);

    struct SeriesItem {
        QAction* action;
        const char* file;
    };

    CharacteristicKind kind_;
    const SelectionWindow* selection_ = nullptr;
    DatasheetExport* datasheets_ = nullptr;
    TransposedParametersWindow* transposed_ = nullptr;
    DetailsChartView* view_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* subtitle_ = nullptr;
    QLabel* readout_ = nullptr;
    QLabel* throttling_line_ = nullptr;
    QPushButton* transposed_button_ = nullptr;
    QMenuBar* menus_ = nullptr;
    QAction* throttle_action_ = nullptr;
    QAction* speed_action_ = nullptr;
    std::vector<SeriesItem> series_items_;
    QString model_subtitle_;
    Regulation shown_ = Regulation::None;
    // Set by "Reguluj dławieniowo": the next drawing hands its surplus to the calculator.
    bool hand_over_throttling_ = false;
    CharacteristicDrawing drawing_;
    std::optional<SpeedChange> last_speed_change_;
    LanguageTexts texts_;
};

} // namespace kalvintera
