#pragma once

#include "core/shell/calendar_date.h"
#include "core/shell/fade.h"
#include "core/text/number_format.h"

#include <filesystem>
#include <string>

namespace kalvintera {

inline constexpr const char* kSettingsFileName = "Kalvintera.ini";
// The 16 lines every settings file has had, then the energy settings; a file without the
// later lines reads as before, with their built-in values.
inline constexpr int kSettingsLines = 20;

// The persisted settings, with the values the program starts from when the file gives none.
// Most values are kept as the texts the user typed; they are validated where they are used.
struct Settings {
    int language = 0;                           // LanguageId; 0 = built-in Polish texts
    std::string name;                           // customer particulars of the order form
    std::string street;
    std::string city;
    std::string tel;
    std::string temperature = "20";             // °C
    std::string atmosphericPressure = "101300"; // Pa
    std::string humidity = "50";                // %
    std::string roughness = "0,05";             // mm
    int fadeSpeed = kDefaultFadePosition;       // fade slider position 1..10
    std::string vWent = "300";                  // last duty point of the selection window
    std::string dpWent = "50";
    double version = 0;
    std::string dateDistance = "60";            // update interval, days
    CalendarDate lastUpdate;                    // the zero date: never updated
    int checkForUpdates = 0;                    // 1 = check
    std::string operatingHours = "4000";        // h/a, for the yearly energy of a fan
    std::string energyPrice = "1.00";           // per kWh
    std::string currency = "PLN";
    int densityCorrection = 0;                  // 1 = scale the characteristics to the air density

    friend bool operator==(const Settings&, const Settings&) = default;
};

// Reads the settings file by line position; keys are for the human reader only. Of each
// line only the first 50 characters count, and the value is what follows their first "="
// (a line without "=" gives an empty value). Missing lines, a missing file, and a number
// or date that does not convert leave the built-in value of that field; the fade position
// is limited as the slider limits it. The file is UTF-8, or CP1250 when it is not valid
// UTF-8. FileError when the file exists but cannot be read.
Settings ReadSettings(const std::filesystem::path& file, NumberFormat numbers, const ShortDateFormat& dates);

// Writes the 20 "KEY=value" lines (CR LF, UTF-8) through a temporary file, so a failed
// write leaves the old file. A line break inside a text would shift every later line on
// the next start, so it is written as a blank. FileError naming the path on failure.
void WriteSettings(const std::filesystem::path& file, const Settings& settings, NumberFormat numbers,
                   const ShortDateFormat& dates);

} // namespace kalvintera
