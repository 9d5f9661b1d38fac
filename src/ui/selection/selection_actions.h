#pragma once

#include "core/catalogue/device_table.h"
#include "core/order/order_line.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kalvintera {

struct Program;
class QuantityDialog;
class ArrangementDialog;
class GravitySchemeWindow;

// The small windows the selection window opens; they are windows of the program, created
// with the others.
struct SelectionDialogs {
    QuantityDialog* quantity = nullptr;
    ArrangementDialog* arrangement = nullptr;
    GravitySchemeWindow* scheme = nullptr;
};

// What the three tabs of the selection window do alike with a result: read the shared
// store of result devices, open a device's details, add a product to the order, and show
// the errors a user action ends with.
class SelectionActions final : public QObject {
    Q_OBJECT
public:
    SelectionActions(Program& program, QObject* parent);

    Program& program() const { return program_; }
    const SelectionDialogs& dialogs() const { return dialogs_; }
    void setDialogs(const SelectionDialogs& dialogs) { dialogs_ = dialogs; }

    // The device of result `number` (1-based) of the last search on any tab; none when that
    // search found fewer.
    std::optional<DeviceIndex> resultDevice(int number) const;

    // Copies the record into CurrentDevice with the way it was reached, and asks for the
    // details window when the record names a product.
    void openDetails(DeviceIndex index, bool from_fan_selection, bool from_catalogue);

    // Asks for the quantity, builds the line from it and appends it to the order. An order
    // that is already full is reported before anything is asked. An error from `build` is
    // shown and nothing is added. True when the line was added.
    bool addToOrder(const std::function<OrderLine(const std::string& quantity)>& build);

    // Runs a user action; an error it raises ends it with a message, as the program's error
    // handler would, and the state reached so far stays.
    void guarded(const std::function<void()>& action) const;

    // Catalogue records a search had to leave out, in one message.
    void showProblems(const std::vector<DeviceIndex>& devices) const;

    // A text the window reads when it shows it: the language line while a language file is
    // in force, else the built-in Polish caption.
    QString text(int line, const QString& built_in) const;

signals:
    void detailsRequested();
    void orderLineAdded();

private:
    Program& program_;
    SelectionDialogs dialogs_;
};

} // namespace kalvintera
