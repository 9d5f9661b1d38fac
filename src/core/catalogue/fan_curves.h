#pragma once

#include "core/catalogue/characteristic.h"
#include "core/catalogue/device_record.h"
#include "core/shell/data_folder.h"
#include "core/text/number_format.h"

#include <cstdint>
#include <string>

namespace kalvintera {

// Where a record's tabulated characteristic lives in the data folder.
inline constexpr const char* kPressureCurveFolder = "interpolacja/vdp/";
inline constexpr const char* kEfficiencyCurveFolder = "interpolacja/eta/";

// The pressure side of a fan's characteristic: its polynomial, or its pressure curve file
// when CurveFile is set. Efficiency stays unread until the fan has passed the duty test.
// Curve files come through the data folder's cache; `use` is a use of that cache
// (CurveFileCache::beginUse), 0 for a use of its own.
FanCharacteristic ReadPressureCharacteristic(const DeviceRecord& record, const DataFolder& data, NumberFormat format,
                                             std::uint64_t use = 0);

// Adds the efficiency side (polynomial or efficiency curve file).
void ReadEfficiencyCharacteristic(FanCharacteristic& fan, const DeviceRecord& record, const DataFolder& data,
                                  NumberFormat format, std::uint64_t use = 0);

// Both sides at once, for charts and the command-line tool.
FanCharacteristic ReadFanCharacteristic(const DeviceRecord& record, const DataFolder& data, NumberFormat format,
                                        std::uint64_t use = 0);

// FlowMin … FlowMax of a fan in m³/s. RecordDataError naming the device when either is
// not a number, the range runs backwards or is too wide to scan.
FlowRange ReadFlowRange(const DeviceRecord& record, NumberFormat format);

// "MODEL" or the Polish name when the model is empty, for messages about a record.
std::string DeviceLabel(const DeviceRecord& record);

} // namespace kalvintera
