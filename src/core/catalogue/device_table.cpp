#include "core/catalogue/device_table.h"

#include "core/errors.h"
#include "core/message_lines.h"
#include "core/shell/file_io.h"

#include <algorithm>
#include <stdexcept>

namespace kalvintera {

DeviceTable::DeviceTable() : slots_(kDeviceTableSlots) {}

const DeviceRecord& DeviceTable::at(DeviceIndex index) const
{
    static const DeviceRecord kEmpty;
    return isValidIndex(index) ? slots_[static_cast<std::size_t>(index - 1)] : kEmpty;
}

DeviceRecord& DeviceTable::slot(DeviceIndex index)
{
    if (!isValidIndex(index)) throw std::out_of_range("device index " + std::to_string(index));
    return slots_[static_cast<std::size_t>(index - 1)];
}

namespace {

// The whole database file; FileError when it cannot be read or is not whole records.
std::string ReadDeviceBytes(const std::filesystem::path& file)
{
    std::string bytes = ReadWholeFile(file);
    if (bytes.size() % kDeviceRecordSize != 0) {
        throw FileError("The device database " + PathText(file) + " is damaged: its size of "
                        + std::to_string(bytes.size()) + " bytes is not a whole number of "
                        + std::to_string(kDeviceRecordSize) + "-byte records",
                        {message_line::kDamagedFile, {PathText(file)}});
    }
    return bytes;
}

} // namespace

std::vector<DeviceRecord> ReadDeviceFile(const std::filesystem::path& file)
{
    const std::string bytes = ReadDeviceBytes(file);
    const std::size_t count = std::min<std::size_t>(bytes.size() / kDeviceRecordSize, kDeviceTableSlots);
    std::vector<DeviceRecord> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        records.push_back(DecodeDeviceRecord(reinterpret_cast<const std::uint8_t*>(bytes.data()) + i * kDeviceRecordSize));
    }
    return records;
}

void WriteDeviceFile(const std::filesystem::path& file, const std::vector<DeviceRecord>& records)
{
    std::string bytes(records.size() * kDeviceRecordSize, '\0');
    for (std::size_t i = 0; i < records.size(); ++i) {
        EncodeDeviceRecord(records[i], reinterpret_cast<std::uint8_t*>(bytes.data()) + i * kDeviceRecordSize);
    }
    WriteFileAtomically(file, bytes);
}

int LoadDeviceTable(const std::filesystem::path& file, DeviceTable& table, NumberFormat format)
{
    const std::string bytes = ReadDeviceBytes(file);
    const std::size_t count = std::min<std::size_t>(bytes.size() / kDeviceRecordSize, kDeviceTableSlots);
    for (std::size_t i = 0; i < count; ++i) {
        DecodeDeviceRecordInto(reinterpret_cast<const std::uint8_t*>(bytes.data()) + i * kDeviceRecordSize,
                               table.slot(static_cast<DeviceIndex>(i + 1)));
    }
    NormalizeDeviceNumbers(table, format);
    return static_cast<int>(count);
}

void NormalizeDeviceNumbers(DeviceRecord& record, NumberFormat format)
{
    ForEachDeviceField(record, [format](const DeviceFieldSlot& field, std::string& text) {
        // In place: a field without the foreign separator (nearly all) costs no copy.
        if (field.numeric) std::replace(text.begin(), text.end(), format.foreignSeparator(), format.decimal_separator);
    });
}

void NormalizeDeviceNumbers(DeviceTable& table, NumberFormat format)
{
    for (DeviceIndex i = 1; i <= kDeviceTableSlots; ++i) NormalizeDeviceNumbers(table.slot(i), format);
}

std::optional<DeviceIndex> FindDeviceByModel(const DeviceTable& table, std::string_view model)
{
    for (DeviceIndex i = 1; i <= kDeviceTableSlots; ++i) {
        if (table.at(i).Model == model) return i;
    }
    return std::nullopt;
}

} // namespace kalvintera
