#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kalvintera {

constexpr std::size_t kOrderLineSize = 128;

// Capacities (N of string[N]) of the text fields of an order line.
constexpr std::size_t kQuantityCapacity = 3;
constexpr std::size_t kLineNoCapacity = 3;
constexpr std::size_t kColourCapacity = 20;
constexpr std::size_t kExecutionCapacity = 30;
constexpr std::size_t kArrangementCapacity = 20;
constexpr std::size_t kVoltageCapacity = 10;

// Byte offsets in the 128-byte record (of the length byte for texts).
constexpr std::size_t kDeviceIndexOffset = 0;
constexpr std::size_t kQuantityOffset = 4;
constexpr std::size_t kLineNoOffset = 8;
constexpr std::size_t kDutyFlowOffset = 16;
constexpr std::size_t kDutyPressureOffset = 24;
constexpr std::size_t kColourOffset = 32;
constexpr std::size_t kExecutionOffset = 53;
constexpr std::size_t kArrangementOffset = 84; // 32 bytes reserved, of which string[20] is used
constexpr std::size_t kVoltageOffset = 116;

// One product on the order. UTF-8 in memory, CP1250 on disk.
struct OrderLine {
    std::int32_t DeviceIndex = 0;  // 1-based slot of the product in the DeviceTable
    std::string Quantity;          // pieces, as typed
    std::string LineNo;            // decimal text of the line's position
    double DutyFlow = 0.0;         // duty point of a fan line, in the units current when it was added
    double DutyPressure = 0.0;
    std::string Colour;
    std::string Execution;
    std::string Arrangement;
    std::string Voltage;

    bool operator==(const OrderLine&) const = default;
};

// An empty slot: no product and no texts. The duty point is left as it was, as the
// stored files have always kept it.
void ClearOrderLine(OrderLine& line);

// The line with every text cut to the characters its field holds, so what the list shows
// is what a saved file will hold.
OrderLine FitOrderLine(OrderLine line);

// The 128 bytes of a line, and back. Encoding cuts each text to its capacity and zeroes
// every byte no field uses; decoding clamps a length byte above its field's capacity.
void EncodeOrderLine(const OrderLine& line, std::uint8_t* bytes);
OrderLine DecodeOrderLine(const std::uint8_t* bytes);

} // namespace kalvintera
