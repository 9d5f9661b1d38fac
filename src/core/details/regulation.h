#pragma once

#include "core/details/chart_curves.h"
#include "core/details/throttling_values.h"
#include "core/selection/duty_point.h"

#include <string>

namespace kalvintera {

// The fan slowed (or sped up) from n to n′ so that its characteristic passes through the
// duty flow: every point (V, dp) moves to (r·V, r²·dp), r = n′ / n.
struct SpeedChange {
    long long speed_rpm = 0;
    long long new_speed_rpm = 0;
    double ratio = 1;
    double flow_m3s = 0;    // the transposed operating point
    double pressure_pa = 0;
};

// n′ = n · Vd / Vop to the nearest whole turn (halves to even). DataError for a speed or an
// operating flow that is not positive, or a new speed too large for a number.
long long TransposedSpeed(long long speed_rpm, double duty_flow_m3s, double operating_flow_m3s);

// The operating point as the pressure chart marks it, for the regulations to start from.
struct MarkedOperatingPoint {
    double flow_m3s = 0;
    double pressure_pa = 0;
};

struct RegulationInput {
    const CharacteristicCurves& characteristic;
    DutyPoint duty;
    double curve_end_pa = 0; // system curves are drawn until they reach this pressure
    NumberFormat numbers;
};

// The throttled system curve through the fan curve at the duty flow, its marker, and the
// surplus pressure above the duty pressure.
ThrottlingValues DrawThrottling(DisplayList& picture, const CharacteristicScale& scale, const RegulationInput& input);

// The transposed characteristic and its operating point.
SpeedChange DrawSpeedChange(DisplayList& picture, const CharacteristicScale& scale, const RegulationInput& input,
                            MarkedOperatingPoint operating, long long speed_rpm);

// A system curve dp = k·V² from V = 0 in steps of `step` (in the unit k is given for,
// `to_m3h` converting that unit to m³/h), up to the first point at or above `end_pa`. It
// stops past the right edge of the picture as well: nothing more of it could be seen, and
// a curve that never rises (a zero pressure) still ends. DataError when it would take more
// steps than any fan's chart (ranges far beyond a fan's).
std::vector<PixelPoint> SystemCurvePixels(const CharacteristicScale& scale, double k, double step, double to_m3h, double end_pa);

// The rows of the transposed parameters window, each to one decimal but the speed.
struct TransposedParameters {
    std::string flow_m3h;
    std::string pressure_pa;
    std::string power_w;
    std::string sound_level_db; // empty when the record gives no sound level
    std::string speed_rpm;
};

// Power r³ · the candidate's power; sound level L + 50·log10 r. ConversionError when the
// record's sound level is not a number.
TransposedParameters TransposedParameterTexts(const SpeedChange& change, double candidate_power_w,
                                              const std::string& sound_level_text, NumberFormat numbers);

} // namespace kalvintera
