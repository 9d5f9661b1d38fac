#include "core/ductloss/fitting_form.h"

#include "core/ductloss/fitting_kind.h"
#include "core/errors.h"
#include "core/input_range.h"
#include "core/message_lines.h"
#include "core/text/rounding.h"

#include <cmath>
#include <span>

namespace kalvintera {
namespace {

constexpr int kRoundVelocityDecimals = 3;
constexpr int kRectVelocityDecimals = 2;

// Inputs read from a text and divided into the formulas' units.
struct NumberField {
    FittingText field;
    unsigned input; // the kind shows it when this bit is set
    double FittingInput::*member;
    double divisor;
};

constexpr NumberField kSizeFields[] = {
    {FittingText::Length, kInputLength, &FittingInput::length_m, 1000.0},
    {FittingText::D1, kInputD1, &FittingInput::d1_m, 1000.0},
    {FittingText::D2, kInputD2, &FittingInput::d2_m, 1000.0},
    {FittingText::A, kInputA, &FittingInput::a_m, 1000.0},
    {FittingText::B, kInputB, &FittingInput::b_m, 1000.0},
    {FittingText::C, kInputC, &FittingInput::c_m, 1000.0},
    {FittingText::D, kInputD, &FittingInput::d_m, 1000.0},
    {FittingText::Radius, kInputRadius, &FittingInput::radius_m, 1000.0},
    {FittingText::Offset, kInputOffset, &FittingInput::offset_m, 1000.0},
    {FittingText::BranchFlow, kInputBranchFlow, &FittingInput::branch_flow_m3h, 1.0},
};

bool IsVelocityInput(FittingText field)
{
    switch (field) {
    case FittingText::D1:
    case FittingText::D2:
    case FittingText::A:
    case FittingText::B:
    case FittingText::C:
    case FittingText::D:
    case FittingText::Flow:
    case FittingText::BranchFlow: return true;
    default: return false;
    }
}

// The angles each kind's tables or formulas cover; none for kinds without an angle.
std::optional<InputRange> AngleRange(int kind, int round_elbow_type, int rect_elbow_type)
{
    constexpr InputRange kUpToRightAngle{0, 90, false};
    constexpr InputRange kBend{0, 180, false};
    if (IsTeeKind(kind)) return kUpToRightAngle;
    // The mitre elbow ("KOLANO") tables end at 90°, the bend factors at 180°.
    if (kind == 2) return round_elbow_type == 1 ? kUpToRightAngle : kBend;
    if (kind == 11) return rect_elbow_type == 1 ? kUpToRightAngle : kBend;
    if (IsReducerKind(kind)) return InputRange{0, 180, true};
    return std::nullopt;
}

int Clamped(int index, std::size_t size)
{
    return index >= 0 && static_cast<std::size_t>(index) < size ? index : 0;
}

} // namespace

std::string RoundedText(double value, int decimals, NumberFormat numbers)
{
    return FormatShortest(RoundHalfEven(value, decimals), numbers);
}

FittingForm::FittingForm(NumberFormat numbers) : numbers_(numbers)
{
    at(FittingText::Angle) = "90";
    at(FittingText::Radius) = "50";
    at(FittingText::Offset) = "50";
    at(FittingText::BranchFlow) = "0";
    at(FittingText::Roughness) = std::string(kDuctMaterials[0].roughness_mm);
    chooseKind(1, std::string(FittingKindOf(1).name));
}

unsigned FittingForm::inputs() const
{
    return FittingKindOf(kind_).inputs;
}

bool FittingForm::roughnessEditable() const
{
    return kDuctMaterials[static_cast<std::size_t>(material_)].roughness_mm.empty();
}

std::optional<double> FittingForm::tryNumber(FittingText field) const
{
    try {
        return number(field);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

double FittingForm::number(FittingText field) const
{
    try {
        return ParseNumber(NormalizeDecimal(text(field), numbers_), numbers_);
    } catch (const ConversionError& error) {
        // The message shows the text as typed, not as its separator was normalised.
        throw ConversionError(error.what(), {message_line::kNotANumber, {text(field)}});
    }
}

void FittingForm::chooseKind(int kind, std::string name)
{
    const FittingKindInfo& info = FittingKindOf(kind);
    kind_ = info.number;
    at(FittingText::Name) = std::move(name);
    at(FittingText::TypeCode) = std::string(info.type_code);
    at(FittingText::Length) = std::string(info.length);
    at(FittingText::D1) = std::string(info.d1);
    at(FittingText::D2) = std::string(info.d2);
    at(FittingText::A) = std::string(info.a);
    at(FittingText::B) = std::string(info.b);
    at(FittingText::C) = std::string(info.c);
    at(FittingText::D) = std::string(info.d);
    at(FittingText::AdditionalLoss) = "0";
    at(FittingText::AdditionalCoefficient) = "0";
    entry_ = AdditionalEntry::Pascal;
    if (kind_ == 2) round_elbow_type_ = 0;
    if (kind_ == 11) rect_elbow_type_ = 0;
    if (IsTeeKind(kind_)) {
        tee_path_ = 0;
        tee_flow_ = 0;
    }
    // A reducer uses the angle it does not show; one left from an earlier fitting that the
    // reducer table cannot take would refuse a value the user cannot see.
    if (IsReducerKind(kind_)) {
        const auto angle = tryNumber(FittingText::Angle);
        if (!angle || !AngleRange(kind_, 0, 0)->holds(*angle)) at(FittingText::Angle) = "90";
    }
    applyDefaultRadius();
    refreshVelocities(true);
}

void FittingForm::loadRow(const FittingRow& row)
{
    at(FittingText::Name) = row.Name;
    at(FittingText::TypeCode) = row.TypeCode;
    at(FittingText::Length) = row.Length;
    at(FittingText::A) = row.SideA;
    at(FittingText::D1) = row.DiameterD1;
    at(FittingText::B) = row.SideB;
    at(FittingText::D2) = row.DiameterD2;
    at(FittingText::C) = row.SideC;
    at(FittingText::D) = row.SideD;
    at(FittingText::Angle) = row.Angle;
    at(FittingText::BranchFlow) = row.BranchFlow;
    at(FittingText::Flow) = IsTeeKind(kind_) ? teeMainFlow(row) : row.Flow;
    at(FittingText::Radius) = row.Radius;
    at(FittingText::Offset) = row.Offset;
    at(FittingText::AdditionalLoss) = row.AdditionalLoss;
    material_ = kOwnMaterial;
    for (std::size_t i = 0; i < kDuctMaterials.size(); ++i) {
        if (kDuctMaterials[i].name == row.Material) material_ = static_cast<int>(i);
    }
    at(FittingText::Roughness) = row.Roughness;
    round_elbow_type_ = Clamped(row.RoundElbowTypeIndex, kRoundElbowTypes.size());
    rect_elbow_type_ = Clamped(row.RectElbowTypeIndex, kRectElbowTypes.size());
    tee_path_ = ListPosition(row.TeePath, list_texts_.tee_paths, kTeePaths).value_or(0);
    tee_flow_ = ListPosition(row.TeeFlow, list_texts_.tee_flows, kTeeFlows).value_or(0);
    if (const auto flow = tryNumber(FittingText::Flow)) flow_m3h_ = *flow;
    if (const auto branch = tryNumber(FittingText::BranchFlow)) branch_flow_m3h_ = *branch;
    // The stored velocities are shown as they were stored; the conversion of the
    // additional loss works with the velocity of the stored sizes.
    refreshVelocities(false);
    at(FittingText::W1) = row.W1;
    at(FittingText::W2) = row.W2;
}

// A tee's row holds its branch flow as its flow. The main flow it was computed with is
// kept beside the row while the program runs; a row read from a file has only its inlet
// velocity, so the main flow is found again as the roundest flow that gives that velocity.
std::string FittingForm::teeMainFlow(const FittingRow& row) const
{
    if (!row.MainFlow.empty()) return row.MainFlow;
    std::optional<double> stored_w1;
    try {
        stored_w1 = ParseNumber(NormalizeDecimal(row.W1, numbers_), numbers_);
    } catch (const ConversionError&) {
    }
    std::optional<FittingInput> input = liveInput();
    if (!stored_w1 || !(*stored_w1 > 0) || !input) return row.Flow;
    input->flow_m3h = 1;
    const double w1_per_flow = FittingVelocities(*input).w1_ms;
    if (!(w1_per_flow > 0) || !std::isfinite(w1_per_flow)) return row.Flow;
    const double estimate = *stored_w1 / w1_per_flow;
    const double shown_w1 = RoundHalfEven(*stored_w1, 3);
    for (int decimals = -6; decimals <= 3; ++decimals) {
        const double flow = RoundHalfEven(estimate, decimals);
        if (!(flow > 0)) continue;
        input->flow_m3h = flow;
        if (RoundHalfEven(FittingVelocities(*input).w1_ms, 3) == shown_w1) return FormatShortest(flow, numbers_);
    }
    return RoundedText(estimate, 3, numbers_);
}

void FittingForm::editText(FittingText field, std::string value)
{
    at(field) = std::move(value);
    switch (field) {
    case FittingText::D1:
    case FittingText::B:
    case FittingText::Radius: applyDefaultRadius(); break;
    case FittingText::Flow:
        if (const auto flow = tryNumber(FittingText::Flow)) flow_m3h_ = *flow;
        break;
    case FittingText::BranchFlow:
        if (const auto branch = tryNumber(FittingText::BranchFlow)) branch_flow_m3h_ = *branch;
        break;
    case FittingText::AdditionalLoss:
        if (entry_ == AdditionalEntry::Pascal) convertAdditional();
        break;
    case FittingText::AdditionalCoefficient:
        if (entry_ == AdditionalEntry::Coefficient) convertAdditional();
        break;
    default: break;
    }
    if (IsVelocityInput(field)) refreshVelocities(true);
}

void FittingForm::chooseMaterial(int index)
{
    material_ = Clamped(index, kDuctMaterials.size());
    const std::string_view roughness = kDuctMaterials[static_cast<std::size_t>(material_)].roughness_mm;
    if (!roughness.empty()) at(FittingText::Roughness) = std::string(roughness);
}

void FittingForm::takeSettingsRoughness(std::string value)
{
    at(FittingText::Roughness) = std::move(value);
}

void FittingForm::takeOwnRoughness(std::string value)
{
    material_ = kOwnMaterial;
    at(FittingText::Roughness) = std::move(value);
}

void FittingForm::chooseAdditionalEntry(AdditionalEntry entry)
{
    entry_ = entry;
}

void FittingForm::chooseRoundElbowType(int index)
{
    round_elbow_type_ = Clamped(index, kRoundElbowTypes.size());
}

void FittingForm::chooseRectElbowType(int index)
{
    rect_elbow_type_ = Clamped(index, kRectElbowTypes.size());
}

void FittingForm::chooseTeePath(int index)
{
    tee_path_ = Clamped(index, kTeePaths.size());
}

void FittingForm::chooseTeeFlow(int index)
{
    tee_flow_ = Clamped(index, kTeeFlows.size());
}

// Whatever is typed into the radius field, an elbow's radius follows its size.
void FittingForm::applyDefaultRadius()
{
    if (!IsElbowKind(kind_)) return;
    if (const auto size = tryNumber(kind_ == 2 ? FittingText::D1 : FittingText::B)) {
        at(FittingText::Radius) = DefaultRadius(kind_, *size);
    }
}

std::optional<FittingInput> FittingForm::liveInput() const
{
    FittingInput input;
    input.kind = kind_;
    input.flow_m3h = flow_m3h_;
    input.branch_flow_m3h = branch_flow_m3h_;
    for (const NumberField& field : kSizeFields) {
        if (!(inputs() & field.input) || field.field == FittingText::BranchFlow) continue;
        const auto value = tryNumber(field.field);
        if (!value) return std::nullopt;
        input.*field.member = *value / field.divisor;
    }
    return input;
}

// While the user types, the velocities follow what reads; a text that does not read yet,
// or a size of zero, leaves them as they were.
void FittingForm::refreshVelocities(bool show)
{
    const auto input = liveInput();
    if (!input) return;
    const FittingVelocityResult v = FittingVelocities(*input);
    if (!std::isfinite(v.w1_ms) || !std::isfinite(v.w2_ms)) return;
    w1_ms_ = v.w1_ms;
    if (show) {
        const int decimals = IsRoundKind(kind_) ? kRoundVelocityDecimals : kRectVelocityDecimals;
        at(FittingText::W1) = RoundedText(v.w1_ms, decimals, numbers_);
        at(FittingText::W2) = RoundedText(v.w2_ms, decimals, numbers_);
    }
    convertAdditional();
}

void FittingForm::convertAdditional()
{
    if (flow_m3h_ == 0 || !air_ || !(w1_ms_ != 0) || !std::isfinite(w1_ms_)) return;
    const double density = air_->density_kgm3;
    if (entry_ == AdditionalEntry::Pascal) {
        if (const auto loss = tryNumber(FittingText::AdditionalLoss)) {
            at(FittingText::AdditionalCoefficient) =
                RoundedText(AdditionalLossToCoefficient(*loss, w1_ms_, density), 2, numbers_);
        }
    } else if (const auto coefficient = tryNumber(FittingText::AdditionalCoefficient)) {
        at(FittingText::AdditionalLoss) = RoundedText(AdditionalCoefficientToLoss(*coefficient, w1_ms_, density), 1, numbers_);
    }
}

FittingInput FittingForm::strictInput() const
{
    FittingInput input;
    input.kind = kind_;
    input.flow_m3h = number(FittingText::Flow);
    for (const NumberField& field : kSizeFields) {
        if (inputs() & field.input) input.*field.member = number(field.field) / field.divisor;
    }
    // A reducer does not show its angle but uses the one the field holds.
    if ((inputs() & kInputAngle) || IsReducerKind(kind_)) input.angle_deg = number(FittingText::Angle);
    input.additional_loss_pa = number(FittingText::AdditionalLoss);
    input.roughness_m = number(FittingText::Roughness) / 1000.0;
    input.round_elbow_type = round_elbow_type_;
    input.rect_elbow_type = rect_elbow_type_;
    input.tee_path = tee_path_ == 1 ? TeePath::Branch : TeePath::Passage;
    input.tee_flow = tee_flow_ == 1 ? TeeFlow::Converging : TeeFlow::Dividing;
    return input;
}

FittingCommit FittingForm::commit()
{
    FittingCommit outcome;
    if (HasLength(kind_) && text(FittingText::Length).empty()) {
        outcome.refusal_line = kNoLengthLine;
        return outcome;
    }
    if (text(FittingText::Flow).empty() || text(FittingText::Flow) == "0" || number(FittingText::Flow) == 0) {
        outcome.refusal_line = kNoFlowLine;
        return outcome;
    }
    if (text(FittingText::AdditionalLoss).empty()) at(FittingText::AdditionalLoss) = "0";
    if (text(FittingText::Roughness).empty()) {
        outcome.refusal_line = kNoRoughnessLine;
        return outcome;
    }

    const FittingInput input = strictInput();
    checkRanges(input);
    if (!air_) {
        throw DataError("The air density and viscosity are not known: check the air state on the settings tab.",
                        {kNoAirLine, {}});
    }
    const FittingResult result = FittingLoss(input, *air_);
    const std::string main_flow = text(FittingText::Flow);

    flow_m3h_ = input.flow_m3h;
    branch_flow_m3h_ = input.branch_flow_m3h;
    refreshVelocities(true);
    if (IsTeeKind(kind_)) {
        // The run goes on along the branch: the tee records the branch flow, and the next
        // fitting starts with it.
        if (!IsRoundKind(kind_)) {
            at(FittingText::Flow) = FormatShortest(input.branch_flow_m3h / 3600.0 * 3600.0, numbers_);
        } else {
            at(FittingText::Flow) = text(FittingText::BranchFlow);
        }
        flow_m3h_ = input.branch_flow_m3h;
    }
    outcome.row = makeRow(input, result);
    if (IsTeeKind(kind_)) outcome.row.MainFlow = main_flow;
    outcome.total_pa = result.total_pa;
    outcome.result = result;
    return outcome;
}

void FittingForm::checkRanges(const FittingInput& input) const
{
    const unsigned shown = inputs();
    auto check = [&](FittingText field, const InputRange& range, std::string_view symbol, std::string_view unit) {
        RequireInRange(number(field), range, symbol, text(field), unit, numbers_);
    };
    constexpr InputRange kSize{0, kMaxDuctSizeMm, false};
    if (HasLength(kind_)) check(FittingText::Length, {0, kMaxLengthMm, !IsOffsetKind(kind_)}, "L", "mm");
    if (shown & kInputD1) check(FittingText::D1, kSize, "Φ1", "mm");
    if (shown & kInputD2) check(FittingText::D2, kSize, "Φ2", "mm");
    if (shown & kInputA) check(FittingText::A, kSize, "A", "mm");
    if (shown & kInputB) check(FittingText::B, kSize, "B", "mm");
    if (shown & kInputC) check(FittingText::C, kSize, "C", "mm");
    if (shown & kInputD) check(FittingText::D, kSize, "D", "mm");
    if (const auto angle = AngleRange(kind_, round_elbow_type_, rect_elbow_type_)) {
        check(FittingText::Angle, *angle, "α", "°");
    }
    if (shown & kInputRadius) check(FittingText::Radius, {0, kMaxDuctSizeMm, true}, "r", "mm");
    if (shown & kInputOffset) check(FittingText::Offset, {0, kMaxDuctSizeMm, true}, "e", "mm");
    check(FittingText::Flow, {0, kMaxFlowM3h, false}, "V", "m3/h");
    if (shown & kInputBranchFlow) {
        check(FittingText::BranchFlow, {0, kMaxFlowM3h, true}, "Vo", "m3/h");
        // Both flow cases take V as the flow through the tee's main part: the branch can
        // carry no more than all of it.
        if (input.branch_flow_m3h > input.flow_m3h) {
            throw DataError("The branch flow is larger than the flow.",
                            {kBranchAboveFlowLine,
                             {WithUnit(text(FittingText::BranchFlow), "m3/h"), WithUnit(text(FittingText::Flow), "m3/h")}});
        }
    }
    check(FittingText::AdditionalLoss, {0, kMaxAdditionalLossPa, true}, "dpp", "Pa");
    check(FittingText::Roughness, {0, kMaxRoughnessMm, true}, "k", "mm");
    // The friction search has no answer for a duct rougher than its own size allows.
    const double dh1_m = FittingVelocities(input).dh1_m;
    if (!(0.27 * input.roughness_m / dh1_m < 1)) {
        throw DataError("The roughness is too large for the duct.",
                        {kTooRoughLine,
                         {WithUnit(text(FittingText::Roughness), "mm"), WithUnit(RoundedText(dh1_m * 1000.0, 1, numbers_), "mm")}});
    }
}

FittingRow FittingForm::makeRow(const FittingInput& input, const FittingResult& result) const
{
    FittingRow row;
    row.Name = text(FittingText::Name);
    row.TypeCode = text(FittingText::TypeCode);
    row.Length = text(FittingText::Length);
    row.SideA = text(FittingText::A);
    row.DiameterD1 = text(FittingText::D1);
    row.SideB = text(FittingText::B);
    row.DiameterD2 = text(FittingText::D2);
    row.SideC = text(FittingText::C);
    row.SideD = text(FittingText::D);
    row.Angle = text(FittingText::Angle);
    row.Flow = text(FittingText::Flow);
    row.BranchFlow = text(FittingText::BranchFlow);
    row.W1 = RoundedText(result.w1_ms, 3, numbers_);
    row.W2 = RoundedText(result.w2_ms, 3, numbers_);
    row.AdditionalLoss = RoundedText(input.additional_loss_pa, 2, numbers_);
    row.LossCoefficient = RoundedText(result.zeta, 3, numbers_);
    row.Roughness = text(FittingText::Roughness);
    row.FrictionLoss = RoundedText(result.friction_pa, 2, numbers_);
    row.LocalLoss = RoundedText(result.local_pa, 2, numbers_);
    row.TotalLoss = RoundedText(result.total_pa, 2, numbers_);
    row.Dh1 = RoundedText(result.dh1_m * 1000.0, 1, numbers_);
    row.Dh2 = RoundedText(result.dh2_m * 1000.0, 1, numbers_);
    row.Kind = std::to_string(kind_);
    row.RoundElbowTypeIndex = round_elbow_type_;
    row.RectElbowTypeIndex = rect_elbow_type_;
    row.Material = std::string(kDuctMaterials[static_cast<std::size_t>(material_)].name);
    row.Radius = text(FittingText::Radius);
    row.Offset = text(FittingText::Offset);
    // The lists are stored in their Polish texts, so a file reads the same in any language.
    row.TeePath = std::string(kTeePaths[static_cast<std::size_t>(tee_path_)]);
    row.TeeFlow = std::string(kTeeFlows[static_cast<std::size_t>(tee_flow_)]);
    row.RoundElbowType = std::string(kRoundElbowTypes[static_cast<std::size_t>(round_elbow_type_)]);
    return row;
}

} // namespace kalvintera
