#include "core/catalogue/device_record.h"

#include "core/text/fixed_string.h"

#include <cstring>

namespace kalvintera {

DeviceRecord DecodeDeviceRecord(const std::uint8_t* bytes)
{
    DeviceRecord record;
    ForEachDeviceField(record, [bytes](const DeviceFieldSlot& slot, std::string& text) {
        text = ReadFixedString(bytes + slot.offset, slot.capacity, slot.code_page);
    });
    return record;
}

void EncodeDeviceRecord(const DeviceRecord& record, std::uint8_t* bytes)
{
    std::memset(bytes, 0, kDeviceRecordSize);
    ForEachDeviceField(record, [bytes](const DeviceFieldSlot& slot, const std::string& text) {
        WriteFixedString(bytes + slot.offset, slot.capacity, text, slot.code_page);
    });
}

} // namespace kalvintera
