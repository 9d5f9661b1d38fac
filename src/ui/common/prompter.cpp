#include "ui/common/prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace kalvintera {
namespace {

QWidget* ActiveWindow() { return QApplication::activeWindow(); }

QString RunFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(ActiveWindow(), request.title, request.folder, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.default_suffix);
    if (!request.file_name.isEmpty() && !request.file_name.contains('*')) dialog.selectFile(request.file_name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

} // namespace

void QtPrompter::showInfo(const QString& text, const QString& title)
{
    QMessageBox::information(ActiveWindow(), title, text, QMessageBox::Ok);
}

bool QtPrompter::askYesNo(const QString& text, const QString& title)
{
    return QMessageBox::question(ActiveWindow(), title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtPrompter::askOkCancel(const QString& text, const QString& title)
{
    return QMessageBox::question(ActiveWindow(), title, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

SaveChoice QtPrompter::askSaveDiscardCancel(const QString& text, const QString& title)
{
    const QMessageBox::StandardButton answer = QMessageBox::question(
        ActiveWindow(), title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return SaveChoice::Save;
    if (answer == QMessageBox::Discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

QString QtPrompter::chooseFileToOpen(const FileDialogRequest& request)
{
    return RunFileDialog(request, QFileDialog::AcceptOpen);
}

QString QtPrompter::chooseFileToSave(const FileDialogRequest& request)
{
    return RunFileDialog(request, QFileDialog::AcceptSave);
}

} // namespace kalvintera
