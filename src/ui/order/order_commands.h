#pragma once

#include <QObject>
#include <QString>

namespace kalvintera {

struct Program;
struct Windows;
struct FileDialogRequest;
struct OrderCustomer;
class OrderView;

// What the user does with the order: the commands of the "   Plik..." menu (new, open,
// save, printer setup, print), sending it by e-mail (menu and the order form's button),
// and the pop-up of the order list (details, remove). Questions and file dialogs go
// through program.prompter; printer and mail client through program.platform.
class OrderCommands final : public QObject {
    Q_OBJECT
public:
    OrderCommands(Program& program, Windows& windows, OrderView& view, QObject* parent = nullptr);

    void newOrder();
    void openOrder();
    void saveOrder();
    void printerSetup();
    void printOrder();
    void sendOrder();

    // A line was appended to program.order elsewhere (the selection or details windows).
    void showAddedLine();

    // The selected line of the list.
    void removeSelectedLine();
    void showSelectedLineDetails();

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
    void reportError(const char* what);
    QString lineOr(int line, const QString& built_in) const;

    Program& program_;
    Windows& windows_;
    OrderView& view_;
};

} // namespace kalvintera
