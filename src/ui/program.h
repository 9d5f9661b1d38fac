#pragma once

#include "core/catalogue/device_table.h"
#include "core/details/throttling_values.h"
#include "core/order/order_list.h"
#include "core/selection/energy_settings.h"
#include "core/shell/air_properties.h"
#include "core/shell/calendar_date.h"
#include "core/shell/data_folder.h"
#include "core/shell/language_table.h"
#include "core/shell/settings.h"
#include "core/shell/units.h"
#include "platform/platform_services.h"
#include "platform/system_locale.h"
#include "ui/common/prompter.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace kalvintera {

// The program-wide state every window reads at the moment of use. Created once in main
// and handed to each window by reference; there are no other globals.
struct Program {
    Program(DataFolder folder, LocaleFormats formats, PlatformServices& services, Prompter& asker)
        : data(std::move(folder)), numbers(formats.numbers), dates(formats.dates), platform(services), prompter(asker)
    {
    }

    DataFolder data;        // DataDir
    NumberFormat numbers;   // the locale's decimal separator
    ShortDateFormat dates;  // the locale's short date
    PlatformServices& platform;
    Prompter& prompter;

    Settings settings;
    // The settings file exists but could not be read: the program runs on the defaults and
    // leaves the file alone at exit, so what the user had is not replaced by them.
    bool keepSettingsFile = false;
    DeviceTable devices;
    LanguageTable language;
    std::string MessageTitle; // language line 149 at the last activation of the main window

    // Settings that are not saved.
    FlowUnit flowUnit = FlowUnit::CubicMetresPerHour;
    PressureUnit pressureUnit = PressureUnit::Pascal;
    bool fadeEnabled = true;
    int EffectSpeed = 10;
    std::optional<AirProperties> air; // from the settings' air state, when it reads

    CalendarDate StartDate;
    int updateIntervalDays = 60;

    // Which selection module the main window opened the selection window for.
    int SelectionModule = 1;

    OrderList order;
    bool orderChanged = false;
    std::string orderFileName = "bez nazwy.kvt";

    // The device the details screen shows, and how it was reached.
    DeviceRecord CurrentDevice;
    DeviceRecord SavedDevice;
    bool OpenedFromFanSelection = false;
    bool OpenedFromCatalogue = false;
    bool DutyPointKnown = false;
    double SelectedCandidatePower = 0;
    // What the last throttling on the pressure chart left for the control element calculator.
    std::optional<ThrottlingValues> throttling;

    // The device indices of the last search on any tab of the selection window.
    std::vector<DeviceIndex> selectionResults;

    // A language file is in force (LanguageId 1..4); otherwise windows keep their built-in texts.
    bool languageChosen() const { return settings.language >= 1 && settings.language <= 4; }
    // The language whose texts the windows show: the chosen one once a language file has
    // been read, Polish (the built-in texts) before.
    int shownLanguage() const
    {
        return languageChosen() && language.holdsLanguageFile() ? settings.language : language_id::kPolish;
    }
    // The 8-bit code page of text files in the shown language that are not UTF-8.
    CodePage shownCodePage() const { return FilesForLanguage(shownLanguage())->codePage; }

    // The air density fans are searched, charted and figured at (the density correction).
    double fanAirDensity() const { return FanAirDensity(settings.densityCorrection == 1, air); }

    QString line(int n) const { return QString::fromStdString(language.line(n)); }

    // ShowInfo with language line `n` under MessageTitle.
    void showMessage(int n) const { prompter.showInfo(line(n), QString::fromStdString(MessageTitle)); }

    std::filesystem::path path(std::string_view relative) const { return data.resolve(relative); }
    bool fileExists(std::string_view relative) const;
};

} // namespace kalvintera
