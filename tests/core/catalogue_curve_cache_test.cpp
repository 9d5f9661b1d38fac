// The curve-file cache never changes a result: what it gives is what reading the file
// again would give, whatever happened to the file in between.

#include "core/catalogue/curve_cache.h"
#include "core/errors.h"
#include "core/shell/data_folder.h"
#include "core/shell/file_io.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

using namespace kalvintera;

namespace {

class CurveCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = std::filesystem::temp_directory_path()
                / ("kalvintera-cache-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "interpolacja" / "vdp");
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    void write(const std::string& name, const std::string& text, int seconds_later = 0)
    {
        const auto file = root_ / "interpolacja" / "vdp" / name;
        WriteFileAtomically(file, text);
        // Some file systems keep whole seconds: make a change visible as one.
        std::filesystem::last_write_time(file, std::filesystem::file_time_type::clock::now()
                                                   + std::chrono::seconds(seconds_later));
    }
    std::string errorOf(CurveFileCache& cache, const DataFolder& data, const std::string& name)
    {
        try {
            cache.read(data, "interpolacja/vdp/" + name, 1.0, NumberFormat::point(), cache.beginUse());
        } catch (const KalvinteraError& error) {
            return error.what();
        }
        return {};
    }
    std::filesystem::path root_;
};

} // namespace

TEST_F(CurveCache, ReadsOnceAndSeesEveryChangeOnDisk)
{
    const DataFolder data(root_);
    CurveFileCache& cache = data.curveCache();
    write("a.txt", "0;300\r\n1000;100\r\n");
    const auto first = cache.read(data, "interpolacja/vdp/a.txt", 1.0, NumberFormat::point(), cache.beginUse());
    const auto again = cache.read(data, "interpolacja/vdp/a.txt", 1.0, NumberFormat::point(), cache.beginUse());
    EXPECT_EQ(first.get(), again.get());
    EXPECT_EQ(cache.fileReads(), 1u);
    // A copy of the data folder shares the cache.
    const DataFolder copy = data;
    EXPECT_EQ(&copy.curveCache(), &cache);

    // Changed: read again, with the new numbers.
    write("a.txt", "0;400\r\n1000;100\r\n", 5);
    const auto changed = cache.read(data, "interpolacja/vdp/a.txt", 1.0, NumberFormat::point(), cache.beginUse());
    EXPECT_EQ(changed->point(1).Y, 400);
    EXPECT_EQ(cache.fileReads(), 2u);

    // Within one use the disk is looked at once: a search sees one state of the files.
    const std::uint64_t use = cache.beginUse();
    cache.read(data, "interpolacja/vdp/a.txt", 1.0, NumberFormat::point(), use);
    EXPECT_EQ(cache.read(data, "interpolacja/vdp/a.txt", 100.0, NumberFormat::point(), use)->point(1).Y, 4);

    // Removed: the same error as reading a missing file, every time.
    std::filesystem::remove(root_ / "interpolacja" / "vdp" / "a.txt");
    const std::string missing = errorOf(cache, data, "a.txt");
    EXPECT_FALSE(missing.empty());
    CurveFileCache fresh;
    EXPECT_EQ(errorOf(fresh, data, "a.txt"), missing);
}

TEST_F(CurveCache, BrokenFilesAreNeverKeptAndTheCacheStaysBounded)
{
    const DataFolder data(root_);
    write("bad.txt", "0;300\r\n500;120;7\r\n");
    CurveFileCache cache;
    const std::string error = errorOf(cache, data, "bad.txt");
    EXPECT_NE(error.find("line 2"), std::string::npos);
    EXPECT_EQ(errorOf(cache, data, "bad.txt"), error);
    EXPECT_EQ(cache.size(), 0u);
    write("bad.txt", "0;300\r\n500;120\r\n", 5);
    EXPECT_EQ(errorOf(cache, data, "bad.txt"), "");

    write("one.txt", "0;1\r\n1;0\r\n");
    for (std::size_t n = 0; n < CurveFileCache::kMaxFiles + 10; ++n) {
        // The same file under many divisors stands for many files.
        cache.read(data, "interpolacja/vdp/one.txt", 1.0 + static_cast<double>(n), NumberFormat::point(), 0);
    }
    EXPECT_LE(cache.size(), CurveFileCache::kMaxFiles);
}
