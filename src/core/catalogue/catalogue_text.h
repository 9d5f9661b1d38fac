#pragma once

#include "core/catalogue/device_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// The readable form of a device database, from which the sample catalogue is built and
// into which a database can be dumped for review:
//
//   # a comment line          (blank lines are ignored too)
//   [device]                  starts the next record; the n-th one is DeviceIndex n
//   Model: KDH-400            FieldName: value, FieldName as ForEachDeviceField names it
//   PressureCoef[3]: -152.5
//
// The value is everything after the first ": " up to the end of the line, with the escapes
// \\ \n \r \t for a backslash and the control characters a line cannot hold. Fields not
// given are empty. The text is UTF-8; each value must fit its field's capacity in characters
// and its code page, so nothing is cut or replaced on the way into the database.

// Every non-empty field of every record in layout order, a blank line between records; an
// empty record is a bare "[device]", so positions survive. LF line ends.
std::string DumpCatalogueText(const std::vector<DeviceRecord>& records);

// The records of the text, in order. DataError naming the line and the reason for an
// unknown or repeated field, a value too long for its field or with a character its code
// page cannot hold, a bad escape, a line that is neither, text before the first [device],
// text that is not UTF-8, or more records than the device table holds.
std::vector<DeviceRecord> ParseCatalogueText(std::string_view text);

} // namespace kalvintera
