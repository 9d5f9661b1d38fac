#pragma once

#include "core/humidair/chart_contents.h"
#include "ui/common/program_dialog.h"

#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kalvintera {

class PointPicker;

// "DEFINICJA PRZEMIANY POWIETRZA": a process from its name and two points chosen from the
// chart's points. Adds a process, or edits the chosen one.
class ProcessDialog final : public ProgramDialog {
    Q_OBJECT
public:
    ProcessDialog(Program& program, ChartContents& contents, PointPicker& picker, QWidget* parent = nullptr);

    // Both return whether a process was stored.
    bool addProcess();
    bool editProcess(std::size_t index);

    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* firstEdit() const { return first_; }
    QLineEdit* secondEdit() const { return second_; }
    QPushButton* pickFirstButton() const { return pick_first_; }
    QPushButton* pickSecondButton() const { return pick_second_; }
    QCheckBox* drawLineBox() const { return draw_line_; }
    QPushButton* okButton() const { return ok_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void pickInto(QLineEdit* field);
    void confirm();
    bool run();

    ChartContents& contents_;
    PointPicker& picker_;
    QLineEdit* name_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
    QPushButton* pick_first_ = nullptr;
    QPushButton* pick_second_ = nullptr;
    QCheckBox* draw_line_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::optional<std::size_t> editing_;
};

} // namespace kalvintera
