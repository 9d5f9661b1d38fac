// Every file the user keeps, written while its folder refuses writes, while the disk is
// full and while a folder stands in its place: the old file stays as it was, nothing is
// left behind, and the error names the file.

#include "core/errors.h"
#include "core/ductloss/duct_run.h"
#include "core/ductloss/run_export.h"
#include "core/humidair/chart_file.h"
#include "core/order/order_file.h"
#include "core/order/order_mail.h"
#include "core/order/order_printout.h"
#include "core/shell/file_io.h"
#include "core/shell/settings.h"
#include "support/write_faults.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace kalvintera;
using namespace kalvintera::testing;
namespace fs = std::filesystem;

namespace {

class Folder {
public:
    Folder()
    {
        std::string pattern = (fs::temp_directory_path() / "kalvintera-faults-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        root_ = pattern;
    }
    ~Folder()
    {
        std::error_code ignored;
        fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(root_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    const fs::path& root() const { return root_; }

private:
    fs::path root_;
};

// Where a fault is aimed, and the size at which the full disk stops that file (and not an
// earlier one of the same save).
struct Target {
    std::string file;
    std::uintmax_t disk_bytes = 16;
};

// One writer of a kept file: the files one save writes, the first one named to it.
struct Writer {
    const char* kind;
    std::vector<Target> targets;
    std::function<void(const fs::path&)> write;
};

OrderList SampleOrder()
{
    OrderList order;
    for (int device = 1; device <= 2; ++device) {
        OrderLine line;
        line.DeviceIndex = device;
        line.Quantity = "2";
        line.Colour = "RAL 5010";
        line.Execution = "N/A";
        line.Arrangement = "NA";
        line.Voltage = "230";
        EXPECT_EQ(order.append(line), AppendResult::Appended);
    }
    return order;
}

std::vector<FittingRow> SampleRows()
{
    std::vector<FittingRow> rows(2);
    rows[0].Lp = "0";
    rows[0].Name = "KANAŁ_OKRĄGŁY";
    rows[0].Flow = "1200";
    rows[0].TotalLoss = "12.5";
    rows[1].Lp = "1";
    rows[1].Name = "KOLANO_OKRĄGŁE";
    rows[1].Flow = "1200";
    rows[1].TotalLoss = "3.25";
    return rows;
}

std::vector<ChartPoint> SamplePoints()
{
    ChartPoint point;
    point.name = "ZIMA";
    point.temperature_c = -20;
    point.moisture_kgkg = 0.0006;
    return {point};
}

// Three processes take more bytes (132) than the one point (104), so a disk that holds the
// point file can still be full for the process file.
std::vector<ChartProcess> SampleProcesses()
{
    return {{"OGRZEWANIE", "ZIMA", "ZIMA", true}, {"NAWILŻANIE", "ZIMA", "ZIMA", false}, {"CHŁODZENIE", "ZIMA", "ZIMA", true}};
}

std::vector<Writer> KeptFileWriters()
{
    Settings settings;
    settings.name = "Jan Kowalski";
    settings.city = "Łódź";
    return {
        {"settings", {{kSettingsFileName}},
         [settings](const fs::path& file) { WriteSettings(file, settings, NumberFormat::point(), ShortDateFormat()); }},
        {"order", {{"zamówienie.kvt"}}, [](const fs::path& file) { WriteOrderFile(file, SampleOrder()); }},
        {"e-mail order", {{OrderMailFileName("Jan Kowalski", "09.12.2026")}},
         [](const fs::path& file) { WriteOrderFile(file, SampleOrder()); }},
        {"calculation", {{"instalacja.moh"}}, [](const fs::path& file) { WriteRunFile(file, SampleRows()); }},
        {"chart", {{"wykres.ixc"}, {"wykres.ixp", 120}},
         [](const fs::path& file) { WriteChartFiles(file, SamplePoints(), SampleProcesses()); }},
        {"printout", {{"zamówienie.txt"}},
         [](const fs::path& file) { WritePrintoutFile(file, {"", "Klient  Jan Kowalski", "0  WENTYLATOR DACHOWY"}); }},
        {"text export", {{std::string(kRunExportFileName)}}, [](const fs::path& file) { WriteRunExport(file, SampleRows()); }},
        {"CSV export", {{std::string(kRunCsvFileName)}}, [](const fs::path& file) { WriteRunCsv(file, SampleRows()); }},
    };
}

// Every file of the writer, with old contents of its own.
std::map<std::string, std::string> WriteOldFiles(const Writer& writer, const fs::path& folder)
{
    std::map<std::string, std::string> old;
    for (const Target& target : writer.targets) {
        old[target.file] = "the contents the user saved before in " + target.file;
        std::ofstream(folder / target.file, std::ios::binary) << old[target.file];
    }
    return old;
}

// Runs the writer's save under the fault aimed at `target` and checks what must hold
// after any failed save.
void ExpectFailedSaveHarmless(const Writer& writer, WriteFault fault, const Target& target)
{
    SCOPED_TRACE(std::string(writer.kind) + ", " + FaultName(fault) + ", aimed at " + target.file);
    const Folder folder;
    const std::map<std::string, std::string> old = WriteOldFiles(writer, folder.root());
    const fs::path aimed = folder.root() / target.file;
    const fs::path named = folder.root() / writer.targets.front().file;
    {
        const InjectedFault injected(fault, aimed, target.disk_bytes);
        const auto listing = FolderListing(folder.root());
        try {
            writer.write(named);
            ADD_FAILURE() << "the save reported no error";
        } catch (const FileError& error) {
            EXPECT_NE(std::string(error.what()).find(PathText(aimed)), std::string::npos) << error.what();
        }
        EXPECT_EQ(FolderListing(folder.root()), listing) << "a temporary file was left behind";
    }
    for (const auto& [file, bytes] : old) {
        if (fault == WriteFault::FolderInPlace && file == target.file) {
            EXPECT_TRUE(fs::is_directory(aimed));
            EXPECT_EQ(FileBytes(aimed / "inside.txt"), "a file of the folder");
        } else {
            EXPECT_EQ(FileBytes(folder.root() / file), bytes) << file << " was changed";
        }
    }
}

} // namespace

TEST(FileFaults, WithoutAFaultEverySaveReplacesItsFiles)
{
    // The table itself: each writer really writes the files the faults are aimed at.
    for (const Writer& writer : KeptFileWriters()) {
        SCOPED_TRACE(writer.kind);
        const Folder folder;
        const std::map<std::string, std::string> old = WriteOldFiles(writer, folder.root());
        writer.write(folder.root() / writer.targets.front().file);
        for (const Target& target : writer.targets) {
            EXPECT_NE(FileBytes(folder.root() / target.file), old.at(target.file)) << target.file;
            EXPECT_GT(fs::file_size(folder.root() / target.file), target.disk_bytes) << target.file;
        }
        EXPECT_EQ(FolderListing(folder.root()).size(), writer.targets.size());
    }
}

TEST(FileFaults, ReadOnlyFolderKeepsEveryOldFile)
{
    for (const Writer& writer : KeptFileWriters()) ExpectFailedSaveHarmless(writer, WriteFault::ReadOnlyFolder, writer.targets.front());
}

TEST(FileFaults, FullDiskKeepsEveryOldFile)
{
    // For a chart, the disk is also full only once the point file has been written.
    for (const Writer& writer : KeptFileWriters()) {
        for (const Target& target : writer.targets) ExpectFailedSaveHarmless(writer, WriteFault::FullDisk, target);
    }
}

TEST(FileFaults, FolderInTheFilesPlaceIsRefusedAndKept)
{
    // A chart's process file replaced by a folder must not leave the new points beside the old processes.
    for (const Writer& writer : KeptFileWriters()) {
        for (const Target& target : writer.targets) ExpectFailedSaveHarmless(writer, WriteFault::FolderInPlace, target);
    }
}

TEST(FileFaults, ASaveAfterTheFaultIsGoneSucceeds)
{
    // Nothing of a failed save stands in the way of the next one: no stale temporary file,
    // no permission left changed.
    for (const Writer& writer : KeptFileWriters()) {
        SCOPED_TRACE(writer.kind);
        const Folder folder;
        const fs::path file = folder.root() / writer.targets.front().file;
        for (const WriteFault fault : {WriteFault::ReadOnlyFolder, WriteFault::FullDisk}) {
            const InjectedFault injected(fault, file);
            EXPECT_THROW(writer.write(file), FileError) << FaultName(fault);
        }
        writer.write(file);
        writer.write(file);
        EXPECT_EQ(FolderListing(folder.root()).size(), writer.targets.size());
    }
}
