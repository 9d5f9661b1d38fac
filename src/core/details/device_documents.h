#pragma once

#include "core/shell/data_folder.h"

#include "core/catalogue/device_record.h"
#include "core/order/order_line.h"

#include <string>
#include <vector>

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

// The lines of the device's short description in the language (CP1251 for Russian and
// CP1250 otherwise when the file is not UTF-8); none when the record names no file or the
// file is missing. FileError when it exists but cannot be read.
std::vector<std::string> ReadDescriptionLines(const DeviceRecord& device, const DataFolder& data, int language);

// The order line of a catalogue product added from its details: standard colour, nothing
// else chosen, no duty point.
OrderLine CatalogueOrderLine(int device_index, const std::string& quantity_text);

} // namespace kalvintera
