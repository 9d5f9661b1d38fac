// fitting: one fitting of the pressure-loss calculator, with the fitting dialog's defaults
// for whatever the command line leaves out.

#include "cli/calculator_support.h"
#include "cli/command_list.h"
#include "cli/output.h"
#include "cli/session.h"
#include "core/ductloss/fitting_form.h"
#include "core/ductloss/fitting_kind.h"
#include "core/errors.h"

#include <limits>
#include <string>

namespace kalvintera::cli {
namespace {

constexpr OptionRule kOptions[] = {
    {"kind", "N", "fitting kind 1 … 18 (1–9 round, 10–18 rectangular)"},
    {"l", "MM", "length L"},
    {"d1", "MM", "diameter D1"},
    {"d2", "MM", "diameter D2"},
    {"a", "MM", "side A"},
    {"b", "MM", "side B"},
    {"c", "MM", "side C"},
    {"d", "MM", "side D"},
    {"angle", "DEG", "angle α (elbows, tees; the angle a reducer uses)"},
    {"r", "MM", "elbow radius (default: the one the dialog takes from D1 or B)"},
    {"e", "MM", "offset e"},
    {"flow", "M3H", "air flow V, m3/h"},
    {"branch-flow", "M3H", "branch flow Vo of a tee, m3/h"},
    {"path", "passage|branch", "which way through a tee is computed (default passage)"},
    {"tee", "dividing|converging", "flow case of a tee (default dividing)"},
    {"elbow", "TYPE-INDEX", "round: 0 smooth, 1 mitre, 2/3/4 five/four/three segments; rectangular: 0 bend, 1 mitre"},
    {"extra-pa", "PA", "additional loss dpp, Pa"},
    {"roughness", "MM", "duct roughness k (default 0.007, PVC)"},
    {"rho", "KGM3", "air density (default: of 20 °C, 101300 Pa, 50 %)"},
    {"nu", "M2S", "kinematic viscosity of the air (default: as for the density)"},
    kFormatOption,
};

// The options that stand for one text field of the dialog, with the input a kind must show
// to take them; 0: every kind takes it.
struct TextOption {
    std::string_view option;
    FittingText field;
    unsigned input;
};

constexpr TextOption kTextOptions[] = {
    {"l", FittingText::Length, kInputLength},
    {"d1", FittingText::D1, kInputD1},
    {"d2", FittingText::D2, kInputD2},
    {"a", FittingText::A, kInputA},
    {"b", FittingText::B, kInputB},
    {"c", FittingText::C, kInputC},
    {"d", FittingText::D, kInputD},
    {"angle", FittingText::Angle, kInputAngle},
    {"e", FittingText::Offset, kInputOffset},
    {"flow", FittingText::Flow, 0},
    {"branch-flow", FittingText::BranchFlow, kInputBranchFlow},
    {"extra-pa", FittingText::AdditionalLoss, 0},
};

int ReadKind(const Arguments& arguments)
{
    const std::optional<long long> number = arguments.optionalInteger("kind");
    if (!number) throw UsageError("option --kind is required");
    if (*number < 1 || *number > kFittingKindCount) {
        throw UsageError("option --kind takes 1 … " + std::to_string(kFittingKindCount) + ", not "
                         + std::to_string(*number));
    }
    return static_cast<int>(*number);
}

// An option the kind does not show would be dropped without a word; a script that gives
// it has most likely picked the wrong kind.
void RequireShown(const Arguments& arguments, std::string_view option, unsigned input, const FittingKindInfo& kind)
{
    if (input == 0 || !arguments.has(option) || (kind.inputs & input) != 0) return;
    // A reducer does not show its angle but computes with it.
    if (option == "angle" && IsReducerKind(kind.number)) return;
    throw UsageError("kind " + std::to_string(kind.number) + " (" + std::string(kind.name) + ") takes no --"
                     + std::string(option));
}

std::string PointText(const Arguments& arguments, std::string_view option)
{
    return NormalizeDecimal(RequiredNumberText(arguments, option), NumberFormat::point());
}

AirState ReadAir(const Arguments& arguments)
{
    const AirProperties air = DefaultAirProperties();
    return AirState{OptionalPositiveNumber(arguments, "rho").value_or(air.density_kgm3),
                    OptionalPositiveNumber(arguments, "nu").value_or(air.viscosity_m2s)};
}

// The dialog puts the radius its size calls for over any radius typed into it; a radius
// given on the command line is meant, so it goes in as a stored row's radius does when a
// row is edited.
void SetRadius(FittingForm& form, std::string radius)
{
    FittingRow row;
    row.Length = form.text(FittingText::Length);
    row.SideA = form.text(FittingText::A);
    row.DiameterD1 = form.text(FittingText::D1);
    row.SideB = form.text(FittingText::B);
    row.DiameterD2 = form.text(FittingText::D2);
    row.SideC = form.text(FittingText::C);
    row.SideD = form.text(FittingText::D);
    row.Angle = form.text(FittingText::Angle);
    row.Flow = form.text(FittingText::Flow);
    row.BranchFlow = form.text(FittingText::BranchFlow);
    row.Offset = form.text(FittingText::Offset);
    row.AdditionalLoss = form.text(FittingText::AdditionalLoss);
    row.Material = std::string(kDuctMaterials[static_cast<std::size_t>(form.material())].name);
    row.Roughness = form.text(FittingText::Roughness);
    row.RoundElbowTypeIndex = form.roundElbowType();
    row.RectElbowTypeIndex = form.rectElbowType();
    row.TeePath = std::string(kTeePaths[static_cast<std::size_t>(form.teePath())]);
    row.TeeFlow = std::string(kTeeFlows[static_cast<std::size_t>(form.teeFlow())]);
    row.Radius = std::move(radius);
    form.loadRow(row);
}

void ChooseLists(const Arguments& arguments, FittingForm& form, const FittingKindInfo& kind)
{
    RequireShown(arguments, "path", kInputTeeLists, kind);
    RequireShown(arguments, "tee", kInputTeeLists, kind);
    RequireShown(arguments, "elbow", kInputRoundElbowType | kInputRectElbowType, kind);
    if (arguments.has("path")) {
        form.chooseTeePath(arguments.choice("path", {"passage", "branch"}, "passage") == "branch" ? 1 : 0);
    }
    if (arguments.has("tee")) {
        form.chooseTeeFlow(arguments.choice("tee", {"dividing", "converging"}, "dividing") == "converging" ? 1 : 0);
    }
    if (const std::optional<long long> elbow = arguments.optionalInteger("elbow")) {
        const long long types = kind.number == 2 ? static_cast<long long>(kRoundElbowTypes.size())
                                                 : static_cast<long long>(kRectElbowTypes.size());
        if (*elbow < 0 || *elbow >= types) {
            throw UsageError("option --elbow takes 0 … " + std::to_string(types - 1) + " for kind "
                             + std::to_string(kind.number));
        }
        if (kind.number == 2) form.chooseRoundElbowType(static_cast<int>(*elbow));
        else form.chooseRectElbowType(static_cast<int>(*elbow));
    }
}

int Run(const Arguments& arguments, CommandContext& context)
{
    arguments.expectPositional({});
    const OutputFormat format = ReadOutputFormat(arguments);
    const FittingKindInfo& kind = FittingKindOf(ReadKind(arguments));
    for (const TextOption& option : kTextOptions) RequireShown(arguments, option.option, option.input, kind);
    RequireShown(arguments, "r", kInputRadius, kind);

    FittingForm form(NumberFormat::point());
    form.setAir(ReadAir(arguments));
    form.chooseKind(kind.number, std::string(kind.name));
    for (const TextOption& option : kTextOptions) {
        if (arguments.has(option.option)) form.editText(option.field, PointText(arguments, option.option));
    }
    if (arguments.has("roughness")) form.takeOwnRoughness(PointText(arguments, "roughness"));
    ChooseLists(arguments, form, kind);
    if (arguments.has("r")) SetRadius(form, PointText(arguments, "r"));

    const Session session = OpenSettingsSession(arguments);
    const FittingCommit commit = form.commit();
    if (commit.refusal_line != 0) throw DataError(MessageOf(session, commit.refusal_line));

    const FittingResult& r = commit.result;
    RequireFiniteResults({r.dh1_m, r.dh2_m, r.w1_ms, r.w2_ms, r.reynolds, r.lambda, r.zeta, r.friction_pa, r.local_pa,
                          r.additional_pa, r.total_pa});
    const bool outlet = HasOutlet(kind.number);
    const double none = std::numeric_limits<double>::quiet_NaN();
    ResultTable table;
    table.columns = {"dh1", "dh2", "w1", "w2", "re", "lambda", "zeta", "dpl", "dpm", "dpp", "dpc"};
    // Rounded as the calculator's list rounds them; Re and λ, which it does not show, to a
    // whole number and to the friction search's step.
    table.rows.push_back({NumberCell(r.dh1_m * 1000, 1, format), NumberCell(outlet ? r.dh2_m * 1000 : none, 1, format),
                          NumberCell(r.w1_ms, 3, format), NumberCell(outlet ? r.w2_ms : none, 3, format),
                          NumberCell(r.reynolds, 0, format), NumberCell(r.lambda, 5, format),
                          NumberCell(r.zeta, 3, format), NumberCell(r.friction_pa, 2, format),
                          NumberCell(r.local_pa, 2, format), NumberCell(r.additional_pa, 2, format),
                          NumberCell(r.total_pa, 2, format)});
    WriteResult(context.out, table, format);
    return 0;
}

} // namespace

extern const Command kFittingCommand{
    "fitting",
    "fitting --kind N [--flow M3H] [sizes and options]   the pressure loss of one fitting",
    kOptions,
    Run,
};

} // namespace kalvintera::cli
