#include "core/calculators/control_element.h"

#include "core/errors.h"
#include "core/input_range.h"
#include "core/text/rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalvintera {
namespace {

constexpr double kFreeAreaStep = 0.00001;
constexpr long kFreeAreaSteps = 100000; // step × steps = 1: fully open
constexpr double kSideStep_m = 0.0001;

bool Positive(double value)
{
    return std::isfinite(value) && value > 0;
}

double OrificeLossCoefficient(double free_area_ratio)
{
    const double c = (1 + 0.707 * std::sqrt(1 - free_area_ratio)) / free_area_ratio - 1;
    return c * c;
}

// The opening of a rectangular duct grows from nothing in the duct's proportions, side B by
// 0.1 mm per step, until it reaches the area; counted in closed form so no size can make the
// growth take long.
void RectangularOpening(double area_m2, double side_a_m, double side_b_m, double& opening_a_m, double& opening_b_m)
{
    const double ratio = side_a_m / side_b_m;
    auto area_at = [&](long steps) {
        const double b = static_cast<double>(steps) * kSideStep_m;
        return (b * ratio) * b;
    };
    const double exact_steps = std::ceil(std::sqrt(area_m2 / ratio) / kSideStep_m);
    if (!(exact_steps < 1e12)) {
        // Kilometre-sized ducts: a tenth of a millimetre is no step any more.
        opening_b_m = std::sqrt(area_m2 / ratio);
        opening_a_m = opening_b_m * ratio;
        return;
    }
    long steps = std::max(1L, static_cast<long>(exact_steps));
    while (steps > 1 && area_at(steps - 1) >= area_m2) --steps;
    while (area_at(steps) < area_m2) ++steps;
    opening_b_m = static_cast<double>(steps) * kSideStep_m;
    opening_a_m = opening_b_m * ratio;
}

const char* ProblemText(ControlElementProblem problem)
{
    switch (problem) {
    case ControlElementProblem::Pressure: return "The pressure to throttle must be greater than 0";
    case ControlElementProblem::Flow: return "The flow must be greater than 0";
    case ControlElementProblem::Diameter: return "The duct diameter must be greater than 0";
    case ControlElementProblem::SideA: return "Side A of the duct must be greater than 0";
    case ControlElementProblem::SideB: return "Side B of the duct must be greater than 0";
    case ControlElementProblem::Density: return "The air density of the settings must be greater than 0";
    case ControlElementProblem::PressureTooHigh: return "The pressure to throttle is above its largest value";
    case ControlElementProblem::FlowTooHigh: return "The flow is above its largest value";
    case ControlElementProblem::DiameterTooLarge: return "The duct diameter is above its largest value";
    case ControlElementProblem::SideATooLarge: return "Side A of the duct is above its largest value";
    case ControlElementProblem::SideBTooLarge: return "Side B of the duct is above its largest value";
    case ControlElementProblem::None: break;
    }
    return "";
}

struct RangeOf {
    ControlElementProblem problem;
    const char* symbol;
    const char* unit;
    double largest;
};

constexpr RangeOf kRanges[] = {
    {ControlElementProblem::PressureTooHigh, "dp", "Pa", kMaxThrottledPressurePa},
    {ControlElementProblem::FlowTooHigh, "V", "m3/h", kMaxControlFlowM3h},
    {ControlElementProblem::DiameterTooLarge, "Φ", "mm", kMaxControlDuctSizeMm},
    {ControlElementProblem::SideATooLarge, "A", "mm", kMaxControlDuctSizeMm},
    {ControlElementProblem::SideBTooLarge, "B", "mm", kMaxControlDuctSizeMm},
};

} // namespace

ControlElementProblem CheckControlElementInput(const ControlElementInput& input)
{
    // A 1E308 mm duct or a pressure of a thousand atmospheres would give an answer that
    // looks like one (a damper at 90°); no fan, duct or damper is that large.
    if (!Positive(input.pressure_pa)) return ControlElementProblem::Pressure;
    if (input.pressure_pa > kMaxThrottledPressurePa) return ControlElementProblem::PressureTooHigh;
    if (!Positive(input.flow_m3h)) return ControlElementProblem::Flow;
    if (input.flow_m3h > kMaxControlFlowM3h) return ControlElementProblem::FlowTooHigh;
    if (input.section == DuctSection::Round) {
        if (!Positive(input.diameter_or_side_a_mm)) return ControlElementProblem::Diameter;
        if (input.diameter_or_side_a_mm > kMaxControlDuctSizeMm) return ControlElementProblem::DiameterTooLarge;
    } else {
        if (!Positive(input.diameter_or_side_a_mm)) return ControlElementProblem::SideA;
        if (input.diameter_or_side_a_mm > kMaxControlDuctSizeMm) return ControlElementProblem::SideATooLarge;
        if (!Positive(input.side_b_mm)) return ControlElementProblem::SideB;
        if (input.side_b_mm > kMaxControlDuctSizeMm) return ControlElementProblem::SideBTooLarge;
    }
    if (!Positive(input.density_kgm3)) return ControlElementProblem::Density;
    return ControlElementProblem::None;
}

UserMessage ControlElementRangeMessage(ControlElementProblem problem, const std::string& typed, NumberFormat numbers)
{
    for (const RangeOf& range : kRanges) {
        if (range.problem != problem) continue;
        return {message_line::kAboveLowUpToHigh,
                {range.symbol, WithUnit(typed, range.unit), WithUnit(FormatShortest(0, numbers), range.unit),
                 WithUnit(FormatShortest(range.largest, numbers), range.unit)}};
    }
    return {};
}

namespace {

// The calculator's own lines for missing or non-positive inputs, the range line for the others.
UserMessage ProblemMessage(ControlElementProblem problem, const ControlElementInput& input)
{
    const NumberFormat numbers = NumberFormat::point();
    switch (problem) {
    case ControlElementProblem::Pressure: return {501, {}};
    case ControlElementProblem::Flow: return {502, {}};
    case ControlElementProblem::Diameter: return {506, {}};
    case ControlElementProblem::SideA: return {507, {}};
    case ControlElementProblem::SideB: return {508, {}};
    case ControlElementProblem::Density: return {kNoDensityLine, {}};
    case ControlElementProblem::PressureTooHigh:
        return ControlElementRangeMessage(problem, FormatShortest(input.pressure_pa, numbers), numbers);
    case ControlElementProblem::FlowTooHigh:
        return ControlElementRangeMessage(problem, FormatShortest(input.flow_m3h, numbers), numbers);
    case ControlElementProblem::DiameterTooLarge:
    case ControlElementProblem::SideATooLarge:
        return ControlElementRangeMessage(problem, FormatShortest(input.diameter_or_side_a_mm, numbers), numbers);
    case ControlElementProblem::SideBTooLarge:
        return ControlElementRangeMessage(problem, FormatShortest(input.side_b_mm, numbers), numbers);
    case ControlElementProblem::None: break;
    }
    return {};
}

} // namespace

double FreeAreaRatio(double loss_coefficient)
{
    for (long step = 1; step < kFreeAreaSteps; ++step) {
        const double m = static_cast<double>(step) * kFreeAreaStep;
        if (OrificeLossCoefficient(m) <= loss_coefficient) return m;
    }
    return 1.0;
}

ControlElementResult ComputeControlElement(const ControlElementInput& input)
{
    const ControlElementProblem problem = CheckControlElementInput(input);
    if (problem != ControlElementProblem::None) throw DataError(ProblemText(problem), ProblemMessage(problem, input));

    const double pi = std::numbers::pi;
    const double flow_m3s = input.flow_m3h / 3600;
    const double a_m = input.diameter_or_side_a_mm / 1000;
    const double b_m = input.side_b_mm / 1000;

    ControlElementResult result;
    if (input.section == DuctSection::Round) {
        result.velocity_ms = flow_m3s * 4 / (pi * a_m * a_m);
        result.characteristic_size_m = a_m;
    } else {
        result.velocity_ms = flow_m3s / (a_m * b_m);
        result.characteristic_size_m = 2 * a_m * b_m / (a_m + b_m);
    }
    const double w = result.velocity_ms;
    const double x = pi * ((w * result.characteristic_size_m - 0.3) / 1.2 - 1);
    result.pressure_correction = 1.055 + 0.125 * std::cos(x);
    result.corrected_pressure_pa = result.pressure_correction * input.pressure_pa;
    result.loss_coefficient = 2 * result.corrected_pressure_pa / (input.density_kgm3 * w * w);
    const double m = FreeAreaRatio(result.loss_coefficient);
    result.free_area_ratio = m;

    if (input.section == DuctSection::Round) {
        const double area_m2 = pi / 4 * a_m * a_m * m;
        result.orifice_diameter_mm = RoundHalfEven(std::sqrt(4 * area_m2 / pi) * 1000, 0);
    } else {
        double opening_a_m = 0;
        double opening_b_m = 0;
        RectangularOpening(m * a_m * b_m, a_m, b_m, opening_a_m, opening_b_m);
        result.orifice_side_a_mm = RoundHalfEven(opening_a_m * 1000, 0);
        result.orifice_side_b_mm = RoundHalfEven(opening_b_m * 1000, 0);
    }
    result.damper_angle_deg = RoundHalfEven(std::asin(1 - m) * 360 / (2 * pi), 0);
    return result;
}

ControlElementPrefill PrefillFromThrottling(double surplus_pressure_pa, double flow_m3s, NumberFormat numbers)
{
    return {FormatShortest(RoundHalfEven(surplus_pressure_pa, 1), numbers),
            FormatShortest(RoundHalfEven(flow_m3s * 3600, 1), numbers)};
}

} // namespace kalvintera
