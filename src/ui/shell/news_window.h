#pragma once

#include "ui/common/program_dialog.h"

class QPlainTextEdit;

namespace kalvintera {

// "Co  nowego w obecnej wersji": the news of a freshly installed update, and the version
// history. Its texts stay Polish in every language except the caption.
class NewsWindow : public ProgramDialog {
    Q_OBJECT
public:
    explicit NewsWindow(Program& program, QWidget* parent = nullptr);

    // Shows the news of an update until the user closes the window.
    void showNews(const QString& text);

    // Shows historia.txt of the data folder. When it is missing the user is told and the
    // window stays closed.
    void showHistory();

    QString text() const;

private:
    // Language line `line`, or `built_in` while no language file gives it.
    void setCaption(int line, const char* built_in);

    QPlainTextEdit* text_;
};

} // namespace kalvintera
