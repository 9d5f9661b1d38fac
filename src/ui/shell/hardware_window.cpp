#include "ui/shell/hardware_window.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace kalvintera {
namespace {

constexpr int kCaptionLine = 881;
constexpr int kFirstTextLine = 882;
constexpr int kCloseLine = 890;

constexpr std::array<const char*, HardwareWindow::kTextLines> kRequirements = {
    "Minimalne wymagania programu:",
    "- ekran o rozdzielczości co najmniej 1024x768",
    "- procesor 64-bitowy, 1 GHz lub szybszy",
    "- 32 MB wolnej pamięci operacyjnej",
    "- 300 MB wolnego miejsca na dysku",
    "- zalecany system operacyjny: Windows 10 lub nowszy",
    "Uwaga: po instalacji użytkownik musi mieć prawo odczytu pliku bazy urzadzenia.dbx",
    "oraz prawo zapisu w folderze programu (ustawienia, zamówienia).",
};

} // namespace

HardwareWindow::HardwareWindow(Program& program, QWidget* parent) : ProgramDialog(program, Behaviour{}, parent)
{
    setWindowTitle("WYMAGANIA SPRZĘTOWE");

    text_ = new QPlainTextEdit;
    text_->setObjectName("requirements");
    text_->setReadOnly(true);
    text_->setFixedSize(600, 190);
    for (const char* line : kRequirements) text_->appendPlainText(QString::fromUtf8(line));

    close_ = new QPushButton("Zamknij");
    close_->setObjectName("close");
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(text_);
    layout->addLayout(buttons);
}

void HardwareWindow::applyLanguage(const LanguageTable& table)
{
    setWindowTitle(LanguageLine(table, kCaptionLine));
    // The text is rebuilt from the lines, never appended to, so switching languages
    // leaves exactly one set of them.
    text_->clear();
    for (int i = 0; i < kTextLines; ++i) text_->appendPlainText(LanguageLine(table, kFirstTextLine + i));
    close_->setText(LanguageLine(table, kCloseLine));
}

} // namespace kalvintera
