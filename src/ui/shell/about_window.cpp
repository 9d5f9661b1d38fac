#include "ui/shell/about_window.h"

#include "core/shell/company_addresses.h"
#include "platform/jpeg_image.h"
#include "platform/system_locale.h"
#include "ui/program.h"
#include "ui/shell/mailbox_label.h"
#include "ui/shell/picture_label.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

// The product tree whose date stands for the database version, in every language.
constexpr const char* kDatabaseTree = "PL_urzadzenia.sys";
constexpr const char* kLogo = "grafika/logo.jpg";
constexpr int kDatabaseMissingLine = 147;

QLabel* NewLabel(const QString& text, const char* name)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

} // namespace

AboutWindow::AboutWindow(Program& program, QWidget* parent) : ProgramDialog(program, Behaviour{}, parent)
{
    setWindowTitle("O programie");

    logo_ = new PictureLabel(QSize(180, 135));
    logo_->setObjectName("logo");
    loadLogo();

    auto* version_caption = NewLabel("Wersja programu", "versionCaption");
    version_ = NewLabel(QString(), "version");
    auto* database_caption = NewLabel("Wersja bazy danych:", "databaseCaption");
    database_date_ = NewLabel(QString(), "databaseDate");
    auto* contact_caption = NewLabel("Kontakt z firmą: ", "contactCaption");
    mailbox_ = new MailboxLabel(program.platform.desktop, QString::fromUtf8(company::kCustomerServiceMailbox));
    mailbox_->setObjectName("mailbox");
    auto* rights = NewLabel("Wszelkie prawa zastrzeżone © Kalvintera", "rights");
    auto* author = NewLabel("Program opracował Dział Techniczny firmy Kalvintera", "author");

    QFont bold = version_->font();
    bold.setBold(true);
    version_->setFont(bold);
    database_date_->setFont(bold);

    auto* facts = new QGridLayout;
    facts->setHorizontalSpacing(8);
    facts->addWidget(version_caption, 0, 0);
    facts->addWidget(version_, 0, 1);
    facts->addWidget(database_caption, 1, 0);
    facts->addWidget(database_date_, 1, 1);
    facts->addWidget(contact_caption, 2, 0);
    facts->addWidget(mailbox_, 2, 1);
    facts->setColumnStretch(1, 1);

    auto* texts = new QVBoxLayout;
    texts->addLayout(facts);
    texts->addSpacing(12);
    texts->addWidget(rights);
    texts->addWidget(author);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(logo_, 0, Qt::AlignTop);
    top->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addWidget(buttons);

    texts_.add(311, [this](const QString& text) { setWindowTitle(text); });
    texts_.add(312, [version_caption](const QString& text) { version_caption->setText(text); });
    texts_.add(313, [database_caption](const QString& text) { database_caption->setText(text); });
    texts_.add(314, [contact_caption](const QString& text) { contact_caption->setText(text); });
    texts_.add(315, [rights](const QString& text) { rights->setText(text); });
    texts_.add(316, [author](const QString& text) { author->setText(text); });
}

void AboutWindow::setVersionText(const QString& text)
{
    version_->setText(text);
}

void AboutWindow::loadLogo()
{
    if (program_.fileExists(kLogo)) logo_->setPicture(LoadJpeg(program_.path(kLogo)));
}

int AboutWindow::showModal()
{
    if (!program_.fileExists(kDatabaseTree)) {
        program_.showMessage(kDatabaseMissingLine);
        return QDialog::Rejected;
    }
    database_date_->setText(QString::fromStdString(FileTimeText(program_.path(kDatabaseTree), program_.dates)));
    loadLogo();
    return ProgramDialog::showModal();
}

void AboutWindow::applyLanguage(const LanguageTable& table)
{
    texts_.apply(table);
}

} // namespace kalvintera
