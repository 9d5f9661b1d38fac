// The operating point without evaluating every step of the scan: the same steps are
// visited in thought, and only where the fan and system curves may meet are they evaluated
// as the scan evaluates them. A stretch of steps is passed over only when interval
// arithmetic, widened to cover every rounding of the scan's own expressions, proves that
// no step in it can stop the scan.

#include "core/catalogue/characteristic.h"
#include "core/catalogue/flow_sequence.h"

#include <algorithm>
#include <cmath>

namespace kalvintera {
namespace {

// A closed range of doubles holding the value the scan computes at any flow of a stretch.
struct Interval {
    double lo;
    double hi;

    bool finite() const { return std::isfinite(lo) && std::isfinite(hi); }
};

// Outward by far more than one rounding of the operation and of the bounds themselves.
Interval Widened(double a, double b)
{
    const double lo = std::min(a, b);
    const double hi = std::max(a, b);
    const double margin = std::max(std::fabs(lo), std::fabs(hi)) * 0x1p-50 + 0x1p-1000;
    return {lo - margin, hi + margin};
}

Interval operator*(Interval a, Interval b)
{
    const double p1 = a.lo * b.lo;
    const double p2 = a.lo * b.hi;
    const double p3 = a.hi * b.lo;
    const double p4 = a.hi * b.hi;
    return Widened(std::min({p1, p2, p3, p4}), std::max({p1, p2, p3, p4}));
}

Interval operator*(double c, Interval a) { return Widened(c * a.lo, c * a.hi); }
Interval operator*(Interval a, double c) { return Widened(a.lo * c, a.hi * c); }
Interval operator+(Interval a, Interval b) { return Widened(a.lo + b.lo, a.hi + b.hi); }
Interval operator+(Interval a, double c) { return Widened(a.lo + c, a.hi + c); }
Interval operator+(double c, Interval a) { return Widened(c + a.lo, c + a.hi); }
Interval operator-(Interval a, double c) { return Widened(a.lo - c, a.hi - c); }
Interval operator/(Interval a, double c) { return Widened(a.lo / c, a.hi / c); }

// The fan pressure over a stretch of flows, following EvaluatePolynomial and
// InterpolateLinear operation by operation.
Interval FanPressureOver(const FanCharacteristic& fan, Interval flow, int segment)
{
    if (!fan.tabulated) {
        const Polynomial4& c = fan.pressure_coef;
        const Interval x2 = flow * flow;
        return ((((c[0] * x2) * x2 + (c[1] * x2) * flow) + c[2] * x2) + c[3] * flow) + c[4];
    }
    const CurvePoint& p1 = fan.pressure_table.point(segment);
    const CurvePoint& p2 = fan.pressure_table.point(segment + 1);
    const double run = p2.X - p1.X;
    const double rise = p2.Y - p1.Y;
    if (!(run > 0) || !std::isfinite(run) || !std::isfinite(rise)) return {NAN, NAN};
    return p1.Y + ((((flow * 3600.0) - p1.X) / run) * rise);
}

class FastScan {
public:
    FastScan(const FanCharacteristic& fan, const FlowSequence& flows, double k) : fan_(fan), flows_(flows), k_(k) {}

    // The first step in first … last at which the system curve reaches the fan curve, or -1.
    long long firstStop(long long first, long long last, int segment) const
    {
        if (first > last) return -1;
        if (last - first < kLeafSteps) {
            for (long long step = first; step <= last; ++step) {
                if (stops(flows_.at(step), segment)) return step;
            }
            return -1;
        }
        if (cannotStop(first, last, segment)) return -1;
        const long long middle = first + (last - first) / 2;
        const long long found = firstStop(first, middle, segment);
        return found >= 0 ? found : firstStop(middle + 1, last, segment);
    }

private:
    static constexpr long long kLeafSteps = 16;

    // The scan's own test, as the scan writes it.
    bool stops(double flow, int segment) const
    {
        const double system_pressure = k_ * flow * flow;
        return system_pressure >= FanPressure(fan_, flow, segment);
    }

    bool cannotStop(long long first, long long last, int segment) const
    {
        const Interval flow{flows_.at(first), flows_.at(last)};
        const Interval system = (k_ * flow) * flow;
        const Interval fan = FanPressureOver(fan_, flow, segment);
        return system.finite() && fan.finite() && system.hi < fan.lo;
    }

    const FanCharacteristic& fan_;
    const FlowSequence& flows_;
    double k_;
};

} // namespace

OperatingPoint FindOperatingPoint(const FanCharacteristic& fan, FlowRange range, double k)
{
    RequireScannable(fan, range);
    // The scan's steps are 0 … last_step; step i tests flow i and moves on to flow i + 1.
    const long long last_step = kMaxOperatingPointSteps + 1;
    const FlowSequence flows(range.min_m3s, kFlowStep, last_step + 1);
    if (!flows.usable()) return FindOperatingPointByScan(fan, range, k);

    // The step after which the next flow lies beyond FlowMax ends the scan at the latest.
    const long long beyond_max =
        flows.firstWhere([&](double flow) { return flow > range.max_m3s; }, 1, range.max_m3s);
    const long long limit = std::min(beyond_max - 1, last_step);

    // Tabulated fans: the segment moves on by at most one point per step, so it can lag
    // behind the flow; each stretch of one segment is searched on its own.
    const int last_point = fan.tabulated ? fan.pressure_table.count() : 0;
    const auto segment_advances = [&](double flow, int segment) {
        return fan.tabulated && flow * 3600.0 > fan.pressure_table.point(segment + 1).X && segment + 1 < last_point;
    };
    const FastScan scan(fan, flows, k);
    int segment = segment_advances(flows.at(0), 1) ? 2 : 1;
    long long step = 0;
    long long final_step = limit;
    while (true) {
        long long next_advance = flows.lastIndex() + 1;
        if (fan.tabulated && segment + 1 < last_point) {
            const double next_x = fan.pressure_table.point(segment + 1).X;
            next_advance = flows.firstWhere([&](double flow) { return flow * 3600.0 > next_x; }, step + 1,
                                            next_x / 3600.0);
        }
        const long long stretch_end = std::min(next_advance - 1, limit);
        const long long stop = scan.firstStop(step, stretch_end, segment);
        if (stop >= 0) {
            final_step = stop;
            break;
        }
        if (stretch_end >= limit) break;
        step = next_advance;
        ++segment;
    }
    double flow = flows.at(final_step + 1);
    if (flow > range.max_m3s) flow = range.max_m3s;
    return OperatingPointAt(fan, flow, segment);
}

} // namespace kalvintera
