#include "core/order/order_file.h"

#include "core/errors.h"
#include "core/message_lines.h"
#include "core/shell/file_io.h"

#include <string>
#include <vector>

namespace kalvintera {

void WriteOrderFile(const std::filesystem::path& file, const OrderList& order)
{
    const std::span<const OrderLine> slots = order.storedSlots();
    std::string bytes(slots.size() * kOrderLineSize, '\0');
    for (std::size_t i = 0; i < slots.size(); ++i) {
        EncodeOrderLine(slots[i], reinterpret_cast<std::uint8_t*>(bytes.data()) + i * kOrderLineSize);
    }
    WriteFileAtomically(file, bytes);
}

OrderList ReadOrderFile(const std::filesystem::path& file)
{
    const std::string bytes = ReadWholeFile(file);
    if (bytes.size() % kOrderLineSize != 0) {
        throw FileError("The order file " + PathText(file) + " is damaged: its size of "
                        + std::to_string(bytes.size()) + " bytes is not a whole number of "
                        + std::to_string(kOrderLineSize) + "-byte records",
                        {message_line::kDamagedFile, {PathText(file)}});
    }
    const std::size_t records = bytes.size() / kOrderLineSize;
    if (records > static_cast<std::size_t>(kOrderSlots)) {
        throw DataError("The order file " + PathText(file) + " holds " + std::to_string(records - 1)
                        + " lines; an order holds at most " + std::to_string(kOrderMaxLines),
                        {kOrderFileTooLongLine, {PathText(file), std::to_string(records - 1)}});
    }
    std::vector<OrderLine> slots;
    slots.reserve(records);
    for (std::size_t i = 0; i < records; ++i) {
        slots.push_back(DecodeOrderLine(reinterpret_cast<const std::uint8_t*>(bytes.data()) + i * kOrderLineSize));
    }
    return OrderList::fromStoredSlots(slots);
}

} // namespace kalvintera
