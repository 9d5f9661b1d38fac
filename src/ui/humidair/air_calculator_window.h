#pragma once

#include "core/humidair/air_calculator.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <map>

class QLabel;
class QLineEdit;
class QPushButton;
class QAction;

namespace kalvintera {

class AirCalculatorHelp;

// "Kalkulator powietrza": the state of humid air from two of i, X, t, φ and the
// barometric pressure. Typing a second value disables the other two, so that exactly one
// pair is given; "Wyczyść" starts again.
class AirCalculatorWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    AirCalculatorWindow(Program& program, AirCalculatorHelp& help, QWidget* parent = nullptr);

    void applyLanguage(const LanguageTable& table) override;

    QLineEdit* field(AirField which) const { return fields_.at(which); }

public slots:
    void calculate();
    void clear();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* addField(AirField which, const char* name, const QString& symbol, const QString& unit,
                        const QString& hint, int hint_line, bool result);
    void inputEdited(AirField which);
    void setInputEnabled(QLineEdit* edit, bool enabled);

    AirCalculatorHelp& help_;
    AirInputOrigins origins_;
    std::map<AirField, QLineEdit*> fields_;
    QWidget* grid_ = nullptr;
    QLabel* title_ = nullptr;
    QPushButton* calculate_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QAction* help_action_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
