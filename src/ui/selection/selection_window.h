#pragma once

#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <QString>

class QLineEdit;
class QTabWidget;

namespace kalvintera {

// "Dobór": fan search by duty point and the two gravity ventilator searches.
class SelectionWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit SelectionWindow(Program& program, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    // Shows the tab and fan kind of the module the main window's button chose
    // (program.SelectionModule) and opens the window.
    void openForModule();

    // The duty point the settings file or an ordered fan brings in.
    void setDutyPointTexts(const QString& flow, const QString& pressure);
    QString flowText() const;
    QString pressureText() const;

private:
    QTabWidget* tabs_ = nullptr;
    QLineEdit* flow_ = nullptr;
    QLineEdit* pressure_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
