#include "ui/shell/news_window.h"

#include "core/shell/text_file.h"
#include "ui/program.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvintera {
namespace {

constexpr const char* kNewsCaption = "Co  nowego w obecnej wersji";
constexpr const char* kHistoryCaption = "Historia wersji";
constexpr int kNewsCaptionLine = 958;
constexpr int kHistoryCaptionLine = 959;
constexpr int kHistoryMissingLine = 156;
constexpr const char* kHistoryFile = "historia.txt";

// The program's text files end their lines with CR LF; the text control wants LF alone.
QString WithLineFeeds(QString text)
{
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return text;
}

} // namespace

NewsWindow::NewsWindow(Program& program, QWidget* parent)
    : ProgramDialog(program, Behaviour{.fades = false, .closes_on_esc = true}, parent)
{
    setWindowTitle(kNewsCaption);

    text_ = new QPlainTextEdit;
    text_->setObjectName("news");
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setMinimumSize(640, 380);

    auto* close = new QPushButton("Zamknij");
    close->setObjectName("close");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
}

QString NewsWindow::text() const
{
    return text_->toPlainText();
}

void NewsWindow::setCaption(int line, const char* built_in)
{
    // Without a language file the table is empty, and an empty caption would leave the
    // window nameless.
    const QString caption = program_.line(line);
    setWindowTitle(caption.isEmpty() ? QString::fromUtf8(built_in) : caption);
}

void NewsWindow::showNews(const QString& text)
{
    text_->setPlainText(WithLineFeeds(text));
    setCaption(kNewsCaptionLine, kNewsCaption);
    showModal();
}

void NewsWindow::showHistory()
{
    text_->clear();
    setCaption(kHistoryCaptionLine, kHistoryCaption);
    if (!program_.fileExists(kHistoryFile)) {
        program_.showMessage(kHistoryMissingLine);
        return;
    }
    // The history is written in the language the program is installed in.
    const std::string history = ReadTextFile(program_.path(kHistoryFile), program_.shownCodePage());
    text_->setPlainText(WithLineFeeds(QString::fromStdString(history)));
    showModal();
}

} // namespace kalvintera
