#pragma once

#include "core/humidair/chart_contents.h"
#include "core/humidair/chart_points.h"
#include "ui/common/program_dialog.h"

#include <map>

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace kalvintera {

// "DANE PUNKTU": a point from its X and t, typed; the other values follow at the chart
// pressure. Adds a point, or edits the chosen one. Keeps its texts between uses.
class PointDataDialog final : public ProgramDialog {
    Q_OBJECT
public:
    enum class Field { Name, Moisture, Temperature, Enthalpy, Density, Humidity, Vapour, DryAir, DewPoint, WetBulb };

    PointDataDialog(Program& program, ChartContents& contents, QWidget* parent = nullptr);

    // Both return whether a point was stored.
    bool addPoint(double barometric_pa);
    bool editPoint(std::size_t index, double barometric_pa);

    QLineEdit* field(Field which) const { return fields_.at(which); }
    QPushButton* okButton() const { return ok_; }

private:
    QLineEdit* addField(Field which, const char* name, const QString& label, const QString& unit, bool typed);
    PointDataTexts texts() const;
    void showTexts(const PointDataTexts& texts);
    void recompute(PointDataInput changed);
    void confirm();
    bool run();

    ChartContents& contents_;
    QGridLayout* grid_ = nullptr;
    std::map<Field, QLineEdit*> fields_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::optional<std::size_t> editing_;
    double barometric_pa_ = 101300;
};

} // namespace kalvintera
