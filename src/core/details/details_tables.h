#pragma once

#include "core/catalogue/device_record.h"
#include "core/shell/language_table.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// One row of the two-column tables of the details window.
struct DetailsRow {
    std::string name;
    std::string value;
    bool operator==(const DetailsRow&) const = default;
};

// A "name=value" text split at its first "="; a text without one is all name.
DetailsRow SplitDetailsRow(std::string_view text);

// The device name in the language of the interface: English, German or Russian for
// LanguageId 2, 3, 4, otherwise the Polish one (the built-in texts are Polish).
const std::string& DeviceNameFor(const DeviceRecord& device, int language);

// Whether the record's flows are written in m³/s: the Polish name names a fan.
bool FlowsInCubicMetresPerSecond(const DeviceRecord& device);

// The technical rows of the device after the heading rows: the language line of each
// row followed by the field and its unit, for every field that is given.
std::vector<DetailsRow> TechnicalRows(const DeviceRecord& device, const LanguageTable& language, int language_id);

// The dimension rows, in the order the dimension drawings letter them.
std::vector<DetailsRow> DimensionRows(const DeviceRecord& device, const LanguageTable& language);

// The scratch file whose lines head both tables; users may edit it.
inline constexpr const char* kDetailsHeadingFile = "devices.txt";

// Reads the heading rows from `file`, creating it with a single space when it is missing
// (so a user finds it to edit). Lines holding only blanks give no row. FileError naming
// the file when it cannot be read or created.
std::vector<DetailsRow> ReadDetailsHeading(const std::filesystem::path& file);

} // namespace kalvintera
