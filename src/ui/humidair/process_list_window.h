#pragma once

#include "core/humidair/chart_contents.h"
#include "ui/common/program_dialog.h"

#include <functional>

class QTableWidget;
class QPushButton;

namespace kalvintera {

class ProcessDialog;

// "LISTA PRZEMIAN": every process with its points, its heat at the air flow of the chart
// settings, and whether its line is drawn. Processes cannot be deleted.
class ProcessListWindow final : public ProgramDialog {
    Q_OBJECT
public:
    enum Column { NameColumn, FirstColumn, SecondColumn, HeatColumn, LineColumn };

    // `air_flow_text` gives the text of "ILOŚĆ POWIETRZA" at the moment of use.
    ProcessListWindow(Program& program, ChartContents& contents, ProcessDialog& dialog,
                      std::function<QString()> air_flow_text, QWidget* parent = nullptr);

    // Fills the columns from the processes; then the chart is redrawn.
    void rebuild();
    // "DEFINIUJ PRZEMIANĘ": refused with a message when the chart has 50 processes.
    void defineProcess();

    QTableWidget* table() const { return table_; }
    QPushButton* defineButton() const { return define_; }
    // The chosen process, 1-based.
    int selectedProcess() const { return selected_; }

signals:
    void chartChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void editProcess(int row);

    ChartContents& contents_;
    ProcessDialog& dialog_;
    std::function<QString()> air_flow_text_;
    QTableWidget* table_ = nullptr;
    QPushButton* define_ = nullptr;
    QPushButton* close_ = nullptr;
    int selected_ = 0;
    bool filling_ = false;
};

// The message when no process can be added any more.
QString ProcessesFullMessage(const Program& program);

} // namespace kalvintera
