#pragma once

#include "core/catalogue/curve_file.h"
#include "core/catalogue/polynomial.h"

namespace kalvintera {

// y1 + (x − x1) / (x2 − x1) · (y2 − y1); x may lie outside [x1, x2].
double InterpolateLinear(double x1, double y1, double x2, double y2, double x);

// A fan's pressure and efficiency as functions of the flow: two polynomials of V in m³/s,
// or two curve tables over m³/h read at the same point index.
struct FanCharacteristic {
    bool tabulated = false;
    Polynomial4 pressure_coef{};   // a4 … a0, Pa
    Polynomial4 efficiency_coef{}; // b4 … b0, fraction
    SharedCurveTable pressure_table;
    SharedCurveTable efficiency_table;
};

// Segments are 1-based: segment s lies between points s and s + 1 of the tables.
// Polynomial characteristics ignore it.
double FanPressure(const FanCharacteristic& fan, double flow_m3s, int segment);
double FanEfficiency(const FanCharacteristic& fan, double flow_m3s, int segment);

// The last point with X ≤ flow, searched upward from point 1 and kept within 1 … n − 1.
int SegmentAt(const CurveTable& table, double flow_m3h);

// Whether the fan gives at least the required pressure at the required flow.
bool ReachesDuty(const FanCharacteristic& fan, double flow_m3s, double pressure_pa);

// Step of the operating-point scan, m³/s (0.36 m³/h).
constexpr double kFlowStep = 0.0001;

// The scan is bounded: a flow range that would need more steps than this (200 m³/s, far
// beyond any fan) is refused as catalogue data error rather than left to run for hours.
constexpr long long kMaxOperatingPointSteps = 2'000'000;

struct FlowRange {
    double min_m3s = 0;
    double max_m3s = 0;
};

struct OperatingPoint {
    double Flow = 0;       // m³/s
    double Pressure = 0;   // Pa
    double Efficiency = 0; // fraction
    double Power = 0;      // W
    int Segment = 1;       // tabulated form: the segment of the last scan step
};

// System coefficient k of dp = k·V² through the duty point.
inline double SystemCoefficient(double flow_m3s, double pressure_pa) { return pressure_pa / (flow_m3s * flow_m3s); }

// Scans from FlowMin in steps of kFlowStep (the step added before the test) for the first
// flow at which the system curve k·V² reaches the fan curve; FlowMax when it never does.
// DataError when the range is upside down or wider than the step bound allows.
// Every step is evaluated: this is the definition FindOperatingPoint must agree with, bit
// for bit, and the reference its tests and benchmarks compare it to.
OperatingPoint FindOperatingPointByScan(const FanCharacteristic& fan, FlowRange range, double k);

// The same result as the scan (flow, pressure, efficiency, power and segment, bit for bit,
// and the same errors), without evaluating the characteristic at every step.
OperatingPoint FindOperatingPoint(const FanCharacteristic& fan, FlowRange range, double k);

// The checks both share: DataError for a range upside down or too wide to scan, or curve
// tables a scan cannot use.
void RequireScannable(const FanCharacteristic& fan, FlowRange range);

// The operating point's values at the scan's final flow and segment.
OperatingPoint OperatingPointAt(const FanCharacteristic& fan, double flow_m3s, int segment);

} // namespace kalvintera
