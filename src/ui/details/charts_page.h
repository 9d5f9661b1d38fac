#pragma once

#include "ui/common/language_texts.h"

#include <QWidget>

namespace kalvintera {

class PictureButton;

// "WYKRESY": the buttons of the pressure, efficiency and power charts and of the acoustic
// spectrum.
class ChartsPage final : public QWidget, public Translatable {
    Q_OBJECT
public:
    explicit ChartsPage(QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // The chart buttons need a characteristic, the spectrum button a stored total level.
    void enableButtons(bool charts, bool spectrum);

    PictureButton* pressureButton() const { return pressure_; }
    PictureButton* efficiencyButton() const { return efficiency_; }
    PictureButton* spectrumButton() const { return spectrum_; }
    PictureButton* powerButton() const { return power_; }

signals:
    void pressureChartRequested();
    void efficiencyChartRequested();
    void spectrumRequested();
    void powerChartRequested();

private:
    PictureButton* pressure_ = nullptr;
    PictureButton* efficiency_ = nullptr;
    PictureButton* spectrum_ = nullptr;
    PictureButton* power_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
