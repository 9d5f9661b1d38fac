#include "core/catalogue/device_record.h"

#include "core/text/fixed_string.h"

#include <algorithm>
#include <cstring>

namespace kalvintera {

void DecodeDeviceRecordInto(const std::uint8_t* bytes, DeviceRecord& record)
{
    ForEachDeviceField(record, [bytes](const DeviceFieldSlot& slot, std::string& text) {
        const std::size_t length = std::min<std::size_t>(bytes[slot.offset], slot.capacity);
        const std::string_view stored(reinterpret_cast<const char*>(bytes + slot.offset + 1), length);
        // Plain ASCII is the same text in every code page: assigned into the string's own
        // buffer, a reload of the catalogue allocates next to nothing.
        if (std::all_of(stored.begin(), stored.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            text.assign(stored);
        } else {
            text = ReadFixedString(bytes + slot.offset, slot.capacity, slot.code_page);
        }
    });
}

DeviceRecord DecodeDeviceRecord(const std::uint8_t* bytes)
{
    DeviceRecord record;
    DecodeDeviceRecordInto(bytes, record);
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
