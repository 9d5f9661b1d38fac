#pragma once

#include "core/shell/calendar_date.h"
#include "core/text/number_format.h"

#include <filesystem>
#include <string>

namespace kalvintera {

// The running locale's formats, read once at start.
struct LocaleFormats {
    NumberFormat numbers;
    ShortDateFormat dates;
};

LocaleFormats SystemLocaleFormats();

// A file's modification time as the locale's short date followed by its long time; the
// time is left out when it is exactly midnight. Empty when the file does not exist.
std::string FileTimeText(const std::filesystem::path& file, const ShortDateFormat& dates);

} // namespace kalvintera
