#pragma once

#include "ui/common/program_dialog.h"

#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace kalvintera {

// "LISTA PUNKTÓW": chooses one of the chart's points by name.
class PointPicker final : public ProgramDialog {
    Q_OBJECT
public:
    explicit PointPicker(Program& program, QWidget* parent = nullptr);

    void setNames(const std::vector<std::string>& names);
    // The chosen name; none when cancelled or nothing was chosen.
    std::optional<QString> pick();

    QListWidget* list() const { return list_; }
    QPushButton* chooseButton() const { return choose_; }

private:
    void choose();

    QListWidget* list_ = nullptr;
    QPushButton* choose_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::optional<QString> chosen_;
};

} // namespace kalvintera
