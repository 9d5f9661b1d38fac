#pragma once

#include "core/details/regulation.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <array>
#include <optional>

class QGroupBox;
class QLabel;

namespace kalvintera {

// "Parametry wentylatora po transpozycji charakterystyki": the operating point, power,
// sound level and speed of the fan after the last speed change of the pressure chart.
class TransposedParametersWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit TransposedParametersWindow(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // Fills the rows from the speed change (empty rows without one) and shows the window
    // until OK or Esc.
    void showParameters(const std::optional<SpeedChange>& change);
    // Fills the rows without showing the window.
    void fill(const std::optional<SpeedChange>& change);

    // Row 0 … 4: flow, pressure, power, sound level, speed.
    QString value(int row) const;

private:
    static constexpr int kRows = 5;
    QGroupBox* group_ = nullptr;
    std::array<QLabel*, kRows> names_{};
    std::array<QLabel*, kRows> values_{};
    LanguageTexts texts_;
};

} // namespace kalvintera
