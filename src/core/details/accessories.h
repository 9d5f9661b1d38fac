#pragma once

#include "core/catalogue/device_table.h"

#include <optional>
#include <string>
#include <vector>

namespace kalvintera {

constexpr int kAccessorySlots = 20;
constexpr int kAccessoryColumns = 5;

// One accessory slot as the details window shows it.
struct AccessorySlot {
    int slot = 0;             // 0 … 19: row slot / 5, column slot % 5
    std::string code;         // the slot text, the accessory's Model; the caption
    DeviceIndex index = 0;    // the first record of that Model
    std::string hint;         // the accessory's name in the interface language
    std::string thumbnail;    // its ThumbnailFile, under "grafika/"
};

struct AccessoryFilter {
    int language = 1;
    // The supply of the fan candidate the details were opened for; none when they were not
    // opened from the fan results. A 230 V candidate hides a "TYP HQ" and a 400 V one a
    // "TYP HZ" in slots 0 and 1, where the controllers stand.
    std::optional<std::string> candidate_voltage;
};

// The slots to show, in slot order: non-empty slots naming a record of the table and not
// filtered out.
std::vector<AccessorySlot> VisibleAccessories(const DeviceRecord& device, const DeviceTable& devices,
                                              const AccessoryFilter& filter);

// The picture a highlighted thumbnail shows: the same file name with "x" in front.
std::string HighlightedThumbnail(const std::string& thumbnail);

} // namespace kalvintera
