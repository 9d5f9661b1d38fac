#pragma once

#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <array>

class QGroupBox;
class QRadioButton;

namespace kalvintera {

// "Układ wentylatora": the eight arrangements of a radial fan's casing, right-hand
// (RD) and left-hand (LG), each turned by 0, 90, 180 or 270 degrees. The choice stays
// from one opening to the next.
class ArrangementDialog final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit ArrangementDialog(Program& program, QWidget* parent = nullptr);

    // The caption of the checked arrangement, "RD0" … "LG270".
    QString chosenArrangement() const;
    void choose(const QString& caption);

    void applyLanguage(const LanguageTable& table) override;

private:
    QGroupBox* right_ = nullptr;
    QGroupBox* left_ = nullptr;
    std::array<QRadioButton*, 8> radios_{};
    LanguageTexts texts_;
};

} // namespace kalvintera
