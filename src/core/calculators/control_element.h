#pragma once

#include "core/errors.h"
#include "core/text/number_format.h"

#include <string>

namespace kalvintera {

enum class DuctSection { Round, Rectangular };
enum class ControlElementType { Orifice, Damper };

struct ControlElementInput {
    double pressure_pa = 0;            // surplus pressure to be throttled
    double flow_m3h = 0;               // flow in the regulated circuit
    DuctSection section = DuctSection::Round;
    double diameter_or_side_a_mm = 0;  // the round duct's diameter, or side A of a rectangular one
    double side_b_mm = 0;              // rectangular duct only
    double density_kgm3 = 0;           // air density of the settings
};

// Language line of the message when the settings give no air density.
inline constexpr int kNoDensityLine = 1159;

// The largest values the calculator takes: more than any fan throttles, more air than any
// ventilation duct carries, the largest duct size of the fitting dialog's lists.
inline constexpr double kMaxThrottledPressurePa = 10000;
inline constexpr double kMaxControlFlowM3h = 1000000;
inline constexpr double kMaxControlDuctSizeMm = 8000;

// The first input that leaves the element without a solution: a pressure, flow or size of
// zero or less (the free area search would run past a fully open element), one above its
// largest value, or no air.
enum class ControlElementProblem {
    None,
    Pressure,
    Flow,
    Diameter,
    SideA,
    SideB,
    Density,
    PressureTooHigh,
    FlowTooHigh,
    DiameterTooLarge,
    SideATooLarge,
    SideBTooLarge,
};

ControlElementProblem CheckControlElementInput(const ControlElementInput& input);

// The message for a value above its largest one, naming it as typed: language line 1150
// with the value's symbol, the typed text and unit, and the range. Line 0 for the other
// problems, which have their own lines.
UserMessage ControlElementRangeMessage(ControlElementProblem problem, const std::string& typed, NumberFormat numbers);

struct ControlElementResult {
    double velocity_ms = 0;            // mean velocity in the duct
    double characteristic_size_m = 0;  // diameter, or hydraulic diameter of a rectangular duct
    double pressure_correction = 0;    // k
    double corrected_pressure_pa = 0;  // k · dp
    double loss_coefficient = 0;       // ζ the element must have
    double free_area_ratio = 0;        // m, 0 < m <= 1, shared by orifice and damper

    // Shown values, rounded to whole numbers (halves to the even neighbour).
    double orifice_diameter_mm = 0;    // round duct
    double orifice_side_a_mm = 0;      // rectangular duct: the opening keeps the duct's proportions
    double orifice_side_b_mm = 0;
    double damper_angle_deg = 0;       // either section
};

// The orifice and damper that absorb the pressure. DataError naming the input when
// CheckControlElementInput finds a problem.
ControlElementResult ComputeControlElement(const ControlElementInput& input);

// Smallest free area ratio m, in steps of 0.00001, whose orifice loss coefficient
// ((1 + 0.707·√(1 − m)) / m − 1)² is at most ζ; 1 (fully open) when none smaller is.
double FreeAreaRatio(double loss_coefficient);

// The texts the throttling on the pressure chart writes into the calculator: the pressure
// to throttle and the duty flow in m³/h, each rounded to one decimal.
struct ControlElementPrefill {
    std::string pressure_text;
    std::string flow_text;
};

ControlElementPrefill PrefillFromThrottling(double surplus_pressure_pa, double flow_m3s, NumberFormat numbers);

} // namespace kalvintera
