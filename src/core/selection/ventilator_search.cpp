#include "core/selection/ventilator_search.h"

#include "core/catalogue/polynomial.h"
#include "core/errors.h"
#include "core/shell/air_properties.h"
#include "core/text/code_page.h"
#include "core/text/contains_text.h"
#include "core/text/rounding.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kalvintera {
namespace {

constexpr std::size_t kCapacityTextLength = 10;
constexpr std::size_t kWindTextLength = 5;
constexpr std::size_t kColourTextLength = 15;

constexpr double kGravity = 9.81;
constexpr double kLowestStackPressurePa = 0.5;
constexpr double kHighestStackPressurePa = 10.0;

double ReadTypedNumber(const std::string& text, NumberFormat format)
{
    return ParseNumber(NormalizeDecimal(text, format), format);
}

VentilatorResult MakeRow(DeviceIndex index, double shown_capacity, double wind_ms, const std::string& colour,
                         NumberFormat format)
{
    return VentilatorResult{index, CutToCharacters(FormatShortest(shown_capacity, format), kCapacityTextLength),
                            CutToCharacters(FormatShortest(wind_ms, format), kWindTextLength),
                            CutToCharacters(colour, kColourTextLength)};
}

// Every candidate is kept while searching so the ordering sees them all; only the
// store's capacity is handed on.
template <typename SearchResult>
void KeepStoreCapacity(std::vector<VentilatorResult> rows, SearchResult& result)
{
    result.found_count = rows.size();
    if (rows.size() > kMaxVentilatorResults) rows.resize(kMaxVentilatorResults);
    result.results = std::move(rows);
}

// The density formula yields numbers for any input, but past the boiling point of the
// settings' pressure (vapour pressure above the total) they describe no air and would
// make every ventilator pass or fail by accident.
double StackDensity(double temperature_c, double pressure_pa, double relative_humidity, NumberFormat format)
{
    const AirProperties air = ComputeAirProperties(temperature_c, pressure_pa, relative_humidity);
    if (!std::isfinite(air.density_kgm3) || air.density_kgm3 <= 0 || !std::isfinite(air.humidity_ratio)
        || air.humidity_ratio < 0) {
        throw DataError("No air exists at " + FormatShortest(temperature_c, format) + " °C, "
                        + FormatShortest(pressure_pa, format) + " Pa and "
                        + FormatShortest(relative_humidity * 100.0, format) + " % humidity");
    }
    return air.density_kgm3;
}

// The order key of a result is its shown capacity, so the list reads ascending; a text
// that no longer reads as a number (an infinite capacity shows as "INF") sorts by the
// computed value instead.
double CapacityOrderKey(const VentilatorResult& row, double capacity, NumberFormat format)
{
    try {
        return ParseNumber(row.capacity_text, format);
    } catch (const ConversionError&) {
        return capacity;
    }
}

} // namespace

CylindricalSearchResult SelectCylindricalVentilators(const DeviceTable& table, const CylindricalSearchInput& input,
                                                     NumberFormat format)
{
    CylindricalSearchResult result;
    if (input.flow_text.empty()) {
        result.message_line = ventilator_message::kCylindricalNoFlow;
        return result;
    }
    if (input.wind_text.empty()) {
        result.message_line = ventilator_message::kCylindricalNoWind;
        return result;
    }
    const double flow_m3h = ReadTypedNumber(input.flow_text, format);
    const double wind_ms = ReadTypedNumber(input.wind_text, format);

    std::vector<VentilatorResult> rows;
    for (DeviceIndex i = 1; i <= kDeviceTableSlots; ++i) {
        const DeviceRecord& record = table.at(i);
        if (!ContainsText("WYWIETRZAK C", record.NamePl)) continue;
        if (record.FlowMin.empty() || record.FlowMax.empty()) continue;
        if (ParseNumber(record.FlowMin, format) > flow_m3h || flow_m3h > ParseNumber(record.FlowMax, format)) continue;
        const double capacity = EvaluatePolynomial(ReadPolynomial(record.PressureCoef, format), wind_ms);
        // Shown as computed: the catalogue's wind capacities are not rounded for display.
        if (capacity >= flow_m3h) rows.push_back(MakeRow(i, capacity, wind_ms, input.colour_text, format));
    }
    KeepStoreCapacity(std::move(rows), result);
    if (result.results.empty()) result.message_line = ventilator_message::kCylindricalNoneFound;
    return result;
}

// The catalogue gives capacities for the listed speeds 0, 2, 3, 4 and 5 m/s only. Any
// other speed uses the set of the highest listed speed not above it (0 below 2 m/s):
// a ventilator never gets credit for more wind than its catalogue states.
const std::array<std::string, 5>& IntegratedCapacityCoefficients(const DeviceRecord& record, double wind_ms)
{
    if (wind_ms >= 5) return record.ExtraCoef[2];
    if (wind_ms >= 4) return record.ExtraCoef[1];
    if (wind_ms >= 3) return record.ExtraCoef[0];
    if (wind_ms >= 2) return record.EfficiencyCoef;
    return record.PressureCoef;
}

IntegratedSearchResult SelectIntegratedVentilators(const DeviceTable& table, const IntegratedSearchInput& input,
                                                   NumberFormat format)
{
    IntegratedSearchResult result;
    const std::pair<const std::string*, int> required[] = {
        {&input.flow_text, ventilator_message::kIntegratedNoFlow},
        {&input.inside_temperature_text, ventilator_message::kIntegratedNoInsideTemperature},
        {&input.outside_temperature_text, ventilator_message::kIntegratedNoOutsideTemperature},
        {&input.wind_text, ventilator_message::kIntegratedNoWind},
        {&input.height_text, ventilator_message::kIntegratedNoHeight},
    };
    for (const auto& [text, line] : required) {
        if (text->empty()) {
            result.message_line = line;
            return result;
        }
    }

    double flow_m3h = ReadTypedNumber(input.flow_text, format);
    if (input.flow_unit == FlowUnit::CubicMetresPerSecond) flow_m3h *= 3600.0;
    const double inside_c = ReadTypedNumber(input.inside_temperature_text, format);
    const double outside_c = ReadTypedNumber(input.outside_temperature_text, format);
    const double wind_ms = ReadTypedNumber(input.wind_text, format);
    const double height_m = ReadTypedNumber(input.height_text, format);
    const double pressure_pa = ReadTypedNumber(input.atmospheric_pressure_text, format);
    const double relative_humidity = ReadTypedNumber(input.humidity_text, format) / 100.0;

    const double inside_density = StackDensity(inside_c, pressure_pa, relative_humidity, format);
    const double outside_density = StackDensity(outside_c, pressure_pa, relative_humidity, format);
    const double stack_pa = (outside_density - inside_density) * kGravity * height_m;
    result.stack_pressure_pa = stack_pa;
    // The capacity polynomials are fitted over this range of stack pressures only.
    if (!(stack_pa >= kLowestStackPressurePa && stack_pa <= kHighestStackPressurePa)) {
        result.message_line = ventilator_message::kIntegratedNoneFound;
        return result;
    }

    struct Candidate {
        VentilatorResult row;
        double order_key;
    };
    std::vector<Candidate> candidates;
    for (DeviceIndex i = 1; i <= kDeviceTableSlots; ++i) {
        const DeviceRecord& record = table.at(i);
        if (!ContainsText("WYWIETRZAK Z", record.NamePl)) continue;
        const double capacity =
            EvaluatePolynomial(ReadPolynomial(IntegratedCapacityCoefficients(record, wind_ms), format), stack_pa);
        if (!(capacity >= flow_m3h)) continue;
        VentilatorResult row = MakeRow(i, RoundHalfEven(capacity, 2), wind_ms, input.colour_text, format);
        const double key = CapacityOrderKey(row, capacity, format);
        candidates.push_back(Candidate{std::move(row), key});
    }
    // Stable, so of two equal capacities the one found first stays first. Capacities of a
    // million m³/h and more take their place at the end like any other.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.order_key < b.order_key; });

    std::vector<VentilatorResult> rows;
    rows.reserve(candidates.size());
    for (Candidate& candidate : candidates) rows.push_back(std::move(candidate.row));
    KeepStoreCapacity(std::move(rows), result);
    if (result.results.empty()) result.message_line = ventilator_message::kIntegratedNoneFound;
    return result;
}

std::optional<DeviceIndex> FindInstalledFan(const DeviceTable& table, const DeviceRecord& ventilator)
{
    // An empty type code would match the first empty slot.
    if (ventilator.CurveFile.empty()) return std::nullopt;
    return FindDeviceByModel(table, ventilator.CurveFile);
}

} // namespace kalvintera
