#pragma once

#include "core/catalogue/device_table.h"
#include "core/shell/units.h"
#include "core/text/number_format.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kalvintera {

// The result store shared with the fan search holds this many device indices.
constexpr std::size_t kMaxVentilatorResults = 500;

// Language lines the ventilator searches report instead of results.
namespace ventilator_message {
constexpr int kCylindricalNoFlow = 298;
constexpr int kCylindricalNoWind = 299;
constexpr int kCylindricalNoneFound = 300;
constexpr int kIntegratedNoFlow = 302;
constexpr int kIntegratedNoInsideTemperature = 303;
constexpr int kIntegratedNoOutsideTemperature = 304;
constexpr int kIntegratedNoWind = 305;
constexpr int kIntegratedNoHeight = 306;
// Stack pressure outside 0.5 … 10 Pa, or no ventilator found. Shown under its own fixed
// title, kIntegratedMessageTitle, not the usual message title.
constexpr int kIntegratedNoneFound = 307;
// Spelt as the program has always shown it.
constexpr const char* kIntegratedMessageTitle = "KALVNTERA info";
} // namespace ventilator_message

// One row of a ventilator result list; the texts are already cut to their stored lengths.
struct VentilatorResult {
    DeviceIndex device_index = 0;
    std::string capacity_text; // m³/h, at most 10 characters
    std::string wind_text;     // m/s, at most 5 characters
    std::string colour_text;   // at most 15 characters
};

// The texts of the "Wywietrzaki cylindryczne" tab as typed.
struct CylindricalSearchInput {
    std::string flow_text; // m³/h whatever the flow unit of the settings: this tab never converts
    std::string wind_text; // m/s
    std::string colour_text;
};

struct CylindricalSearchResult {
    std::vector<VentilatorResult> results; // search order, at most kMaxVentilatorResults
    std::size_t found_count = 0;           // every ventilator that passed, also those past the store's end
    int message_line = 0;                  // 0 when results were found
};

// The texts of the "Wywietrzaki zespolone" tab as typed, and the settings the stack
// pressure depends on.
struct IntegratedSearchInput {
    std::string flow_text;                 // in flow_unit
    std::string inside_temperature_text;   // ti, °C
    std::string outside_temperature_text;  // te, °C
    std::string wind_text;                 // m/s
    std::string height_text;               // room height H, m
    std::string colour_text;
    FlowUnit flow_unit = FlowUnit::CubicMetresPerHour;
    std::string atmospheric_pressure_text; // settings, Pa
    std::string humidity_text;             // settings, %
};

struct IntegratedSearchResult {
    std::vector<VentilatorResult> results; // capacity ascending, at most kMaxVentilatorResults
    std::size_t found_count = 0;
    int message_line = 0;
    // (ρe − ρi)·g·H in Pa; absent when an empty field stopped the search before it was known.
    std::optional<double> stack_pressure_pa;
};

// Wind-driven ventilators ("WYWIETRZAK C") whose flow range holds V and whose capacity
// polynomial at the wind speed reaches V. Empty flow or wind text: the message line,
// no search. ConversionError for a text (typed or in a record) that is not a number.
CylindricalSearchResult SelectCylindricalVentilators(const DeviceTable& table, const CylindricalSearchInput& input,
                                                     NumberFormat format);

// Stack-effect ventilators ("WYWIETRZAK Z") whose capacity polynomial for the wind speed,
// at the stack pressure between the inside and outside air, reaches V. ConversionError
// for a text that is not a number; DataError when the settings' air state and a
// temperature give no physical air.
IntegratedSearchResult SelectIntegratedVentilators(const DeviceTable& table, const IntegratedSearchInput& input,
                                                   NumberFormat format);

// The capacity polynomial an integrated ventilator carries for the wind speed w.
const std::array<std::string, 5>& IntegratedCapacityCoefficients(const DeviceRecord& record, double wind_ms);

// The fan installed in an integrated ventilator: the record whose Model is the
// ventilator's CurveFile text. None when that text is empty or names no record.
std::optional<DeviceIndex> FindInstalledFan(const DeviceTable& table, const DeviceRecord& ventilator);

} // namespace kalvintera
