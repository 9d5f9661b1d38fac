#pragma once

#include "core/ductloss/duct_run.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <QKeySequence>
#include <QString>

#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;
class QScrollBar;
class QTableWidget;

namespace kalvintera {

struct FittingCommit;
struct FileDialogRequest;
class FittingChooser;
class FittingDialog;

// "Kalkulator strat ciśnienia": the duct run, seven rows at a time in eleven columns with
// a scroll bar, and the total loss Σ. Fittings are added through the chooser, edited and
// deleted here; the run is saved to and opened from calculation files, exported as a text
// table and a CSV file, and its total is handed to the fan selection. The run lives as
// long as the program: closing the window keeps it.
class PressureLossWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    // The columns, left to right.
    enum Column { LpColumn, NameColumn, FlowColumn, VelocityColumn, LengthColumn, DiameterColumn, ZetaColumn,
                  FrictionColumn, LocalColumn, AdditionalColumn, TotalColumn, ColumnCount };
    static constexpr int kShownRows = 7;

    explicit PressureLossWindow(Program& program, QWidget* parent = nullptr);

    // The chooser and the fitting dialog it works with; committed fittings come back here.
    void setDialogs(FittingChooser* chooser, FittingDialog* fitting);

    void applyLanguage(const LanguageTable& table) override;

    // The user's commands.
    void addFitting();
    void editSelectedFitting();
    void deleteSelectedFitting();
    void newRun();
    void openRun();
    void saveRun();
    void exportRun();
    void exportCsv();
    void sendTotalToFanSelection();
    void showHelp();

    // What the user sees, for the window tests.
    const DuctRun& run() const { return run_; }
    QString text(int shown_row, int column) const;
    QString totalText() const;
    void selectShownRow(int shown_row);
    QScrollBar* scrollBar() const { return scroll_; }
    QTableWidget* table() const { return table_; }
    QAction* action(const QString& object_name) const;

    // Where the exports go: the user's documents folder.
    static QString exportFolder();

signals:
    // "Do doboru wentylatora": the total's text for the fan selection's pressure field.
    void totalToFanSelection(const QString& total);

private:
    QMenuBar* buildMenu();
    QWidget* buildTable();
    QWidget* buildButtons();
    QAction* addAction(QMenu* menu, const char* name, const QString& caption, int line, void (PressureLossWindow::*command)(),
                       const QKeySequence& shortcut = {});
    void commitFitting(const FittingCommit& commit);
    void showRows();
    std::optional<int> selectedIndex() const;
    FileDialogRequest runFileRequest(const QString& filter) const;
    void showError(const std::exception& error);
    void showMessage(const QString& text);
    using ExportWriter = std::function<void(const std::filesystem::path&, std::span<const FittingRow>)>;
    // Writes an export into the export folder, says where, and opens it.
    void writeExport(std::string_view name, const ExportWriter& write);

    DuctRun run_;
    bool editing_ = false;
    int edited_index_ = 0;
    FittingChooser* chooser_ = nullptr;
    FittingDialog* fitting_ = nullptr;
    QTableWidget* table_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QLineEdit* total_ = nullptr;
    LanguageTexts texts_;
};

} // namespace kalvintera
