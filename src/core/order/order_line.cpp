#include "core/order/order_line.h"

#include "core/text/code_page.h"
#include "core/text/fixed_string.h"

#include <bit>
#include <cstring>
#include <limits>

namespace kalvintera {

static_assert(std::numeric_limits<double>::is_iec559, "order files hold IEEE doubles");

namespace {

// Little-endian whatever the host's byte order, so files move between machines.
void PutLittleEndian(std::uint8_t* bytes, std::uint64_t value, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t GetLittleEndian(const std::uint8_t* bytes, std::size_t size)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    return value;
}

} // namespace

void ClearOrderLine(OrderLine& line)
{
    line.DeviceIndex = 0;
    line.Quantity.clear();
    line.LineNo.clear();
    line.Colour.clear();
    line.Execution.clear();
    line.Arrangement.clear();
    line.Voltage.clear();
}

OrderLine FitOrderLine(OrderLine line)
{
    line.Quantity = CutToCharacters(line.Quantity, kQuantityCapacity);
    line.LineNo = CutToCharacters(line.LineNo, kLineNoCapacity);
    line.Colour = CutToCharacters(line.Colour, kColourCapacity);
    line.Execution = CutToCharacters(line.Execution, kExecutionCapacity);
    line.Arrangement = CutToCharacters(line.Arrangement, kArrangementCapacity);
    line.Voltage = CutToCharacters(line.Voltage, kVoltageCapacity);
    return line;
}

void EncodeOrderLine(const OrderLine& line, std::uint8_t* bytes)
{
    std::memset(bytes, 0, kOrderLineSize);
    PutLittleEndian(bytes + kDeviceIndexOffset, static_cast<std::uint32_t>(line.DeviceIndex), 4);
    WriteFixedString(bytes + kQuantityOffset, kQuantityCapacity, line.Quantity);
    WriteFixedString(bytes + kLineNoOffset, kLineNoCapacity, line.LineNo);
    PutLittleEndian(bytes + kDutyFlowOffset, std::bit_cast<std::uint64_t>(line.DutyFlow), 8);
    PutLittleEndian(bytes + kDutyPressureOffset, std::bit_cast<std::uint64_t>(line.DutyPressure), 8);
    WriteFixedString(bytes + kColourOffset, kColourCapacity, line.Colour);
    WriteFixedString(bytes + kExecutionOffset, kExecutionCapacity, line.Execution);
    WriteFixedString(bytes + kArrangementOffset, kArrangementCapacity, line.Arrangement);
    WriteFixedString(bytes + kVoltageOffset, kVoltageCapacity, line.Voltage);
}

OrderLine DecodeOrderLine(const std::uint8_t* bytes)
{
    OrderLine line;
    line.DeviceIndex = static_cast<std::int32_t>(static_cast<std::uint32_t>(GetLittleEndian(bytes + kDeviceIndexOffset, 4)));
    line.Quantity = ReadFixedString(bytes + kQuantityOffset, kQuantityCapacity);
    line.LineNo = ReadFixedString(bytes + kLineNoOffset, kLineNoCapacity);
    line.DutyFlow = std::bit_cast<double>(GetLittleEndian(bytes + kDutyFlowOffset, 8));
    line.DutyPressure = std::bit_cast<double>(GetLittleEndian(bytes + kDutyPressureOffset, 8));
    line.Colour = ReadFixedString(bytes + kColourOffset, kColourCapacity);
    line.Execution = ReadFixedString(bytes + kExecutionOffset, kExecutionCapacity);
    line.Arrangement = ReadFixedString(bytes + kArrangementOffset, kArrangementCapacity);
    line.Voltage = ReadFixedString(bytes + kVoltageOffset, kVoltageCapacity);
    return line;
}

} // namespace kalvintera
