#pragma once

#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

class QPlainTextEdit;
class QPushButton;

namespace kalvintera {

// "WYMAGANIA SPRZĘTOWE": what the computer needs to run the program, and how the
// database files must be installed.
class HardwareWindow : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    static constexpr int kTextLines = 8;

    explicit HardwareWindow(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

private:
    QPlainTextEdit* text_;
    QPushButton* close_;
};

} // namespace kalvintera
