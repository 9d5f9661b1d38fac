#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kalvintera {

// A named air state marked on the IX chart: a 104-byte record, the same in memory and in
// the chart file. Names are at most 10 characters and unique within a chart (compared
// exactly, letter case counting).
struct ChartPoint {
    std::string name;          // UTF-8; CP1250 on disk
    double moisture_kgkg = 0;  // X
    double temperature_c = 0;  // t
    double humidity = 0;       // φ as a fraction, 1 = saturated
    double enthalpy_kjkg = 0;  // i
    double reserved = 0;
    double density_kgm3 = 0;   // ρ
    double vapour_pa = 0;      // pp
    double dry_air_pa = 0;     // pg
    double wet_bulb_c = 0;     // tm
    double barometric_pa = 0;  // pb of the chart when the point was stored
    double dew_point_c = 0;    // tr

    bool operator==(const ChartPoint&) const = default;
};

// Two points joined as heating, cooling and the like: a 44-byte record. It names its
// points; nothing ties it to them when they are renamed or deleted.
struct ChartProcess {
    std::string name;   // at most 20 characters
    std::string first;  // point names, at most 10 characters
    std::string second;
    bool draw_line = true;

    bool operator==(const ChartProcess&) const = default;
};

inline constexpr std::size_t kChartPointSize = 104;
inline constexpr std::size_t kChartProcessSize = 44;
inline constexpr std::size_t kPointNameCapacity = 10;
inline constexpr std::size_t kProcessNameCapacity = 20;
inline constexpr std::size_t kMaxChartPoints = 100;
inline constexpr std::size_t kMaxChartProcesses = 50;

// Names cut to their capacity, unknown characters as '?', unused bytes and padding zero,
// doubles little-endian.
void EncodeChartPoint(const ChartPoint& point, std::uint8_t* bytes);
ChartPoint DecodeChartPoint(const std::uint8_t* bytes);
void EncodeChartProcess(const ChartProcess& process, std::uint8_t* bytes);
ChartProcess DecodeChartProcess(const std::uint8_t* bytes);

// The point of that name, exactly; none when there is no such point.
const ChartPoint* FindChartPoint(const std::vector<ChartPoint>& points, const std::string& name);

// |i2 − i1| · (V / 3600) · (ρ1 + ρ2) / 2 kW at the air flow V (m³/h), rounded to 2 decimals.
// None when either named point no longer exists.
std::optional<double> ProcessHeat(const std::vector<ChartPoint>& points, const ChartProcess& process,
                                  double air_flow_m3h);

} // namespace kalvintera
