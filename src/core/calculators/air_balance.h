#pragma once

#include <array>
#include <string_view>

namespace kalvintera {

// The three results of every air balance method, in m³/h.
struct AirFlowRange {
    double min_m3h = 0;
    double max_m3h = 0;
    double average_m3h = 0;

    friend bool operator==(const AirFlowRange&, const AirFlowRange&) = default;
};

// Who uses the room: the entries of the smoker choice, in its order.
enum class Occupants { NonSmokers, Smokers, Mixed };

inline constexpr double kNonSmokerFlow_m3h = 30;
inline constexpr double kSmokerFlow_m3h = 50;

// Hygienic air: 30 m³/h per non-smoker, 50 per smoker; only the counts the choice names
// count. DataError for a negative count.
AirFlowRange ComputePeopleAirFlow(Occupants occupants, long long non_smokers, long long smokers);

// Recommended air changes per hour for one kind of room.
struct AirChangeRate {
    std::string_view name; // the list entry, as the window shows it
    double min_per_h;
    double max_per_h;
};

inline constexpr std::size_t kIndustrialRoomKinds = 29;
inline constexpr std::size_t kPublicRoomKinds = 13;

const std::array<AirChangeRate, kIndustrialRoomKinds>& IndustrialRoomRates();
const std::array<AirChangeRate, kPublicRoomKinds>& PublicRoomRates();

// Room volume L·W·H times the rates; the average is the middle of the two.
// DataError for a negative dimension.
AirFlowRange ComputeAirChangeFlow(double length_m, double width_m, double height_m, const AirChangeRate& rate);

// One requirement for dwellings (PN-83/B-03430): a kind of room and its air per item.
struct DwellingRequirement {
    std::string_view name;
    double flow_m3h;
};

inline constexpr std::size_t kDwellingRequirements = 7;

const std::array<DwellingRequirement, kDwellingRequirements>& DwellingRequirements();

// Σ count · flow over the rows; a row that is not ticked has count 0.
// DataError for a negative count.
AirFlowRange ComputeDwellingAirFlow(const std::array<long long, kDwellingRequirements>& counts);

} // namespace kalvintera
