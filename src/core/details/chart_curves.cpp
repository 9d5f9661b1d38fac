#include "core/details/chart_curves.h"

#include "core/errors.h"
#include "core/text/number_format.h"

#include <algorithm>
#include <cmath>

namespace kalvintera {
namespace {

// A stepping from `from` up to `to` must end: the range may take no more steps than any
// chart needs, and a step must still move the flow. Far enough from zero (above about
// 10^12 m³/s for these steps) adding a step leaves a double as it was, and a loop that
// waits for the flow to reach `to` would never end.
void CheckStepCount(double from, double to, double step)
{
    const auto range_text = [&] {
        return FormatShortest(from, NumberFormat::point()) + " … " + FormatShortest(to, NumberFormat::point());
    };
    if ((to - from) / step > static_cast<double>(kMaxOperatingPointSteps)) {
        throw DataError("The flow range " + range_text() + " m³/s is too wide to draw");
    }
    // The step is no power of two, so it moves every flow between the two ends when it moves both.
    if (from + step == from || to + step == to) {
        throw DataError("The flows " + range_text() + " m³/s are too large to draw");
    }
}

double PowerAt(const FanCharacteristic& fan, double flow_m3s, int segment)
{
    return ElectricPower(flow_m3s, FanPressure(fan, flow_m3s, segment), FanEfficiency(fan, flow_m3s, segment));
}

std::vector<CurveSample> SampledCurve(const CharacteristicCurves& c, const std::function<double(double)>& value)
{
    std::vector<CurveSample> points;
    ForEachFlowSample(c.range.min_m3s, c.range.max_m3s, kCurveStep, true,
                      [&](double v) { points.push_back({v * 3600.0, value(v)}); });
    return points;
}

} // namespace

void ForEachFlowSample(double from, double to, double step, bool first_always, const std::function<void(double)>& visit)
{
    CheckStepCount(from, to, step);
    double flow = from;
    if (!first_always && !(flow < to)) return;
    do {
        visit(flow);
        flow = flow + step;
    } while (flow < to);
}

std::vector<CurveSample> PressureCurve(const CharacteristicCurves& c)
{
    if (!c.fan.tabulated) {
        return SampledCurve(c, [&](double v) { return EvaluatePolynomial(c.fan.pressure_coef, v); });
    }
    std::vector<CurveSample> points;
    for (const CurvePoint& p : c.fan.pressure_table.table().points) points.push_back({p.X, p.Y});
    return points;
}

std::vector<CurveSample> PowerCurve(const CharacteristicCurves& c)
{
    if (!c.fan.tabulated) return SampledCurve(c, [&](double v) { return PowerAt(c.fan, v, 1); });
    const CurveTable& pressure = c.fan.pressure_table;
    const CurveTable& efficiency = c.fan.efficiency_table;
    // The line starts at the lower flow limit with the values of the first file line.
    std::vector<CurveSample> points{
        {c.range.min_m3s * 3600.0, ElectricPower(c.range.min_m3s, pressure.point(1).Y, efficiency.point(1).Y)}};
    for (int i = 1; i <= pressure.count(); ++i) {
        const double flow_m3h = pressure.point(i).X;
        points.push_back({flow_m3h, ElectricPower(flow_m3h / 3600.0, pressure.point(i).Y, efficiency.point(i).Y)});
    }
    return points;
}

std::vector<CurveSample> EfficiencyCurve(const CharacteristicCurves& c)
{
    if (!c.fan.tabulated) {
        return SampledCurve(c, [&](double v) { return 100.0 * EvaluatePolynomial(c.fan.efficiency_coef, v); });
    }
    std::vector<CurveSample> points;
    for (const CurvePoint& p : c.fan.efficiency_table.table().points) points.push_back({p.X, 100.0 * p.Y});
    return points;
}

std::vector<CurveSample> PolynomialCurve(const Polynomial4& pressure, double from_m3s, double to_m3s, bool first_always)
{
    std::vector<CurveSample> points;
    ForEachFlowSample(from_m3s, to_m3s, kCurveStep, first_always,
                      [&](double v) { points.push_back({v * 3600.0, EvaluatePolynomial(pressure, v)}); });
    return points;
}

double LargestPower(const CharacteristicCurves& c)
{
    CheckStepCount(c.range.min_m3s, c.range.max_m3s, kPowerSearchStep);
    double largest = 0;
    const auto consider = [&largest](double power) {
        if (std::isfinite(power)) largest = std::max(largest, power);
    };
    double flow = c.range.min_m3s;
    if (!c.fan.tabulated) {
        do {
            flow = flow + kPowerSearchStep;
            consider(PowerAt(c.fan, flow, 1));
        } while (flow < c.range.max_m3s);
        return largest;
    }
    const CurveTable& table = c.fan.pressure_table;
    while (flow * 3600.0 <= table.point(table.count()).X) {
        consider(PowerAt(c.fan, flow, SegmentAt(table, flow * 3600.0)));
        flow = flow + kPowerSearchStep;
        if (flow >= c.range.max_m3s) break;
    }
    return largest;
}

std::vector<PixelPoint> ToPixels(const CharacteristicScale& scale, const std::vector<CurveSample>& points)
{
    std::vector<PixelPoint> pixels;
    pixels.reserve(std::min<std::size_t>(points.size(), 4096));
    for (const CurveSample& p : points) {
        const PixelPoint pixel = scale.at(p.flow_m3h, p.value);
        if (pixels.empty() || !(pixels.back() == pixel)) pixels.push_back(pixel);
    }
    return pixels;
}

} // namespace kalvintera
