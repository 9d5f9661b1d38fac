#pragma once

#include "core/documents/datasheet_context.h"
#include "core/documents/fan_datasheet.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class QProgressDialog;
class QThread;
class QWidget;

namespace kalvintera {

struct Program;
class SelectionWindow;

// The shared facts of every data sheet the windows write, from the program's state: the
// shown language, today's date, the version, the order form's customer, the selection's
// units, the energy settings and the air density in force.
DatasheetContext WindowDatasheetContext(const Program& program);

// Writing data sheets from the windows: the save dialog, the PDF, the offer to open it.
// Errors end the action with a message in the user's language; nothing is left half-written.
class DatasheetExport final : public QObject {
    Q_OBJECT
public:
    explicit DatasheetExport(Program& program, QObject* parent = nullptr);
    ~DatasheetExport() override;

    // The sheet of one product; `flow_text` and `pressure_text` name the proposed file.
    void saveProductSheet(const DatasheetRequest& request, const QString& flow_text, const QString& pressure_text);

    // The sheet of program.CurrentDevice: at the duty point of the fan search it was opened
    // from (as the selection window's texts read now), with the regulation its pressure chart shows.
    void saveCurrentDevice(const SelectionWindow* selection, Regulation regulation);

    // The sheets of an order (the current one unless another is given), made off the GUI
    // thread behind a progress dialog with Cancel; the file is written once they are complete.
    void saveOrderSheets(QWidget* parent);
    // The sheets of these lines (a schedule's chosen fans), offered under `proposed_name`.
    void saveOrderSheets(QWidget* parent, std::vector<OrderLine> lines, const QString& proposed_name);

    // The order sheets are being made.
    bool busy() const { return worker_ != nullptr; }

signals:
    // A PDF was written (for tests and the status of the calling window).
    void written(const QString& file);

private:
    // Asks where to save; empty when the user cancelled.
    QString chooseFile(const QString& proposed_name) const;
    void writeAndOffer(const std::string& bytes, const QString& file);
    void finishOrderSheets();

    Program& program_;
    QThread* worker_ = nullptr;
    QProgressDialog* progress_ = nullptr;
    std::atomic<bool> cancel_{false};
    QString order_file_;
    // What the worker hands back: the PDF bytes, or the error it ended with.
    std::optional<std::string> order_bytes_;
    QString order_error_;
};

} // namespace kalvintera
