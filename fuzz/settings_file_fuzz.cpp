// The settings file, read under two locales; what was read is written and read back, and
// from the second round on the file must keep what it holds.
#include "fuzz_support.h"

#include "core/shell/air_properties.h"
#include "core/shell/settings.h"
#include "core/shell/update_check.h"

#include <cstddef>
#include <cstdint>

using namespace kalvintera;

namespace {

Settings RoundTrip(const std::filesystem::path& file, const Settings& settings, NumberFormat numbers,
                   const ShortDateFormat& dates)
{
    WriteSettings(file, settings, numbers, dates);
    return ReadSettings(file, numbers, dates);
}

// What start-up does with the values read: the air state of the settings tab and the
// update reminder's interval.
void UseAtStart(const Settings& settings, NumberFormat numbers)
{
    fuzz::Expecting([&] {
        const auto air = ComputeAirProperties({settings.temperature, settings.atmosphericPressure, settings.humidity}, numbers);
        if (air) {
            DensityText(*air, numbers);
            ViscosityText(*air, numbers);
        }
    });
    fuzz::Expecting([&] {
        const long long interval = ParseInteger(settings.dateDistance);
        UpdateReminderDue(settings.checkForUpdates == 1, settings.lastUpdate, static_cast<long>(interval),
                          CalendarDate{2024, 2, 29});
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ShortDateFormat kDates[] = {ShortDateFormat("dd.MM.yyyy"), ShortDateFormat("M/d/yy")};
    const auto file = fuzz::WriteInput(data, size, "Kalvintera.ini");
    const auto written = file.parent_path() / "written.ini";
    for (std::size_t k = 0; k < fuzz::kBothSeparators.size(); ++k) {
        const NumberFormat numbers = fuzz::kBothSeparators[k];
        const ShortDateFormat& dates = kDates[k];
        Settings read;
        if (!fuzz::Expecting([&] { read = ReadSettings(file, numbers, dates); })) continue;
        UseAtStart(read, numbers);
        // A long value is cut at its first reading with a key of another length, and a
        // two-digit year settles on its century; after that nothing may change.
        const Settings once = RoundTrip(written, read, numbers, dates);
        const Settings twice = RoundTrip(written, once, numbers, dates);
        fuzz::Require(once == twice, "the settings file does not keep what it holds");
    }
    return 0;
}
