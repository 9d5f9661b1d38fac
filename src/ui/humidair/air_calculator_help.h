#pragma once

#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

class QPlainTextEdit;
class QPushButton;

namespace kalvintera {

// "Pomoc kalkulatora powietrza": which pairs of values the air calculator accepts.
class AirCalculatorHelp final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit AirCalculatorHelp(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    QPlainTextEdit* text() const { return text_; }

private:
    void showLines();

    QPlainTextEdit* text_ = nullptr;
    QPushButton* close_ = nullptr;
    QStringList lines_;
    LanguageTexts texts_;
};

} // namespace kalvintera
