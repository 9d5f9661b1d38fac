// catalogue build SOURCE OUT.dbx / catalogue dump IN.dbx: between the readable catalogue
// text and the device database the program reads.

#include "cli/command_list.h"
#include "core/catalogue/catalogue_text.h"
#include "core/catalogue/device_table.h"
#include "core/errors.h"
#include "core/shell/file_io.h"

#include <filesystem>

namespace kalvintera::cli {
namespace {

int Build(const Arguments& arguments, CommandContext& context)
{
    arguments.expectPositional({"build", "SOURCE", "OUT.dbx"});
    const std::filesystem::path source = arguments.positional()[1];
    const std::filesystem::path target = arguments.positional()[2];
    std::vector<DeviceRecord> records;
    try {
        records = ParseCatalogueText(ReadWholeFile(source));
    } catch (const DataError& error) {
        throw DataError(PathText(source) + ", " + error.what());
    }
    WriteDeviceFile(target, records);
    context.out << PathText(target) << ": " << records.size() << " records\n";
    return 0;
}

int Dump(const Arguments& arguments, CommandContext& context)
{
    arguments.expectPositional({"dump", "IN.dbx"});
    const std::filesystem::path file = arguments.positional()[1];
    const std::vector<DeviceRecord> records = ReadDeviceFile(file);
    // The program reads no more than the table holds; say so rather than drop records silently.
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (!error && size / kDeviceRecordSize > records.size()) {
        context.err << "note: " << PathText(file) << " holds " << size / kDeviceRecordSize
                    << " records; only the first " << records.size() << " are read and dumped\n";
    }
    context.out << DumpCatalogueText(records);
    return 0;
}

int Run(const Arguments& arguments, CommandContext& context)
{
    const std::string action = arguments.positional().empty() ? std::string() : arguments.positional()[0];
    if (action == "build") return Build(arguments, context);
    if (action == "dump") return Dump(arguments, context);
    throw UsageError(action.empty() ? "catalogue needs build or dump" : "unknown catalogue action \"" + action + "\"");
}

} // namespace

extern const Command kCatalogueCommand{
    "catalogue",
    "catalogue build SOURCE OUT.dbx   build a device database from catalogue text\n"
    "catalogue dump IN.dbx            print a device database as catalogue text",
    {},
    Run,
};

} // namespace kalvintera::cli
