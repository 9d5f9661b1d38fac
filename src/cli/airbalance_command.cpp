// airbalance people|changes|dwelling: the air balance calculator's three methods, and the
// lists its room kinds and dwelling rows come from.

#include "cli/calculator_support.h"
#include "cli/command_list.h"
#include "cli/output.h"
#include "core/calculators/air_balance.h"
#include "core/errors.h"
#include "core/text/number_format.h"

#include <algorithm>
#include <array>
#include <span>

namespace kalvintera::cli {
namespace {

constexpr OptionRule kOptions[] = {
    {"non-smokers", "N", "people: number of non-smokers"},
    {"smokers", "N", "people: number of smokers"},
    {"l", "M", "changes: length of the room"},
    {"w", "M", "changes: width of the room"},
    {"h", "M", "changes: height of the room"},
    {"room", "NAME", "changes: kind of room, as \"airbalance rooms\" lists it"},
    {"item", "N=COUNT", "dwelling: COUNT rooms of row N of \"airbalance items\" (repeatable)", true},
    kFormatOption,
};

// The options of each form; the others are refused, not quietly dropped.
constexpr std::string_view kPeopleOptions[] = {"non-smokers", "smokers"};
constexpr std::string_view kChangesOptions[] = {"l", "w", "h", "room"};
constexpr std::string_view kDwellingOptions[] = {"item"};

void AcceptOnly(const Arguments& arguments, std::string_view form, std::span<const std::string_view> own)
{
    for (const OptionRule& option : kOptions) {
        if (option.name == kFormatOption.name || !arguments.has(option.name)) continue;
        if (std::find(own.begin(), own.end(), option.name) == own.end()) {
            throw UsageError("airbalance " + std::string(form) + " takes no --" + std::string(option.name));
        }
    }
}

int WriteFlows(const AirFlowRange& flows, const Arguments& arguments, CommandContext& context)
{
    const OutputFormat format = ReadOutputFormat(arguments);
    RequireFiniteResults({flows.min_m3h, flows.max_m3h, flows.average_m3h});
    ResultTable table;
    table.columns = {"vmin", "vmax", "vavg"};
    table.rows.push_back({NumberCell(flows.min_m3h, format), NumberCell(flows.max_m3h, format),
                          NumberCell(flows.average_m3h, format)});
    WriteResult(context.out, table, format);
    return 0;
}

int People(const Arguments& arguments, CommandContext& context)
{
    AcceptOnly(arguments, "people", kPeopleOptions);
    const std::optional<long long> non_smokers = arguments.optionalInteger("non-smokers");
    const std::optional<long long> smokers = arguments.optionalInteger("smokers");
    if (!non_smokers && !smokers) throw UsageError("give --non-smokers, --smokers or both");
    // The window's choice of non-smokers, smokers or mixed, by the counts given.
    const Occupants occupants = !smokers ? Occupants::NonSmokers : !non_smokers ? Occupants::Smokers : Occupants::Mixed;
    const AirFlowRange flows = ComputePeopleAirFlow(occupants, non_smokers.value_or(0), smokers.value_or(0));
    return WriteFlows(flows, arguments, context);
}

const AirChangeRate& FindRoom(const std::string& name)
{
    for (const AirChangeRate& rate : IndustrialRoomRates()) {
        if (rate.name == name) return rate;
    }
    for (const AirChangeRate& rate : PublicRoomRates()) {
        if (rate.name == name) return rate;
    }
    throw UsageError("no kind of room \"" + name + "\" (\"airbalance rooms\" lists them)");
}

int Changes(const Arguments& arguments, CommandContext& context)
{
    AcceptOnly(arguments, "changes", kChangesOptions);
    const std::optional<std::string> room = arguments.value("room");
    if (!room) throw UsageError("option --room is required");
    const AirChangeRate& rate = FindRoom(*room);
    return WriteFlows(ComputeAirChangeFlow(arguments.number("l"), arguments.number("w"), arguments.number("h"), rate),
                      arguments, context);
}

int Dwelling(const Arguments& arguments, CommandContext& context)
{
    AcceptOnly(arguments, "dwelling", kDwellingOptions);
    std::array<long long, kDwellingRequirements> counts{};
    std::array<bool, kDwellingRequirements> given{};
    for (const std::string& item : arguments.values("item")) {
        const std::size_t equals = item.find('=');
        long long row = 0;
        long long count = 0;
        try {
            if (equals == std::string::npos) throw ConversionError(item);
            row = ParseInteger(std::string_view(item).substr(0, equals));
            count = ParseInteger(std::string_view(item).substr(equals + 1));
        } catch (const ConversionError&) {
            throw UsageError("option --item takes N=COUNT with whole numbers, not \"" + item + "\"");
        }
        if (row < 1 || row > static_cast<long long>(kDwellingRequirements)) {
            throw UsageError("option --item: no row " + std::to_string(row) + " (rows 1 … "
                             + std::to_string(kDwellingRequirements) + ")");
        }
        const auto index = static_cast<std::size_t>(row - 1);
        if (given[index]) throw UsageError("option --item: row " + std::to_string(row) + " is given twice");
        given[index] = true;
        counts[index] = count;
    }
    return WriteFlows(ComputeDwellingAirFlow(counts), arguments, context);
}

int Rooms(const Arguments& arguments, CommandContext& context)
{
    AcceptOnly(arguments, "rooms", {});
    const OutputFormat format = ReadOutputFormat(arguments);
    ResultTable table;
    table.columns = {"group", "room", "min_per_h", "max_per_h"};
    const auto add = [&](std::string_view group, const auto& rates) {
        for (const AirChangeRate& rate : rates) {
            table.rows.push_back({std::string(group), std::string(rate.name),
                                  FormatShortest(rate.min_per_h, NumberFormat::point()),
                                  FormatShortest(rate.max_per_h, NumberFormat::point())});
        }
    };
    add("industrial", IndustrialRoomRates());
    add("public", PublicRoomRates());
    WriteResult(context.out, table, format);
    return 0;
}

int Items(const Arguments& arguments, CommandContext& context)
{
    AcceptOnly(arguments, "items", {});
    const OutputFormat format = ReadOutputFormat(arguments);
    ResultTable table;
    table.columns = {"n", "requirement", "flow_m3h"};
    for (std::size_t i = 0; i < DwellingRequirements().size(); ++i) {
        const DwellingRequirement& requirement = DwellingRequirements()[i];
        table.rows.push_back({std::to_string(i + 1), std::string(requirement.name),
                              FormatShortest(requirement.flow_m3h, NumberFormat::point())});
    }
    WriteResult(context.out, table, format);
    return 0;
}

int Run(const Arguments& arguments, CommandContext& context)
{
    const std::vector<std::string>& positional = arguments.positional();
    const std::string form = positional.empty() ? std::string() : positional[0];
    if (positional.size() > 1) throw UsageError("airbalance " + form + " takes no further arguments");
    if (form == "people") return People(arguments, context);
    if (form == "changes") return Changes(arguments, context);
    if (form == "dwelling") return Dwelling(arguments, context);
    if (form == "rooms") return Rooms(arguments, context);
    if (form == "items") return Items(arguments, context);
    throw UsageError(form.empty() ? "airbalance needs people, changes, dwelling, rooms or items"
                                  : "unknown airbalance method \"" + form + "\"");
}

} // namespace

extern const Command kAirBalanceCommand{
    "airbalance",
    "airbalance people [--non-smokers N] [--smokers N]   air for the occupants, m3/h\n"
    "airbalance changes --l M --w M --h M --room NAME   air by recommended air changes\n"
    "airbalance dwelling --item N=COUNT ...             air a dwelling needs (PN-83/B-03430)\n"
    "airbalance rooms | items                           the kinds of room, the dwelling rows",
    kOptions,
    Run,
};

} // namespace kalvintera::cli
