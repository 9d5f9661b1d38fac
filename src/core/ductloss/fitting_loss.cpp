#include "core/ductloss/fitting_loss.h"

#include "core/ductloss/fitting_kind.h"
#include "core/ductloss/loss_tables.h"
#include "core/errors.h"
#include "core/input_range.h"
#include "core/message_lines.h"
#include "core/text/rounding.h"
#include "core/text/number_format.h"

#include <cmath>
#include <numbers>
#include <string>

namespace kalvintera {
namespace {

// The handbook's velocity formula for round ducts takes π to four decimals.
constexpr double kVelocityPi = 3.1415;
// The round reducer's areas use π/4 as printed in the handbook.
constexpr double kReducerQuarterPi = 0.785375;
constexpr double kFrictionStep = 0.00001;

std::string Number(double value) { return FormatShortest(value, NumberFormat::point()); }

UserMessage TooRough(double roughness_m, double hydraulic_diameter_m)
{
    return {kTooRoughLine,
            {WithUnit(Number(roughness_m * 1000.0), "mm"), WithUnit(Number(RoundHalfEven(hydraulic_diameter_m * 1000.0, 1)), "mm")}};
}

double RoundVelocity(double flow_m3h, double diameter_m)
{
    return 4.0 * flow_m3h / (kVelocityPi * (diameter_m * diameter_m) * 3600.0);
}

double Square(double value) { return value * value; }

// Sizes and lengths are checked in m and named in mm, as the dialog takes them.
struct Checked {
    const char* name;   // for the English text
    const char* symbol; // for the user's message
    const char* unit;
    double to_unit;     // factor from the formula's unit to the shown one
};

constexpr Checked kFlow{"air flow V", "V", "m3/h", 1};
constexpr Checked kBranchFlow{"branch flow Vo", "Vo", "m3/h", 1};
constexpr Checked kD1{"diameter D1", "Φ1", "mm", 1000};
constexpr Checked kD2{"diameter D2", "Φ2", "mm", 1000};
constexpr Checked kSideA{"side A", "A", "mm", 1000};
constexpr Checked kSideB{"side B", "B", "mm", 1000};
constexpr Checked kSideC{"side C", "C", "mm", 1000};
constexpr Checked kSideD{"side D", "D", "mm", 1000};
constexpr Checked kLength{"length L", "L", "mm", 1000};
constexpr Checked kRadius{"radius r", "r", "mm", 1000};
constexpr Checked kOffset{"offset e", "e", "mm", 1000};
constexpr Checked kRoughness{"roughness k", "k", "mm", 1000};

UserMessage MessageAbout(int line, const Checked& what, double value)
{
    return {line, {what.symbol, WithUnit(Number(value * what.to_unit), what.unit)}};
}

void RequirePositive(double value, const Checked& what)
{
    if (!(value > 0) || !std::isfinite(value)) {
        throw DataError(std::string("The ") + what.name + " of the fitting must be greater than zero (it is "
                            + Number(value * what.to_unit) + " " + what.unit + ").",
                        MessageAbout(message_line::kAboveZero, what, value));
    }
}

void RequireNotNegative(double value, const Checked& what)
{
    if (!(value >= 0) || !std::isfinite(value)) {
        throw DataError(std::string("The ") + what.name + " of the fitting must not be negative (it is "
                            + Number(value * what.to_unit) + " " + what.unit + ").",
                        MessageAbout(message_line::kNotNegative, what, value));
    }
}

// The sizes each kind divides by must be above zero, and no size may be negative: either
// would give a division fault or a loss that means nothing.
void CheckInput(const FittingInput& in)
{
    const unsigned inputs = FittingKindOf(in.kind).inputs;
    RequirePositive(in.flow_m3h, kFlow);
    if (inputs & kInputD1) RequirePositive(in.d1_m, kD1);
    if (inputs & kInputD2) RequirePositive(in.d2_m, kD2);
    if (inputs & kInputA) RequirePositive(in.a_m, kSideA);
    if (inputs & kInputB) RequirePositive(in.b_m, kSideB);
    if (inputs & kInputC) RequirePositive(in.c_m, kSideC);
    if (inputs & kInputD) RequirePositive(in.d_m, kSideD);
    if (IsOffsetKind(in.kind)) RequirePositive(in.length_m, kLength);
    if (inputs & kInputLength) RequireNotNegative(in.length_m, kLength);
    if (inputs & kInputRadius) RequireNotNegative(in.radius_m, kRadius);
    if (inputs & kInputOffset) RequireNotNegative(in.offset_m, kOffset);
    if (inputs & kInputBranchFlow) RequireNotNegative(in.branch_flow_m3h, kBranchFlow);
    RequireNotNegative(in.roughness_m, kRoughness);
    if (!std::isfinite(in.angle_deg)) {
        throw DataError("The angle of the fitting is not a number.", {message_line::kBadData, {}});
    }
    if (!std::isfinite(in.additional_loss_pa)) {
        throw DataError("The additional loss of the fitting is not a number.", {message_line::kBadData, {}});
    }
}

double RoundElbowCoefficient(const FittingInput& in, double reynolds)
{
    const double angle = BendAngleFactor().at(in.angle_deg);
    const double radius_ratio = in.radius_m / in.d1_m;
    switch (in.round_elbow_type) {
    case 1: return MitreElbowTable().at(in.angle_deg) * MitreReynoldsFactor().at(reynolds);
    case 2: return SegmentedBendTable(5).at(radius_ratio) * angle;
    case 3: return SegmentedBendTable(4).at(radius_ratio) * angle;
    case 4: return SegmentedBendTable(3).at(radius_ratio) * angle;
    default: return SmoothBendTable().at(radius_ratio) * angle;
    }
}

double RectElbowCoefficient(const FittingInput& in, double reynolds)
{
    const double side_ratio = in.b_m / in.a_m;
    if (in.rect_elbow_type == 1) {
        return BilinearLookup(side_ratio, in.angle_deg, RectMitreTable()) * MitreReynoldsFactor().at(reynolds);
    }
    const double radius_ratio = in.radius_m / in.a_m;
    return BendAngleFactor().at(in.angle_deg) * BilinearLookup(reynolds, radius_ratio, RectBendReynoldsFactor())
           * BilinearLookup(side_ratio, radius_ratio, RectBendTable());
}

double TeeCoefficient(const FittingInput& in, const FittingVelocityResult& v)
{
    // Rectangular tees work in m³/s; only the flows' ratios matter.
    const double unit = IsRoundKind(in.kind) ? 1.0 : 3600.0;
    const TeeCoefficients tee =
        TeeLossCoefficients({in.flow_m3h / unit, in.branch_flow_m3h / unit, v.dh1_m, v.dh2_m, in.angle_deg, in.tee_flow});
    return in.tee_path == TeePath::Branch ? tee.branch : tee.passage;
}

} // namespace

FittingVelocityResult FittingVelocities(const FittingInput& in)
{
    FittingVelocityResult v;
    if (IsRoundKind(in.kind)) {
        v.dh1_m = in.d1_m;
        v.w1_ms = RoundVelocity(in.flow_m3h, in.d1_m);
        if (HasOutlet(in.kind)) {
            v.dh2_m = in.d2_m;
            v.w2_ms = RoundVelocity(IsTeeKind(in.kind) ? in.branch_flow_m3h : in.flow_m3h, in.d2_m);
        }
    } else {
        const double flow_m3s = in.flow_m3h / 3600.0;
        v.dh1_m = 2.0 * in.a_m * in.b_m / (in.a_m + in.b_m);
        v.w1_ms = flow_m3s / (in.a_m * in.b_m);
        if (HasOutlet(in.kind)) {
            v.dh2_m = 2.0 * in.c_m * in.d_m / (in.c_m + in.d_m);
            const double outlet_flow_m3s = IsTeeKind(in.kind) ? in.branch_flow_m3h / 3600.0 : flow_m3s;
            v.w2_ms = outlet_flow_m3s / (in.c_m * in.d_m);
        }
    }
    return v;
}

FrictionSearch SearchFrictionFactor(double reynolds, double roughness_m, double hydraulic_diameter_m)
{
    if (!(reynolds > 0) || !std::isfinite(reynolds)) {
        throw DataError("No friction factor for a Reynolds number of " + Number(reynolds)
                            + ": the air must flow (check the flow and the sizes).",
                        {kNoFrictionFactorLine, {Number(reynolds)}});
    }
    const double relative_roughness = 0.27 * roughness_m / hydraulic_diameter_m;
    if (!(relative_roughness >= 0) || !(relative_roughness < 1) || !std::isfinite(relative_roughness)) {
        throw DataError("The roughness k = " + Number(roughness_m * 1000.0) + " mm is too large for a duct of "
                            + Number(hydraulic_diameter_m * 1000.0)
                            + " mm: it must stay below the diameter divided by 0.27.",
                        TooRough(roughness_m, hydraulic_diameter_m));
    }
    FrictionSearch search;
    do {
        if (search.steps == kMaxFrictionSteps) {
            throw DataError("No friction factor below " + Number(search.lambda) + " fits Re = " + Number(reynolds)
                                + " and k = " + Number(roughness_m * 1000.0) + " mm.",
                            TooRough(roughness_m, hydraulic_diameter_m));
        }
        search.lambda += kFrictionStep;
        ++search.steps;
    } while (!(1.0 / std::sqrt(search.lambda)
               < -2.0 * std::log10(2.51 / (std::sqrt(search.lambda) * reynolds) + relative_roughness)));
    return search;
}

double FrictionFactor(double reynolds, double roughness_m, double hydraulic_diameter_m)
{
    return SearchFrictionFactor(reynolds, roughness_m, hydraulic_diameter_m).lambda;
}

TeeCoefficients TeeLossCoefficients(const TeeInput& in)
{
    const double alpha = in.angle_deg * 2.0 * std::numbers::pi / 360.0;
    const double a1 = std::numbers::pi / 4.0 * Square(in.dh1_m);
    const double a2 = std::numbers::pi / 4.0 * Square(in.dh2_m);
    const double passage_flow = in.flow - in.branch_flow;
    const double wc = in.flow / a1;
    const double wo = in.branch_flow / a2;
    const double wp = passage_flow / a1;
    const double cos_a = std::cos(alpha);
    const double sin2 = Square(std::sin(alpha));

    TeeCoefficients result;
    if (in.flow_case == TeeFlow::Converging) {
        const double m = cos_a * (in.branch_flow / in.flow) * wo + (passage_flow / in.flow) * wp;
        result.branch = Square(wo / wc) + 1.0 - 2.0 * m / wc;
        result.passage = Square(wp / wc) + 1.0 - 2.0 * m / wc;
        return result;
    }

    // The comparisons with 1 are exact: the three branches of each formula meet there.
    const double r1 = wo / (wc * cos_a);
    if (r1 == 1.0) {
        result.branch = sin2;
    } else if (r1 < 1.0) {
        result.branch = sin2 + Square(cos_a - wo / wc);
    } else {
        const double c = cos_a * wc / wo;
        result.branch = sin2 + Square(wo / wc) * (0.7 * (1.0 - c) - 0.2 * (1.0 - c * c * c));
    }
    const double r2 = wp / wc;
    if (r2 == 1.0) {
        result.passage = 0.0;
    } else if (r2 < 1.0) {
        result.passage = Square(1.0 - wp / wc);
    } else {
        const double ratio = wc / wp;
        result.passage = 0.7 * (1.0 - ratio) - 0.2 * (1.0 - ratio) * (1.0 - ratio) * (1.0 - ratio) * Square(wp / wc);
    }
    return result;
}

double LocalLossCoefficient(const FittingInput& in, const FittingVelocityResult& v, double reynolds)
{
    switch (in.kind) {
    case 2: return RoundElbowCoefficient(in, reynolds);
    case 11: return RectElbowCoefficient(in, reynolds);
    case 3:
    case 12: return BilinearLookup(in.offset_m / in.length_m, v.dh1_m * 1000.0, OffsetTable());
    case 8:
        return BilinearLookup(in.angle_deg, (kReducerQuarterPi * Square(in.d1_m)) / (kReducerQuarterPi * Square(in.d2_m)),
                              RoundReducerTable());
    case 17: return BilinearLookup(in.angle_deg, (in.a_m * in.b_m) / (in.c_m * in.d_m), RectReducerTable());
    case 4:
    case 13: return TeeCoefficient(in, v);
    default: return 0.0; // straight ducts, roof intakes, silencers, roof bases, grilles
    }
}

FittingResult FittingLoss(const FittingInput& in, const AirState& air)
{
    CheckInput(in);
    if (!(air.density_kgm3 > 0) || !(air.viscosity_m2s > 0) || !std::isfinite(air.density_kgm3)
        || !std::isfinite(air.viscosity_m2s)) {
        throw DataError("The air density and viscosity are not known: check the air state on the settings tab.",
                        {kNoAirLine, {}});
    }
    const FittingVelocityResult v = FittingVelocities(in);
    FittingResult r;
    r.dh1_m = v.dh1_m;
    r.dh2_m = v.dh2_m;
    r.w1_ms = v.w1_ms;
    r.w2_ms = v.w2_ms;
    r.reynolds = v.w1_ms * v.dh1_m / air.viscosity_m2s;
    r.lambda = FrictionFactor(r.reynolds, in.roughness_m, v.dh1_m);
    r.zeta = LocalLossCoefficient(in, v, r.reynolds);
    r.friction_pa = r.lambda * (in.length_m / v.dh1_m) * 0.5 * air.density_kgm3 * Square(v.w1_ms);
    r.local_pa = r.zeta * 0.5 * air.density_kgm3 * Square(v.w1_ms);
    r.additional_pa = in.additional_loss_pa;
    r.total_pa = r.friction_pa + r.local_pa + r.additional_pa;
    return r;
}

double AdditionalLossToCoefficient(double loss_pa, double w1_ms, double density_kgm3)
{
    return 2.0 * loss_pa / (density_kgm3 * Square(w1_ms));
}

double AdditionalCoefficientToLoss(double coefficient, double w1_ms, double density_kgm3)
{
    return coefficient * 0.5 * density_kgm3 * Square(w1_ms);
}

} // namespace kalvintera
