#pragma once

#include "ui/common/program_dialog.h"

#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;

namespace kalvintera {

// "DEFINICJA PUNKTU": the name of a point added by a click on the chart. The field keeps
// its text between uses; a name that is taken keeps the dialog open.
class PointNameDialog final : public ProgramDialog {
    Q_OBJECT
public:
    using NameTaken = std::function<bool(const std::string& name)>;

    PointNameDialog(Program& program, QWidget* parent = nullptr);

    // The accepted name (possibly empty); none when cancelled.
    std::optional<std::string> askName(NameTaken taken);

    QLineEdit* nameEdit() const { return name_; }
    QPushButton* okButton() const { return ok_; }

private:
    void confirm();

    QLineEdit* name_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    NameTaken taken_;
};

} // namespace kalvintera
