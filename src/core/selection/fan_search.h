#pragma once

#include "core/catalogue/characteristic.h"
#include "core/catalogue/device_table.h"
#include "core/selection/duty_point.h"
#include "core/shell/data_folder.h"
#include "core/text/number_format.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kalvintera {

enum class FanKind { Roof, Radial, Duct };
enum class FanOrdering { LowestPower, HighestEfficiency, LowestSpecificFanPower };
enum class DischargeFilter { Any, Horizontal, Vertical };

struct FanExecutions {
    bool heat40 = false; // marks the order line only; never filters
    bool heat60 = false;
    bool chemical = false;
    bool explosion_proof = false;
    bool two_speed = false;
};

// What the "Wentylatory" tab holds at the moment of the search.
struct FanSearchCriteria {
    DutyPoint duty;
    FanOrdering ordering = FanOrdering::LowestPower;
    FanKind kind = FanKind::Roof;
    bool standard = true;
    bool advanced = false;
    // Advanced mode only:
    std::string voltage = "---";   // "230" and "400" filter; anything else does not
    std::string series;            // empty or "---": no series filter
    std::string max_power_kw;      // empty: no limit
    std::string max_sound_dba;     // empty: no limit
    DischargeFilter direction = DischargeFilter::Any;
    FanExecutions executions;
};

// One candidate: its slot and its operating point.
struct SelectionResult {
    DeviceIndex index = 0;
    double Efficiency = 0; // fraction
    double Power = 0;      // W
    double Flow = 0;       // m³/s
    double Pressure = 0;   // Pa
    int Segment = 1;       // tabulated fans: the segment of the operating point
};

// Orders candidates as a search does: lowest power, highest efficiency or lowest specific
// fan power first; stable, so ties keep search order; candidates whose efficiency is zero or
// less go last in search order. Changing the ordering of shown results needs no new search.
void OrderResults(std::vector<SelectionResult>& results, FanOrdering ordering);

constexpr int kMaxSelectionResults = 500;
constexpr int kMessageNoFanFound = 293;

struct FanSearchOutcome {
    std::vector<SelectionResult> results; // ordered, at most kMaxSelectionResults
    int message_line = 0;                 // kMessageNoFanFound when nothing passed
    // Records skipped because their own data is unusable (a flow range that is not a
    // number or runs backwards, a motor power that does not read); the search goes on
    // without them and the caller shows these after the results.
    std::vector<std::string> problems;
    std::vector<DeviceIndex> problem_devices; // the records of `problems`, in the same order
    // The curve-cache use the search ran in: reading its results' curves again within it
    // costs no look at the disk.
    std::uint64_t curve_use = 0;
};

// How a search finds a candidate's operating point: FindOperatingPoint, or the step-by-step
// scan it must agree with, for comparisons.
using OperatingPointFinder = OperatingPoint (*)(const FanCharacteristic& fan, FlowRange range, double k);

class FanSearchCatalogue;

struct FanSearchOptions {
    OperatingPointFinder find = FindOperatingPoint;
    // A use of the data folder's curve cache shared by many searches (a schedule looks at
    // each curve file on disk once); 0: the search is a use of its own.
    std::uint64_t curve_use = 0;
    // The records as read for earlier searches over the same table, data folder and number
    // format; none: the search reads them itself.
    const FanSearchCatalogue* catalogue = nullptr;
    // Air density for the density correction: the catalogue's characteristics hold for
    // 1.2 kg/m³ (kCatalogueAirDensity); another value scales every fan's pressure by ρ / 1.2.
    double air_density = 1.2;
};

// Scans every slot of the table for fans that reach the duty point, filters them by the
// criteria and orders them. A missing or broken curve file abandons the whole search
// (its error propagates); a user limit that is not a number throws ConversionError.
FanSearchOutcome SearchFans(const DeviceTable& table, const DataFolder& data, const FanSearchCriteria& criteria,
                            NumberFormat format, const FanSearchOptions& options = {});

// The series codes a user can pick: the Model prefixes of the catalogue's fans (the text
// before the first '-'), in first-seen order.
std::vector<std::string> FanSeriesCodes(const DeviceTable& table);

} // namespace kalvintera
