#pragma once

#include <QObject>
#include <QString>

#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QTemporaryDir;

namespace kalvintera {

struct Program;
struct Windows;
struct FileDialogRequest;
struct OrderCustomer;
class OrderView;
class DatasheetExport;

// What the user does with the order: the commands of the "   Plik..." menu (new, open,
// save, printer setup, print), sending it by e-mail (menu and the order form's button),
// and the pop-up of the order list (details, remove, change quantity). Questions and file dialogs go
// through program.prompter; printer and mail client through program.platform.
class OrderCommands final : public QObject {
    Q_OBJECT
public:
    OrderCommands(Program& program, Windows& windows, OrderView& view, QObject* parent = nullptr);
    ~OrderCommands() override;

    void newOrder();
    void openOrder();
    void saveOrder();
    void printerSetup();
    void printOrder();
    void sendOrder();
    // "Karty doboru PDF": the data sheets of every product of the order in one PDF.
    void saveDatasheets();
    DatasheetExport* datasheets() const { return datasheets_; }

    // A line was appended to program.order elsewhere (the selection or details windows).
    void showAddedLine();

    // The selected line of the list.
    void removeSelectedLine();
    void showSelectedLineDetails();
    // Asks for a new quantity of the selected line, preset with the one it has.
    void changeSelectedQuantity();

    // The folder of the order file written for the e-mail attachment: a temporary folder of
    // this run, made at the first call; none (after a message) when none can be made.
    std::optional<std::filesystem::path> attachmentFolder();

    // Whether the program may end: true when the order has no unsaved changes or the user
    // agrees to leave without saving them.
    bool confirmLeaving();

signals:
    // CurrentDevice and the flags are set for an ordered product: the details window is to open.
    void detailsRequested();

private:
    bool confirmReplacing(const QString& question);
    FileDialogRequest orderFileRequest(int title_line, const QString& title) const;
    OrderCustomer customer() const;
    void reportError(const std::exception& error);
    void reportMailFailure(const std::filesystem::path& file, const std::string& mailbox);
    QString lineOr(int line, const QString& built_in) const;

    Program& program_;
    Windows& windows_;
    OrderView& view_;
    DatasheetExport* datasheets_ = nullptr;
    std::unique_ptr<QTemporaryDir> attachment_folder_;
};

} // namespace kalvintera
