#include "core/selection/energy_figures.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kalvintera {
namespace {

constexpr int kEfficiencySamples = 200; // a quartic has at most two peaks: enough to find the right one
constexpr int kMaxRefinements = 100;

double EfficiencyAt(const FanCharacteristic& fan, double flow_m3s)
{
    const int segment = fan.tabulated ? SegmentAt(fan.efficiency_table, flow_m3s * 3600.0) : 1;
    return FanEfficiency(fan, flow_m3s, segment);
}

void Take(BestEfficiencyPoint& best, double flow_m3s, double efficiency)
{
    if (std::isfinite(efficiency) && efficiency > best.efficiency) best = {efficiency, flow_m3s};
}

void Consider(BestEfficiencyPoint& best, const FanCharacteristic& fan, double flow_m3s)
{
    Take(best, flow_m3s, EfficiencyAt(fan, flow_m3s));
}

} // namespace

double SpecificFanPower(double power_w, double flow_m3s) { return flow_m3s > 0 ? power_w / flow_m3s : 0; }

int SpecificFanPowerCategory(double sfp)
{
    static constexpr std::array<double, 6> kUpperLimits = {500, 750, 1250, 2000, 3000, 4500};
    for (std::size_t i = 0; i < kUpperLimits.size(); ++i) {
        if (sfp <= kUpperLimits[i]) return static_cast<int>(i) + 1;
    }
    return 7;
}

BestEfficiencyPoint FindBestEfficiencyPoint(const FanCharacteristic& fan, FlowRange range)
{
    BestEfficiencyPoint best{-INFINITY, range.min_m3s};
    const double low = range.min_m3s;
    const double high = range.max_m3s;
    if (!(low <= high) || !std::isfinite(low) || !std::isfinite(high)) return {0, low};
    // A tabulated efficiency is straight between its points: its largest value is at a point
    // or at an end of the range.
    if (fan.tabulated) {
        Consider(best, fan, low);
        Consider(best, fan, high);
        for (const CurvePoint& p : fan.efficiency_table.table().points) {
            const double flow = p.X / 3600.0;
            if (low <= flow && flow <= high) Consider(best, fan, flow);
        }
        return std::isfinite(best.efficiency) ? best : BestEfficiencyPoint{0, low};
    }
    // A polynomial: the best of an even sampling, then narrowed down around it (golden
    // section) until the efficiency changes by less than the tolerance; bounded.
    const double width = (high - low) / kEfficiencySamples;
    int best_sample = 0;
    for (int i = 0; i <= kEfficiencySamples; ++i) {
        const double flow = i == kEfficiencySamples ? high : low + width * i;
        const double before = best.efficiency;
        Consider(best, fan, flow);
        if (best.efficiency != before) best_sample = i;
    }
    if (!std::isfinite(best.efficiency)) return {0, low};
    double a = std::max(low, low + width * (best_sample - 1));
    double b = std::min(high, low + width * (best_sample + 1));
    // Golden section: each round keeps 0.618 of the stretch and evaluates one new point. It
    // stops when the stretch is a millionth of a sample's width (far below 0.01 percentage
    // points for any fan) or after a bounded number of rounds.
    const double golden = (std::sqrt(5.0) - 1) / 2;
    const double enough = width * 1e-6;
    double c = b - golden * (b - a);
    double d = a + golden * (b - a);
    double ec = EfficiencyAt(fan, c);
    double ed = EfficiencyAt(fan, d);
    Take(best, c, ec);
    Take(best, d, ed);
    for (int i = 0; i < kMaxRefinements && b - a > enough; ++i) {
        if (ec >= ed) {
            b = d;
            d = c;
            ed = ec;
            c = b - golden * (b - a);
            ec = EfficiencyAt(fan, c);
            Take(best, c, ec);
        } else {
            a = c;
            c = d;
            ec = ed;
            d = a + golden * (b - a);
            ed = EfficiencyAt(fan, d);
            Take(best, d, ed);
        }
    }
    return best;
}

double EfficiencyRatioPercent(double operating_efficiency, double best_efficiency)
{
    return best_efficiency > 0 ? operating_efficiency / best_efficiency * 100.0 : 0;
}

bool InStallRegion(const FanCharacteristic& fan, const OperatingPoint& point)
{
    if (fan.tabulated) {
        const SharedCurveTable& table = fan.pressure_table;
        if (table.count() < 2) return false;
        const int segment = std::clamp(point.Segment, 1, table.count() - 1);
        return table.point(segment + 1).Y > table.point(segment).Y;
    }
    // dp/dV of a4·V⁴ + a3·V³ + a2·V² + a1·V + a0.
    const Polynomial4& c = fan.pressure_coef;
    const double v = point.Flow;
    const double slope = 4 * c[0] * v * v * v + 3 * c[1] * v * v + 2 * c[2] * v + c[3];
    return slope > 0;
}

double AnnualEnergyKwh(double power_w, double hours_per_year) { return power_w * hours_per_year / 1000.0; }

double AnnualCost(double energy_kwh, double price_per_kwh) { return energy_kwh * price_per_kwh; }

FanCharacteristic ForAirDensity(const FanCharacteristic& fan, double density_kg_m3)
{
    if (density_kg_m3 == kCatalogueAirDensity) return fan;
    const double ratio = density_kg_m3 / kCatalogueAirDensity;
    FanCharacteristic scaled = fan;
    if (fan.tabulated) {
        CurveTable pressure = fan.pressure_table.table();
        for (CurvePoint& p : pressure.points) p.Y *= ratio;
        scaled.pressure_table = std::move(pressure);
    } else {
        for (double& c : scaled.pressure_coef) c *= ratio;
    }
    return scaled;
}

EnergyFigures ComputeEnergyFigures(const FanCharacteristic& fan, FlowRange range, const OperatingPoint& point,
                                   const EnergySettings& settings)
{
    EnergyFigures figures;
    figures.sfp = SpecificFanPower(point.Power, point.Flow);
    figures.sfp_category = SpecificFanPowerCategory(figures.sfp);
    figures.best = FindBestEfficiencyPoint(fan, range);
    figures.efficiency_ratio_pct = EfficiencyRatioPercent(point.Efficiency, figures.best.efficiency);
    figures.stall = InStallRegion(fan, point);
    figures.annual_kwh = AnnualEnergyKwh(point.Power, settings.hours_per_year);
    figures.annual_cost = AnnualCost(figures.annual_kwh, settings.price_per_kwh);
    return figures;
}

} // namespace kalvintera
