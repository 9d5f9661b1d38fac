#pragma once

#include "core/catalogue/characteristic.h"
#include "core/details/chart_frame.h"

#include <functional>
#include <vector>

namespace kalvintera {

// A point of a chart curve: flow in m³/h and the chart's value.
struct CurveSample {
    double flow_m3h = 0;
    double value = 0;
};

// Calls visit(V) for V = from, from + step, … Stepping ends at the first V ≥ to; with
// `first_always` the value `from` is visited even when it already lies there. DataError
// when the range would take more steps than any chart needs, or its flows are too large
// for a step to change them.
void ForEachFlowSample(double from, double to, double step, bool first_always, const std::function<void(double)>& visit);

// Flow steps of the drawn curves and of the largest-power search, m³/s.
constexpr double kCurveStep = 0.0001;
constexpr double kPowerSearchStep = 0.001;

// Nel = V · dp / η in W.
inline double ElectricPower(double flow_m3s, double pressure_pa, double efficiency)
{
    return flow_m3s * pressure_pa / efficiency;
}

// A fan's characteristic with the flow range of its record.
struct CharacteristicCurves {
    FanCharacteristic fan;
    FlowRange range;
};

// The curve of each chart as points in file order (tabulated) or sampled from FlowMin in
// steps of kCurveStep up to FlowMax (polynomial).
std::vector<CurveSample> PressureCurve(const CharacteristicCurves& c);
std::vector<CurveSample> PowerCurve(const CharacteristicCurves& c);
std::vector<CurveSample> EfficiencyCurve(const CharacteristicCurves& c);

// A pressure polynomial sampled from `from` while V < to (the second polynomial of a fan with
// its accessory, and the accessory's own loss curve).
std::vector<CurveSample> PolynomialCurve(const Polynomial4& pressure, double from_m3s, double to_m3s, bool first_always);

// The highest power found stepping by kPowerSearchStep from FlowMin (0 when none is positive).
// DataError, as for ForEachFlowSample, when the stepping could not end.
double LargestPower(const CharacteristicCurves& c);

// The curve as a polyline of the chart, one point per pixel reached.
std::vector<PixelPoint> ToPixels(const CharacteristicScale& scale, const std::vector<CurveSample>& points);

} // namespace kalvintera
