#pragma once

#include "cli/arguments.h"
#include "core/catalogue/device_table.h"
#include "core/shell/language_table.h"
#include "core/shell/settings.h"

#include <ostream>
#include <string>

namespace kalvintera::cli {

// What a search command needs of the data folder, loaded the way the program loads it:
// the device database, the settings file and the language file the settings name.
// Numbers on the command line and in the output use the point.
struct Session {
    explicit Session(DataFolder folder) : data(std::move(folder)) {}

    DataFolder data;
    Settings settings;
    DeviceTable devices;
    LanguageTable language;
    bool language_loaded = false;
    NumberFormat numbers = NumberFormat::point();
};

// FileError when the device database cannot be read; a missing settings or language file
// only leaves the built-in values (messages then show their line numbers).
Session OpenSession(const Arguments& arguments);

// The same without the device database, for the calculators, which only need the messages
// of the language the settings name: `devices` stays empty.
Session OpenSettingsSession(const Arguments& arguments);

// The message of language line `line`, or "message N" when no language file is loaded.
std::string MessageOf(const Session& session, int line);

// A search that found nothing or stopped at a message: the message on stderr, exit 0.
int ReportMessage(const Session& session, int line, std::ostream& err);

// Records a search skipped because their own data is unusable.
void ReportProblems(const std::vector<std::string>& problems, std::ostream& err);

// The text of a numeric option as given, once it is known to be a number: the searches
// read the texts as the windows' fields hold them. UsageError when missing or not a number.
std::string RequiredNumberText(const Arguments& arguments, std::string_view name);
// Empty when the option is not given.
std::string OptionalNumberText(const Arguments& arguments, std::string_view name);

} // namespace kalvintera::cli
