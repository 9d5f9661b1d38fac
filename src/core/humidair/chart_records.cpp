#include "core/humidair/chart_records.h"

#include "core/text/fixed_string.h"
#include "core/text/rounding.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace kalvintera {

static_assert(std::numeric_limits<double>::is_iec559, "chart files hold IEEE doubles");

namespace {

// Offsets of the point record.
constexpr std::size_t kPointName = 0;
constexpr std::size_t kPointNumbers = 16; // eleven doubles from here, in the order of ChartPoint

// Offsets of the process record.
constexpr std::size_t kProcessName = 0;
constexpr std::size_t kProcessFirst = 21;
constexpr std::size_t kProcessSecond = 32;
constexpr std::size_t kProcessDrawLine = 43;

// Little-endian whatever the host's byte order, so files move between machines.
void PutDouble(std::uint8_t* bytes, double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (std::size_t k = 0; k < 8; ++k) bytes[k] = static_cast<std::uint8_t>(bits >> (8 * k));
}

double GetDouble(const std::uint8_t* bytes)
{
    std::uint64_t bits = 0;
    for (std::size_t k = 0; k < 8; ++k) bits |= static_cast<std::uint64_t>(bytes[k]) << (8 * k);
    return std::bit_cast<double>(bits);
}

// The numbers of a point in record order, for reading and writing alike.
template <typename Point>
auto PointNumbers(Point& p)
{
    return std::array{&p.moisture_kgkg, &p.temperature_c, &p.humidity,  &p.enthalpy_kjkg,
                      &p.reserved,      &p.density_kgm3,  &p.vapour_pa, &p.dry_air_pa,
                      &p.wet_bulb_c,    &p.barometric_pa, &p.dew_point_c};
}

} // namespace

void EncodeChartPoint(const ChartPoint& point, std::uint8_t* bytes)
{
    std::memset(bytes, 0, kChartPointSize);
    WriteFixedString(bytes + kPointName, kPointNameCapacity, point.name);
    std::size_t offset = kPointNumbers;
    for (const double* value : PointNumbers(point)) {
        PutDouble(bytes + offset, *value);
        offset += 8;
    }
}

ChartPoint DecodeChartPoint(const std::uint8_t* bytes)
{
    ChartPoint point;
    point.name = ReadFixedString(bytes + kPointName, kPointNameCapacity);
    std::size_t offset = kPointNumbers;
    for (double* value : PointNumbers(point)) {
        *value = GetDouble(bytes + offset);
        offset += 8;
    }
    return point;
}

void EncodeChartProcess(const ChartProcess& process, std::uint8_t* bytes)
{
    std::memset(bytes, 0, kChartProcessSize);
    WriteFixedString(bytes + kProcessName, kProcessNameCapacity, process.name);
    WriteFixedString(bytes + kProcessFirst, kPointNameCapacity, process.first);
    WriteFixedString(bytes + kProcessSecond, kPointNameCapacity, process.second);
    bytes[kProcessDrawLine] = process.draw_line ? 1 : 0;
}

ChartProcess DecodeChartProcess(const std::uint8_t* bytes)
{
    ChartProcess process;
    process.name = ReadFixedString(bytes + kProcessName, kProcessNameCapacity);
    process.first = ReadFixedString(bytes + kProcessFirst, kPointNameCapacity);
    process.second = ReadFixedString(bytes + kProcessSecond, kPointNameCapacity);
    process.draw_line = bytes[kProcessDrawLine] == 1;
    return process;
}

const ChartPoint* FindChartPoint(const std::vector<ChartPoint>& points, const std::string& name)
{
    for (const ChartPoint& point : points) {
        if (point.name == name) return &point;
    }
    return nullptr;
}

std::optional<double> ProcessHeat(const std::vector<ChartPoint>& points, const ChartProcess& process,
                                  double air_flow_m3h)
{
    const ChartPoint* first = FindChartPoint(points, process.first);
    const ChartPoint* second = FindChartPoint(points, process.second);
    if (!first || !second) return std::nullopt;
    const double heat = std::fabs(second->enthalpy_kjkg - first->enthalpy_kjkg) * (air_flow_m3h / 3600)
                        * (first->density_kgm3 + second->density_kgm3) / 2;
    return RoundHalfEven(heat, 2);
}

} // namespace kalvintera
