#pragma once

#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kalvintera {

// "Ilość sztuk": how many pieces of a product go on the order. The one way out is OK (no
// cancel, no close box, no Esc), so every add to the order gets its quantity.
class QuantityDialog final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit QuantityDialog(Program& program, QWidget* parent = nullptr);

    // Shows the dialog with `preset` in the field and returns the quantity confirmed, as
    // digits: OK takes only a whole number 1 … 999; anything else gets its message and the
    // dialog stays open with the text kept. Confirming marks the order as changed.
    QString askQuantity(const QString& preset = QStringLiteral("1"));

    QLineEdit* quantityEdit() const { return edit_; }
    QPushButton* okButton() const { return ok_; }

    void applyLanguage(const LanguageTable& table) override;

public slots:
    // Nothing cancels the dialog.
    void reject() override {}

private:
    void confirm();

    QString confirmed_;
    QLabel* label_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QPushButton* ok_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
