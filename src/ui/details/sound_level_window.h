#pragma once

#include "core/details/sound_level_chart.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

class QLabel;
class QPushButton;

namespace kalvintera {

class DetailsChartView;

// "WIDMO AKUSTYCZNE": the sound power level of program.CurrentDevice by octave band, and
// for a fan with a silencer among its accessories the level left after the silencer.
class SpectrumWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit SpectrumWindow(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // Draws the spectrum anew; runs whenever the window is shown.
    void redraw();
    // "PLIK PDF": the acoustic sheet of the device.
    void openSheet();

    QString heading() const;
    const SpectrumDrawing& drawing() const { return drawing_; }
    DetailsChartView* view() const { return view_; }
    QPushButton* sheetButton() const { return sheet_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* heading_ = nullptr;
    DetailsChartView* view_ = nullptr;
    QPushButton* sheet_ = nullptr;
    SpectrumDrawing drawing_;
    LanguageTexts texts_;
};

} // namespace kalvintera
