#include "core/details/accessories.h"

#include "core/details/details_tables.h"

namespace kalvintera {
namespace {

bool FilteredOut(int slot, const std::string& code, const std::optional<std::string>& voltage)
{
    if (slot > 1 || !voltage) return false;
    return (*voltage == "230" && code == "TYP HQ") || (*voltage == "400" && code == "TYP HZ");
}

} // namespace

std::vector<AccessorySlot> VisibleAccessories(const DeviceRecord& device, const DeviceTable& devices,
                                              const AccessoryFilter& filter)
{
    std::vector<AccessorySlot> shown;
    for (int slot = 0; slot < kAccessorySlots; ++slot) {
        const std::string& code = device.Accessories[static_cast<std::size_t>(slot)];
        if (code.empty()) continue;
        const std::optional<DeviceIndex> index = FindDeviceByModel(devices, code);
        if (!index || FilteredOut(slot, code, filter.candidate_voltage)) continue;
        const DeviceRecord& accessory = devices.at(*index);
        shown.push_back({slot, code, *index, DeviceNameFor(accessory, filter.language), accessory.ThumbnailFile});
    }
    return shown;
}

std::string HighlightedThumbnail(const std::string& thumbnail)
{
    return "x" + thumbnail;
}

} // namespace kalvintera
