#include "core/selection/fan_search.h"

#include "core/catalogue/curve_cache.h"
#include "core/catalogue/fan_curves.h"
#include "core/errors.h"
#include "core/selection/energy_figures.h"
#include "core/selection/fan_search_catalogue.h"
#include "core/text/contains_text.h"

#include <algorithm>
#include <optional>

namespace kalvintera {
namespace {

const char* KindName(FanKind kind)
{
    switch (kind) {
    case FanKind::Roof: return "WENTYLATOR DACHOWY";
    case FanKind::Radial: return "WENTYLATOR PROMIENIOWY";
    case FanKind::Duct: return "WENTYLATOR KANAŁOWY";
    }
    return "";
}

// The user's limits, read once before the scan.
struct Limits {
    std::optional<double> max_power_kw;
    std::optional<double> max_sound_dba;
};

std::optional<double> ReadLimit(const std::string& text, NumberFormat format)
{
    if (text.empty()) return std::nullopt;
    return ParseNumber(NormalizeDecimal(text, format), format);
}

// A record value compared against a user limit: an empty field cannot be shown to be
// within the limit, so the fan is left out; a field that is not a number is bad data.
bool WithinLimit(const std::string& field, const char* field_name, double limit, const DeviceRecord& record,
                 NumberFormat format)
{
    if (field.empty()) return false;
    try {
        return !(limit < ParseNumber(field, format));
    } catch (const ConversionError& error) {
        throw RecordDataError(std::string("The ") + field_name + " of " + DeviceLabel(record) + " is not a number: "
                        + error.what());
    }
}

bool PassesFilters(const FanSearchCatalogue& catalogue, DeviceIndex index, const FanSearchCriteria& c,
                   const Limits& limits, NumberFormat format)
{
    const DeviceRecord& r = catalogue.table().at(index);
    if (!catalogue.isOfKind(index, static_cast<int>(c.kind), KindName(c.kind))) return false;
    if (c.standard && r.ExecStandard.empty()) return false;
    if (!c.advanced) return true;

    if (c.voltage == "230" && c.voltage != r.Voltage1) return false;
    if (c.voltage == "400" && c.voltage != r.Voltage2) return false;
    if (!c.series.empty() && c.series != "---" && !ContainsText(c.series, r.Model)) return false;
    if (limits.max_power_kw && !WithinLimit(r.MotorPower, "motor power", *limits.max_power_kw, r, format)) return false;
    if (c.kind == FanKind::Roof) {
        if (c.direction == DischargeFilter::Horizontal && r.DischargeDirection != "H") return false;
        if (c.direction == DischargeFilter::Vertical && r.DischargeDirection != "V") return false;
    }
    const FanExecutions& e = c.executions;
    if (e.heat60 && r.ExecHeat60.empty()) return false;
    if (e.chemical && r.ExecChemical.empty()) return false;
    if (e.explosion_proof && r.ExecExplosionProof.empty()) return false;
    if (e.two_speed && r.ExecTwoSpeed.empty()) return false;
    if (limits.max_sound_dba && !WithinLimit(r.SoundLevel1m, "sound level", *limits.max_sound_dba, r, format)) {
        return false;
    }
    return true;
}

} // namespace

// Candidates whose efficiency is zero or less have no meaningful power; they go last in
// either order, in search order among themselves.
void OrderResults(std::vector<SelectionResult>& results, FanOrdering ordering)
{
    const auto usable = [](const SelectionResult& r) { return r.Efficiency > 0; };
    const auto first_unusable = std::stable_partition(results.begin(), results.end(), usable);
    if (ordering == FanOrdering::HighestEfficiency) {
        std::stable_sort(results.begin(), first_unusable,
                         [](const SelectionResult& a, const SelectionResult& b) { return a.Efficiency > b.Efficiency; });
    } else if (ordering == FanOrdering::LowestSpecificFanPower) {
        std::stable_sort(results.begin(), first_unusable, [](const SelectionResult& a, const SelectionResult& b) {
            return SpecificFanPower(a.Power, a.Flow) < SpecificFanPower(b.Power, b.Flow);
        });
    } else {
        std::stable_sort(results.begin(), first_unusable,
                         [](const SelectionResult& a, const SelectionResult& b) { return a.Power < b.Power; });
    }
}

FanSearchOutcome SearchFans(const DeviceTable& table, const DataFolder& data, const FanSearchCriteria& criteria,
                            NumberFormat format, const FanSearchOptions& options)
{
    const Limits limits = criteria.advanced ? Limits{ReadLimit(criteria.max_power_kw, format),
                                                     ReadLimit(criteria.max_sound_dba, format)}
                                            : Limits{};
    const double flow = criteria.duty.flow_m3s;
    const double pressure = criteria.duty.pressure_pa;
    const double k = SystemCoefficient(flow, pressure);

    // One use of the curve cache: each curve file is looked at on disk once per search.
    const std::uint64_t use = options.curve_use != 0 ? options.curve_use : data.curveCache().beginUse();
    std::optional<FanSearchCatalogue> own_catalogue;
    if (!options.catalogue) own_catalogue.emplace(table, data, format);
    const FanSearchCatalogue& catalogue = options.catalogue ? *options.catalogue : *own_catalogue;
    const bool corrected = options.air_density != kCatalogueAirDensity;
    FanSearchOutcome outcome;
    outcome.curve_use = use;
    for (DeviceIndex index = 1; index <= kDeviceTableSlots; ++index) {
        if (!catalogue.isFan(index)) continue;
        try {
            const FlowRange range = catalogue.range(index);
            if (!(range.min_m3s <= flow && flow <= range.max_m3s)) continue;
            // The filters only read the record, so they run before the curve files are
            // opened and the scan is done: the outcome is the same, the search faster.
            if (!PassesFilters(catalogue, index, criteria, limits, format)) continue;
            FanCharacteristic fan = catalogue.pressureCharacteristic(index, use);
            if (corrected) fan = ForAirDensity(fan, options.air_density);
            if (!ReachesDuty(fan, flow, pressure)) continue;
            catalogue.addEfficiency(fan, index, use);
            const OperatingPoint point = options.find(fan, range, k);
            outcome.results.push_back(
                SelectionResult{index, point.Efficiency, point.Power, point.Flow, point.Pressure, point.Segment});
        } catch (const RecordDataError& error) {
            outcome.problems.push_back(error.what());
            outcome.problem_devices.push_back(index);
        }
    }
    OrderResults(outcome.results, criteria.ordering);
    if (outcome.results.size() > static_cast<std::size_t>(kMaxSelectionResults)) {
        outcome.results.resize(kMaxSelectionResults);
    }
    if (outcome.results.empty()) outcome.message_line = kMessageNoFanFound;
    return outcome;
}

std::vector<std::string> FanSeriesCodes(const DeviceTable& table)
{
    std::vector<std::string> codes;
    for (DeviceIndex index = 1; index <= kDeviceTableSlots; ++index) {
        const DeviceRecord& record = table.at(index);
        if (!ContainsText("WENTYLATOR", record.NamePl) || record.Model.empty()) continue;
        const std::string code = record.Model.substr(0, record.Model.find('-'));
        if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
    }
    return codes;
}

} // namespace kalvintera
