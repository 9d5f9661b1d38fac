// language build TABLE... OUTDIR: the four language files from the language string tables
// (one per area of the program; a line may stand in one table only).

#include "cli/command_list.h"
#include "core/errors.h"
#include "core/shell/file_io.h"
#include "core/shell/language_source.h"
#include "core/shell/language_table.h"

#include <filesystem>

namespace kalvintera::cli {
namespace {

int Build(const Arguments& arguments, CommandContext& context)
{
    const std::vector<std::string>& paths = arguments.positional();
    if (paths.size() < 3) throw UsageError("expected build TABLE... OUTDIR");
    const std::filesystem::path folder = paths.back();
    LanguageSource source;
    for (std::size_t i = 1; i + 1 < paths.size(); ++i) {
        const std::filesystem::path table = paths[i];
        try {
            MergeLanguageSource(source, ParseLanguageSource(ReadWholeFile(table)));
        } catch (const DataError& error) {
            throw DataError(PathText(table) + ", " + error.what());
        }
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw FileError("Cannot create the folder " + PathText(folder) + ": " + error.message());
    for (int language = 1; language <= static_cast<int>(kLanguageSourceKeys.size()); ++language) {
        const auto files = FilesForLanguage(language);
        const std::filesystem::path file = folder / std::filesystem::path(files->languageFile).filename();
        WriteFileAtomically(file, BuildLanguageFile(source, language));
        context.out << PathText(file) << '\n';
    }
    return 0;
}

int Run(const Arguments& arguments, CommandContext& context)
{
    const std::string action = arguments.positional().empty() ? std::string() : arguments.positional()[0];
    if (action == "build") return Build(arguments, context);
    throw UsageError(action.empty() ? "language needs build" : "unknown language action \"" + action + "\"");
}

} // namespace

extern const Command kLanguageCommand{
    "language",
    "language build TABLE... OUTDIR   write polish.lng, english.lng, german.lng, russian.lng",
    {},
    Run,
};

} // namespace kalvintera::cli
