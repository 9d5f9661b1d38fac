#pragma once

#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

class QLabel;

namespace kalvintera {

class MailboxLabel;
class PictureLabel;

// "O programie": the program logo, the program version, the date of the product tree
// (the database version), the customer-service mailbox, the rights and the author.
class AboutWindow : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit AboutWindow(Program& program, QWidget* parent = nullptr);

    // The program version as the start-up shows it.
    void setVersionText(const QString& text);

    // Opens the window with the current date of the Polish product tree. When that file is
    // missing the user is told and the window stays closed (QDialog::Rejected).
    int showModal();

    void applyLanguage(const LanguageTable& table) override;

private:
    void loadLogo();

    PictureLabel* logo_;
    QLabel* version_;
    QLabel* database_date_;
    MailboxLabel* mailbox_;
    LanguageTexts texts_;
};

} // namespace kalvintera
