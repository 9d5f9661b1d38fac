#include "core/catalogue/characteristic.h"

#include "core/errors.h"
#include "core/text/number_format.h"

#include <string>

namespace kalvintera {
namespace {

double ReadTable(const CurveTable& table, double flow_m3s, int segment)
{
    return InterpolateLinear(table.point(segment).X, table.point(segment).Y, table.point(segment + 1).X,
                             table.point(segment + 1).Y, flow_m3s * 3600.0);
}

} // namespace

double InterpolateLinear(double x1, double y1, double x2, double y2, double x)
{
    return y1 + (x - x1) / (x2 - x1) * (y2 - y1);
}

double FanPressure(const FanCharacteristic& fan, double flow_m3s, int segment)
{
    return fan.tabulated ? ReadTable(fan.pressure_table, flow_m3s, segment)
                         : EvaluatePolynomial(fan.pressure_coef, flow_m3s);
}

double FanEfficiency(const FanCharacteristic& fan, double flow_m3s, int segment)
{
    return fan.tabulated ? ReadTable(fan.efficiency_table, flow_m3s, segment)
                         : EvaluatePolynomial(fan.efficiency_coef, flow_m3s);
}

int SegmentAt(const CurveTable& table, double flow_m3h)
{
    int segment = 1;
    while (segment + 1 <= table.count() - 1 && table.point(segment + 1).X <= flow_m3h) ++segment;
    return segment;
}

bool ReachesDuty(const FanCharacteristic& fan, double flow_m3s, double pressure_pa)
{
    const int segment = fan.tabulated ? SegmentAt(fan.pressure_table, flow_m3s * 3600.0) : 1;
    return FanPressure(fan, flow_m3s, segment) >= pressure_pa;
}

void RequireScannable(const FanCharacteristic& fan, FlowRange range)
{
    if (!(range.min_m3s <= range.max_m3s)) {
        throw DataError("The flow range " + FormatShortest(range.min_m3s, NumberFormat::point()) + " … "
                        + FormatShortest(range.max_m3s, NumberFormat::point()) + " m³/s runs backwards");
    }
    if ((range.max_m3s - range.min_m3s) / kFlowStep > static_cast<double>(kMaxOperatingPointSteps)) {
        throw DataError("The flow range " + FormatShortest(range.min_m3s, NumberFormat::point()) + " … "
                        + FormatShortest(range.max_m3s, NumberFormat::point())
                        + " m³/s is too wide to scan for an operating point");
    }
    if (fan.tabulated && (fan.pressure_table.count() < 2 || fan.efficiency_table.count() != fan.pressure_table.count())) {
        throw DataError("The pressure and efficiency curve files of a fan must list the same flows");
    }
}

OperatingPoint OperatingPointAt(const FanCharacteristic& fan, double flow_m3s, int segment)
{
    OperatingPoint point;
    point.Flow = flow_m3s;
    point.Segment = segment;
    point.Efficiency = FanEfficiency(fan, flow_m3s, segment);
    point.Pressure = FanPressure(fan, flow_m3s, segment);
    point.Power = point.Pressure * flow_m3s / point.Efficiency;
    return point;
}

OperatingPoint FindOperatingPointByScan(const FanCharacteristic& fan, FlowRange range, double k)
{
    RequireScannable(fan, range);
    const int last_point = fan.tabulated ? fan.pressure_table.count() : 0;
    double flow = range.min_m3s;
    int segment = 1;
    // The bound on the loop itself only guards against rounding; the range check above is the real one.
    for (long long step = 0; step <= kMaxOperatingPointSteps + 1; ++step) {
        if (fan.tabulated && flow * 3600.0 > fan.pressure_table.point(segment + 1).X && segment + 1 < last_point) {
            ++segment;
        }
        const double system_pressure = k * flow * flow;
        const double fan_pressure = FanPressure(fan, flow, segment);
        flow = flow + kFlowStep;
        if (system_pressure >= fan_pressure) break;
        if (flow > range.max_m3s) break;
    }
    if (flow > range.max_m3s) flow = range.max_m3s;
    return OperatingPointAt(fan, flow, segment);
}

} // namespace kalvintera
