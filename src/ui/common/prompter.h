#pragma once

#include <QString>
#include <QWidget>

namespace kalvintera {

struct FileDialogRequest {
    QString title;
    QString filter;           // "Pliki Kalvintera (*.kvt)"
    QString default_suffix;   // "kvt"
    QString folder;           // starting folder
    QString file_name;        // preset name
};

// The answer to a question about changes that were not saved.
enum class SaveChoice { Save, Discard, Cancel };

// Every modal question the program asks: window tests script the answers instead of
// blocking on a real dialog.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A message box with one OK button.
    virtual void showInfo(const QString& text, const QString& title) = 0;
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
    virtual bool askOkCancel(const QString& text, const QString& title) = 0;
    // The chosen file's full name, or empty when cancelled.
    virtual QString chooseFileToOpen(const FileDialogRequest& request) = 0;
    virtual QString chooseFileToSave(const FileDialogRequest& request) = 0;
    // Unsaved changes: the buttons Save, Discard and Cancel; Esc and closing the box cancel.
    virtual SaveChoice askSaveDiscardCancel(const QString& text, const QString& title) = 0;
};

// The real dialogs, parented to whatever window is active.
class QtPrompter final : public Prompter {
public:
    void showInfo(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title) override;
    bool askOkCancel(const QString& text, const QString& title) override;
    QString chooseFileToOpen(const FileDialogRequest& request) override;
    QString chooseFileToSave(const FileDialogRequest& request) override;
    SaveChoice askSaveDiscardCancel(const QString& text, const QString& title) override;
};

} // namespace kalvintera
