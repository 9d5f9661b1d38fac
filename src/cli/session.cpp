#include "cli/session.h"

#include <filesystem>

namespace kalvintera::cli {

Session OpenSettingsSession(const Arguments& arguments)
{
    Session session(arguments.dataFolder());
    session.settings = ReadSettings(session.data.resolve(kSettingsFileName), session.numbers, ShortDateFormat());
    if (const auto files = FilesForLanguage(session.settings.language)) {
        const std::filesystem::path file = session.data.resolve(files->languageFile);
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error)) {
            session.language.load(file, files->codePage);
            session.language_loaded = true;
        }
    }
    return session;
}

Session OpenSession(const Arguments& arguments)
{
    Session session = OpenSettingsSession(arguments);
    LoadDeviceTable(session.data.resolve("urzadzenia.dbx"), session.devices, session.numbers);
    return session;
}

std::string MessageOf(const Session& session, int line)
{
    return session.language_loaded ? session.language.line(line) : "message " + std::to_string(line);
}

int ReportMessage(const Session& session, int line, std::ostream& err)
{
    err << MessageOf(session, line) << '\n';
    return 0;
}

void ReportProblems(const std::vector<std::string>& problems, std::ostream& err)
{
    for (const std::string& problem : problems) err << "warning: skipped: " << problem << '\n';
}

std::string RequiredNumberText(const Arguments& arguments, std::string_view name)
{
    arguments.number(name);
    return *arguments.value(name);
}

std::string OptionalNumberText(const Arguments& arguments, std::string_view name)
{
    return arguments.optionalNumber(name) ? *arguments.value(name) : std::string();
}

} // namespace kalvintera::cli
