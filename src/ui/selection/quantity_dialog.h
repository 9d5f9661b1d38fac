#pragma once

#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

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

    // Shows the dialog with "1" in the field and returns the text as typed (not checked).
    // Confirming marks the order as changed.
    QString askQuantity();

    QLineEdit* quantityEdit() const { return edit_; }
    QPushButton* okButton() const { return ok_; }

    void applyLanguage(const LanguageTable& table) override;

public slots:
    // Nothing cancels the dialog.
    void reject() override {}

private:
    QLabel* label_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QPushButton* ok_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
