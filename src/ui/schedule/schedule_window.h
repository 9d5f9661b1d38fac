#pragma once

#include "core/schedule/schedule_file.h"
#include "core/schedule/schedule_selection.h"
#include "ui/common/language_texts.h"
#include "ui/common/program_dialog.h"

#include <QString>

#include <atomic>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;
class QThread;

namespace kalvintera {

class DatasheetExport;
class ScheduleModel;
class SelectionWindow;

// "ZESTAWIENIE WENTYLATORÓW": a whole schedule of duty points from a CSV file, each line
// selected as the selection window would, with its alternatives to choose from; added to the
// order at once, exported as CSV, XLSX and data sheets. The selection runs off the window's
// thread with a progress bar and a stop button, so the window stays responsive.
class ScheduleWindow final : public ProgramDialog, public Translatable {
    Q_OBJECT
public:
    explicit ScheduleWindow(Program& program, QWidget* parent = nullptr);
    ~ScheduleWindow() override;

    // The details of a line's fan read their duty point from the selection window.
    void setSelectionWindow(SelectionWindow* selection) { selection_ = selection; }

    // Asks for a schedule file and selects it.
    void openSchedule();
    // Reads and selects this file (what the open dialog leads to).
    void loadSchedule(const QString& file);
    // Selects the schedule read last again with the criteria shown.
    void select();
    void stop();
    bool running() const { return worker_ != nullptr; }

    void addAllToOrder();
    void exportCsv();
    void exportXlsx();
    void exportDatasheets();
    // The details window of a line's chosen fan at that line's duty point.
    void showDetails(int row);

    ScheduleModel* model() const { return model_; }
    QTableView* table() const { return table_; }
    QSortFilterProxyModel* sorted() const { return sorted_; }
    QLabel* status() const { return status_; }

    void applyLanguage(const LanguageTable& table) override;

signals:
    // A selection ended (also when it was stopped or failed).
    void selectionFinished();
    void detailsRequested();
    void orderLinesAdded();

protected:
    void done(int result) override;

private:
    ScheduleOptions options() const;
    void finishSelection();
    void setRunning(bool running);
    // The rows with a chosen fan, or a message when there are none.
    bool anyChosen() const;
    QString chooseFileToSave(int filter_line, const QString& suffix) const;
    // The opened file's name without its folder and suffix, for the names exports are offered under.
    QString scheduleName() const;
    void showInfo(const QString& text) const;
    QString line(int number) const;

    Program& program_;
    LanguageTexts texts_;
    SelectionWindow* selection_ = nullptr;
    DatasheetExport* datasheets_ = nullptr;

    QLabel* file_label_ = nullptr;
    QComboBox* ordering_ = nullptr;
    QSpinBox* alternatives_ = nullptr;
    QCheckBox* standard_ = nullptr;
    QPushButton* select_ = nullptr;
    QPushButton* stop_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QTableView* table_ = nullptr;
    ScheduleModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    std::vector<QPushButton*> result_buttons_;

    std::optional<ScheduleFile> schedule_;
    QThread* worker_ = nullptr;
    std::atomic<bool> cancel_{false};
    std::optional<std::vector<ScheduleRow>> selected_;
    QString error_;
};

} // namespace kalvintera
