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
// The bounds are computed in plain double arithmetic and tracked with the size of the
// terms that made them; one widening at the end, far larger than every rounding of the
// scan's expression and of the bounds together (a few dozen roundings at most), makes the
// range safe.
struct Interval {
    double lo;
    double hi;
    double size; // the largest magnitude any term of the expression reached

    bool finite() const { return std::isfinite(lo) && std::isfinite(hi) && std::isfinite(size); }
    double magnitude() const { return std::max(std::fabs(lo), std::fabs(hi)); }
};

Interval operator*(Interval a, Interval b)
{
    const double p1 = a.lo * b.lo;
    const double p2 = a.lo * b.hi;
    const double p3 = a.hi * b.lo;
    const double p4 = a.hi * b.hi;
    const Interval product{std::min({p1, p2, p3, p4}), std::max({p1, p2, p3, p4}), 0};
    return {product.lo, product.hi, std::max({product.magnitude(), a.size * b.magnitude(), b.size * a.magnitude()})};
}

// A known number times a range: two products, not four.
Interval operator*(double c, Interval a)
{
    const double p1 = c * a.lo;
    const double p2 = c * a.hi;
    const double lo = std::min(p1, p2);
    const double hi = std::max(p1, p2);
    return {lo, hi, std::max({std::fabs(lo), std::fabs(hi), std::fabs(c) * a.size})};
}

Interval operator*(Interval a, double c) { return c * a; }

Interval operator+(Interval a, double c)
{
    const double lo = a.lo + c;
    const double hi = a.hi + c;
    return {lo, hi, std::max({std::fabs(lo), std::fabs(hi), a.size, std::fabs(c)})};
}

Interval operator+(Interval a, Interval b)
{
    const Interval sum{a.lo + b.lo, a.hi + b.hi, 0};
    return {sum.lo, sum.hi, std::max({sum.magnitude(), a.size, b.size})};
}


Interval operator/(Interval a, double c)
{
    const double q1 = a.lo / c;
    const double q2 = a.hi / c;
    return {std::min(q1, q2), std::max(q1, q2), a.size / std::fabs(c)};
}

Interval Widened(Interval a)
{
    const double margin = a.size * 1e-12 + 0x1p-1000;
    return {a.lo - margin, a.hi + margin, a.size};
}

// The fan pressure over a stretch of flows, following EvaluatePolynomial and
// InterpolateLinear operation by operation.
Interval FanPressureOver(const FanCharacteristic& fan, Interval flow, int segment)
{
    if (!fan.tabulated) {
        const Polynomial4& c = fan.pressure_coef;
        const Interval x2 = flow * flow;
        return Widened(((((c[0] * x2) * x2 + (c[1] * x2) * flow) + c[2] * x2) + c[3] * flow) + c[4]);
    }
    const CurvePoint& p1 = fan.pressure_table.point(segment);
    const CurvePoint& p2 = fan.pressure_table.point(segment + 1);
    const double run = p2.X - p1.X;
    const double rise = p2.Y - p1.Y;
    if (!(run > 0) || !std::isfinite(run) || !std::isfinite(rise)) return {NAN, NAN, NAN};
    // The quotient is divided by the computed run, which may be far below the terms that
    // made it; its size is carried in units of the quotient.
    const Interval offset = (flow * 3600.0) + (-p1.X);
    const Interval fraction = offset / run;
    return Widened((fraction * rise) + p1.Y);
}

// A step of the scan moves the flow by less than this, in m³/h (0.36 and rounding).
constexpr double kLargestStepM3h = 0.37;

// Tabulated fans: while the scan's segment keeps up with the flow (each segment entered
// as the flow passes its first point, never two points in one step), the fan pressure it
// computes lies between the points' pressures, and the system pressure is at most that at
// the last point's flow. The segment up to which no step can stop, starting in `segment`
// at m³/h `flow_m3h`; `segment` itself when none can be passed over this way.
int SegmentsPassedOver(const CurveTable& table, int segment, double k, double flow_m3h)
{
    const int last_point = table.count();
    if (!(k >= 0) || !(flow_m3h > table.point(segment).X) || !(flow_m3h <= table.point(segment + 1).X)) {
        return segment;
    }
    double lowest = table.point(segment).Y;
    double largest = std::fabs(lowest);
    int reached = segment;
    for (int end = segment + 1; end <= last_point - 1; ++end) {
        const CurvePoint& point = table.point(end);
        if (end > segment + 1 && !(point.X - table.point(end - 1).X > kLargestStepM3h)) break;
        lowest = std::min(lowest, point.Y);
        largest = std::max(largest, std::fabs(point.Y));
        const double flow_low = flow_m3h / 3600.0;
        const double flow_high = point.X / 3600.0;
        const double flow_squared = std::max(flow_low * flow_low, flow_high * flow_high);
        const double system_high = k * flow_squared * (1 + 1e-12) + 0x1p-1000;
        const double fan_low = lowest - largest * 1e-12 - 0x1p-1000;
        if (!std::isfinite(system_high) || !std::isfinite(fan_low) || !(system_high < fan_low)) break;
        reached = end;
    }
    return reached;
}

class FastScan {
public:
    FastScan(const FanCharacteristic& fan, const FlowSequence& flows, double k) : fan_(fan), flows_(flows), k_(k) {}

    // The first step in first … last at which the system curve reaches the fan curve, or -1.
    long long find(long long first, long long last, int segment) const
    {
        if (first > last) return -1;
        const long long guessed = guess(first, last, segment);
        return guessed >= 0 ? guessed : firstStop(first, last, segment);
    }

private:
    static constexpr long long kLeafSteps = 16;

    // Where the curves meet usually shows by halving the steps as if they met once: the
    // answer stands only when the stretch before the last few steps provably cannot stop.
    long long guess(long long first, long long last, int segment) const
    {
        if (!stops(flows_.at(last), segment)) return -1;
        long long low = first - 1; // stops nowhere up to here, as far as halving knows
        long long high = last;     // stops here
        while (high - low > 1) {
            const long long middle = low + (high - low) / 2;
            if (stops(flows_.at(middle), segment)) high = middle;
            else low = middle;
        }
        const long long window_start = std::max(first, high - kLeafSteps);
        if (window_start > first && !cannotStop(first, window_start - 1, segment)) return -1;
        for (long long step = window_start; step <= high; ++step) {
            if (stops(flows_.at(step), segment)) return step;
        }
        return -1;
    }

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

    // The scan's own test, as the scan writes it.
    bool stops(double flow, int segment) const
    {
        const double system_pressure = k_ * flow * flow;
        return system_pressure >= FanPressure(fan_, flow, segment);
    }

    bool cannotStop(long long first, long long last, int segment) const
    {
        const double low = flows_.at(first);
        const double high = flows_.at(last);
        const Interval flow{low, high, std::max(std::fabs(low), std::fabs(high))};
        const Interval system = Widened((k_ * flow) * flow);
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
    // No flow past the first one beyond FlowMax is ever looked at.
    const FlowSequence flows(range.min_m3s, kFlowStep, last_step + 1, range.max_m3s);
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
        if (fan.tabulated && segment + 1 < last_point) {
            const int landing = SegmentsPassedOver(fan.pressure_table, segment, k, flows.at(step) * 3600.0);
            if (landing > segment) {
                const double landing_x = fan.pressure_table.point(landing).X;
                const long long landing_step = flows.firstWhere(
                    [&](double flow) { return flow * 3600.0 > landing_x; }, step + 1, landing_x / 3600.0);
                // Passing over is only for stretches the scan goes through to their end:
                // the segment where it ends must be known.
                if (landing_step <= limit) {
                    step = landing_step;
                    segment = landing;
                    continue;
                }
            }
        }
        long long next_advance = flows.lastIndex() + 1;
        if (fan.tabulated && segment + 1 < last_point) {
            const double next_x = fan.pressure_table.point(segment + 1).X;
            next_advance = flows.firstWhere([&](double flow) { return flow * 3600.0 > next_x; }, step + 1,
                                            next_x / 3600.0);
        }
        const long long stretch_end = std::min(next_advance - 1, limit);
        const long long stop = scan.find(step, stretch_end, segment);
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
