// What the readers do with a "file" that would never end or that is far too large: they
// stop with a FileError naming it instead of reading until memory runs out or blocking.
#include "core/catalogue/curve_file.h"
#include "core/catalogue/device_table.h"
#include "core/ductloss/duct_run.h"
#include "core/errors.h"
#include "core/humidair/chart_file.h"
#include "core/order/order_file.h"
#include "core/shell/file_io.h"
#include "core/shell/language_table.h"
#include "core/shell/settings.h"

#include "shell_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

using namespace kalvintera;
using kalvintera::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

// Calls every reader of an outside file on `file`; each must fail with a FileError that
// names it.
void ExpectEveryReaderRefuses(const fs::path& file)
{
    const std::string name = file.string();
    const auto expect_refused = [&](const char* reader, auto&& read) {
        try {
            read();
            ADD_FAILURE() << reader << " read " << name;
        } catch (const FileError& error) {
            EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << reader << ": " << error.what();
        }
    };
    expect_refused("ReadWholeFile", [&] { ReadWholeFile(file); });
    expect_refused("ReadSettings", [&] { ReadSettings(file, NumberFormat::point(), ShortDateFormat()); });
    expect_refused("LanguageTable::load", [&] { LanguageTable().load(file, CodePage::Cp1250); });
    expect_refused("ReadCurveFile", [&] { ReadCurveFile(file, 1, NumberFormat::point()); });
    expect_refused("ReadOrderFile", [&] { ReadOrderFile(file); });
    expect_refused("ReadRunFile", [&] { ReadRunFile(file); });
    expect_refused("ReadChartPointFile", [&] { ReadChartPointFile(file); });
    expect_refused("ReadChartProcessFile", [&] { ReadChartProcessFile(file); });
    DeviceTable table;
    expect_refused("LoadDeviceTable", [&] { LoadDeviceTable(file, table, NumberFormat::point()); });
}

} // namespace

TEST(ReaderBounds, AnEndlessDeviceInAFilesPlaceIsRefused)
{
    // /dev/zero never reaches its end: read whole, it would take every byte of memory.
    ExpectEveryReaderRefuses("/dev/zero");

    // A link to it is no better.
    TempFolder folder;
    fs::create_symlink("/dev/zero", folder / "Kalvintera.ini");
    ExpectEveryReaderRefuses(folder / "Kalvintera.ini");

    // The language table keeps what it held when a file is refused.
    LanguageTable table;
    table.load(folder.write("polish.lng", "Pierwsza\r\nDruga\r\n"), CodePage::Cp1250);
    EXPECT_THROW(table.load(folder / "Kalvintera.ini", CodePage::Cp1250), FileError);
    EXPECT_EQ(table.line(2), "Druga");
}

TEST(ReaderBounds, APipeWithoutWriterIsRefusedWithoutWaiting)
{
    // Opening a pipe for reading waits for a writer that never comes.
    TempFolder folder;
    const fs::path pipe = folder / "zamowienie.kvt";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ExpectEveryReaderRefuses(pipe);
}

TEST(ReaderBounds, AFileLargerThanTheBoundIsRefusedBeforeReading)
{
    TempFolder folder;
    // Sparse: the size is there without the disk space.
    const fs::path huge = folder / "urzadzenia.dbx";
    folder.write("urzadzenia.dbx", "");
    fs::resize_file(huge, kMaxReadBytes + kDeviceRecordSize);
    ExpectEveryReaderRefuses(huge);

    // The bound itself still reads; one byte more does not.
    const fs::path small = folder.write("ver.txt", "0123456789");
    EXPECT_EQ(ReadWholeFile(small, 10), "0123456789");
    EXPECT_THROW(ReadWholeFile(small, 9), FileError);

    // A link to an ordinary file reads as the file.
    fs::create_symlink(small, folder / "link.txt");
    EXPECT_EQ(ReadWholeFile(folder / "link.txt"), "0123456789");
}
