#include "core/details/energy_rows.h"

#include "core/selection/fan_result_row.h"
#include "core/text/rounding.h"

#include <cmath>

namespace kalvintera {
namespace {

enum Line {
    kDensityLine = 1232,
    kBestEfficiencyLine,
    kBestFlowLine,
    kFlowLine,
    kPressureLine,
    kEfficiencyLine,
    kPowerLine,
    kSfpLine,
    kSfpCategoryLine,
    kRatioLine,
    kStallLine,
    kYesLine,
    kNoLine,
    kYearlyEnergyLine,
    kYearlyCostLine,
};

class RowWriter {
public:
    RowWriter(const LanguageTable& language, NumberFormat numbers) : language_(language), numbers_(numbers) {}

    void add(int line, const std::string& value) { rows_.push_back({language_.line(line), value}); }
    // A number to `decimals` places with its unit in brackets, as the technical rows write it.
    void add(int line, double value, int decimals, const std::string& unit)
    {
        if (!std::isfinite(value)) return;
        add(line, FormatShortest(RoundHalfEven(value, decimals), numbers_) + " [" + unit + "]");
    }
    void addText(int line, const std::string& value, const std::string& unit) { add(line, value + " [" + unit + "]"); }

    std::vector<DetailsRow> take() { return std::move(rows_); }

private:
    const LanguageTable& language_;
    NumberFormat numbers_;
    std::vector<DetailsRow> rows_;
};

bool Powered(const OperatingPoint& point)
{
    return point.Efficiency > 0 && std::isfinite(point.Power);
}

} // namespace

OperatingPoint CharacteristicAt(const FanCharacteristic& fan, double flow_m3s)
{
    const int segment = fan.tabulated ? SegmentAt(fan.pressure_table, flow_m3s * 3600.0) : 1;
    return OperatingPointAt(fan, flow_m3s, segment);
}

DetailsEnergy ComputeDetailsEnergy(const FanCharacteristic& fan, FlowRange range, const std::optional<DutyPoint>& duty,
                                   const EnergySettings& settings)
{
    DetailsEnergy energy;
    energy.best = FindBestEfficiencyPoint(fan, range);
    energy.best_point = CharacteristicAt(fan, energy.best.flow_m3s);
    if (duty) {
        const OperatingPoint point = FindOperatingPoint(fan, range, SystemCoefficient(duty->flow_m3s, duty->pressure_pa));
        energy.point = point;
        energy.figures = ComputeEnergyFigures(fan, range, point, settings);
    }
    return energy;
}

std::vector<DetailsRow> EnergyDetailsRows(const DetailsEnergy& energy, const LanguageTable& language,
                                          const EnergyRowsFormat& format)
{
    const NumberFormat numbers = format.numbers;
    const std::string flow_unit = FlowUnitCaption(format.flow_unit);
    RowWriter rows(language, numbers);
    rows.add(kDensityLine, format.air_density, 3, "kg/m3");
    rows.add(kBestEfficiencyLine, energy.best.efficiency * 100.0, 1, "%");
    rows.addText(kBestFlowLine, OperatingFlowText(energy.best.flow_m3s, format.flow_unit, numbers), flow_unit);
    if (!energy.point || !energy.figures) return rows.take();

    const OperatingPoint& point = *energy.point;
    rows.addText(kFlowLine, OperatingFlowText(point.Flow, format.flow_unit, numbers), flow_unit);
    rows.addText(kPressureLine, OperatingPressureText(point.Pressure, format.pressure_unit, numbers),
                 PressureUnitCaption(format.pressure_unit));
    rows.add(kEfficiencyLine, point.Efficiency * 100.0, 1, "%");
    if (Powered(point)) rows.add(kPowerLine, point.Power, 1, "W");
    std::vector<DetailsRow> all = rows.take();
    for (DetailsRow& row : EnergyFigureRows(energy, language, format)) all.push_back(std::move(row));
    return all;
}

std::vector<DetailsRow> EnergyFigureRows(const DetailsEnergy& energy, const LanguageTable& language,
                                         const EnergyRowsFormat& format)
{
    RowWriter rows(language, format.numbers);
    if (!energy.point || !energy.figures) return rows.take();
    const EnergyFigures& figures = *energy.figures;
    // A fan without efficiency at its operating point has no power, and so no SFP or energy.
    const bool powered = Powered(*energy.point);
    if (powered) {
        rows.add(kSfpLine, figures.sfp, 0, "W/(m3/s)");
        rows.add(kSfpCategoryLine, "SFP " + std::to_string(figures.sfp_category));
    }
    rows.add(kRatioLine, figures.efficiency_ratio_pct, 1, "%");
    rows.add(kStallLine, language.line(figures.stall ? kYesLine : kNoLine));
    if (powered && format.yearly_figures) {
        rows.add(kYearlyEnergyLine, figures.annual_kwh, 0, "kWh/a");
        rows.add(kYearlyCostLine, figures.annual_cost, 2, format.currency);
    }
    return rows.take();
}

} // namespace kalvintera
