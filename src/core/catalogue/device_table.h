#pragma once

#include "core/catalogue/device_record.h"
#include "core/text/number_format.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace kalvintera {

// 1-based slot number of a record in the DeviceTable.
using DeviceIndex = int;

constexpr int kDeviceTableSlots = 2000;

// The catalogue in memory: 2000 slots, all empty until the first load.
class DeviceTable {
public:
    DeviceTable();

    // The record in slot `index`; an index that names no slot (0, negative, above 2000)
    // reads as an empty record, so an index taken from a file is never used unchecked.
    const DeviceRecord& at(DeviceIndex index) const;
    DeviceRecord& slot(DeviceIndex index); // 1 … 2000 only; throws std::out_of_range

    static bool isValidIndex(DeviceIndex index) { return index >= 1 && index <= kDeviceTableSlots; }

private:
    std::vector<DeviceRecord> slots_;
};

// Reads the database file record after record into slots 1, 2, … (at most 2000; later
// records are ignored, later slots keep their contents), then normalises the numeric
// fields. Returns the number of records read. FileError (naming the file) when it cannot
// be read or its size is not a multiple of 2142 bytes; the table is then unchanged.
int LoadDeviceTable(const std::filesystem::path& file, DeviceTable& table, NumberFormat format);

// Replaces the foreign decimal separator in the numeric fields of the record.
void NormalizeDeviceNumbers(DeviceRecord& record, NumberFormat format);
void NormalizeDeviceNumbers(DeviceTable& table, NumberFormat format);

// The first slot whose Model equals `model` exactly.
std::optional<DeviceIndex> FindDeviceByModel(const DeviceTable& table, std::string_view model);

// Whole files of records, for the catalogue tool and tests.
std::vector<DeviceRecord> ReadDeviceFile(const std::filesystem::path& file);
void WriteDeviceFile(const std::filesystem::path& file, const std::vector<DeviceRecord>& records);

} // namespace kalvintera
