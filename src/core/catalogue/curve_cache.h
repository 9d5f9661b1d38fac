#pragma once

#include "core/catalogue/curve_file.h"
#include "core/text/number_format.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <tuple>

namespace kalvintera {

class DataFolder;

// Curve files read once and shared by the searches, the charts and the details. A file is
// read again when its size or modification time changed (or it now resolves to another
// file); a file that fails to read is never kept, so it fails again with the same error.
// Within one use (a search, a chart, a whole schedule) a file is looked at on disk at most
// once. Bounded: the least recently used tables are dropped beyond kMaxFiles.
class CurveFileCache {
public:
    static constexpr std::size_t kMaxFiles = 4096;

    // A new use: files are looked at on disk again on their first read in it.
    std::uint64_t beginUse();

    // The table of data-folder file `relative` as ReadCurveFile(resolve(relative), divisor,
    // format) reads it, with the same errors.
    std::shared_ptr<const CurveTable> read(const DataFolder& data, std::string_view relative, double divisor,
                                           NumberFormat format, std::uint64_t use);

    std::size_t size() const;
    // How many times a file was actually read, for tests.
    std::uint64_t fileReads() const;

private:
    using Key = std::tuple<std::string, double, char>;
    // What the disk says of a file: enough to see that it changed.
    struct Stamp {
        long long bytes = -1;
        long long seconds = 0;
        long long nanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const std::filesystem::path& file);

    struct Entry {
        std::filesystem::path file;
        // The name resolved to itself, letter for letter: while that file is there, the
        // name resolves to it again, and one look at it tells whether it changed.
        bool exact = false;
        Stamp stamp;
        std::shared_ptr<const CurveTable> table;
        std::uint64_t checked_in_use = 0;
        std::uint64_t last_used = 0;
    };
    void dropLeastRecentlyUsed();

    mutable std::mutex mutex_;
    std::map<Key, Entry> entries_;
    std::uint64_t uses_ = 0;
    std::uint64_t clock_ = 0;
    std::uint64_t file_reads_ = 0;
};

} // namespace kalvintera
