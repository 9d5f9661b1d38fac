#pragma once

#include "core/catalogue/device_record.h"
#include "core/order/order_line.h"

#include <string>

namespace kalvintera {

// The files of a device in the data folder, relative to it, with the language line shown
// when one is missing.
struct DeviceDocument {
    std::string path;
    int missing_line = 0;
};

enum class DeviceDocumentKind { CadDrawing, DetailedDescription, SeriesSheet, CatalogueCard, AcousticSheet };

DeviceDocument DeviceDocumentFor(DeviceDocumentKind kind, const DeviceRecord& device, int language);

// The description text of the interface language: "opisy/" with the language's prefix
// glued to the file name ("GB_", "D_", "RU_"; none for Polish).
std::string DescriptionPath(const DeviceRecord& device, int language);

inline std::string PicturePath(const std::string& file) { return "grafika/" + file; }

// The order line of a catalogue product added from its details: standard colour, nothing
// else chosen, no duty point.
OrderLine CatalogueOrderLine(int device_index, const std::string& quantity_text);

} // namespace kalvintera
