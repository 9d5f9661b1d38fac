#include "core/catalogue/curve_cache.h"

#include "core/shell/data_folder.h"

#include <sys/stat.h>

#include <algorithm>
#include <vector>

namespace kalvintera {

std::uint64_t CurveFileCache::beginUse()
{
    const std::lock_guard lock(mutex_);
    return ++uses_;
}

std::size_t CurveFileCache::size() const
{
    const std::lock_guard lock(mutex_);
    return entries_.size();
}

std::uint64_t CurveFileCache::fileReads() const
{
    const std::lock_guard lock(mutex_);
    return file_reads_;
}

CurveFileCache::Stamp CurveFileCache::StampOf(const std::filesystem::path& file)
{
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return {};
    return {static_cast<long long>(status.st_size), static_cast<long long>(status.st_mtim.tv_sec),
            static_cast<long long>(status.st_mtim.tv_nsec)};
}

namespace {

// The path a name of the data folder has when every part of it matches letter for letter.
std::filesystem::path LiteralPath(const std::filesystem::path& root, std::string_view relative)
{
    std::filesystem::path path = root;
    std::string part;
    for (std::size_t i = 0; i <= relative.size(); ++i) {
        if (i == relative.size() || relative[i] == '/' || relative[i] == '\\') {
            if (!part.empty() && part != ".") path /= part;
            part.clear();
        } else {
            part += relative[i];
        }
    }
    return path;
}

} // namespace

std::shared_ptr<const CurveTable> CurveFileCache::read(const DataFolder& data, std::string_view relative,
                                                       double divisor, NumberFormat format, std::uint64_t use)
{
    const Key key{std::string(relative), divisor, format.decimal_separator};
    std::filesystem::path known_file;
    Stamp known_stamp;
    {
        const std::lock_guard lock(mutex_);
        const auto found = entries_.find(key);
        if (found != entries_.end()) {
            if (use != 0 && found->second.checked_in_use == use) {
                found->second.last_used = ++clock_;
                return found->second.table;
            }
            if (found->second.exact) {
                known_file = found->second.file;
                known_stamp = found->second.stamp;
            }
        }
    }
    // The quick look: the same file, unchanged.
    if (!known_file.empty() && StampOf(known_file) == known_stamp && known_stamp.bytes >= 0) {
        const std::lock_guard lock(mutex_);
        const auto found = entries_.find(key);
        if (found != entries_.end() && found->second.file == known_file && found->second.stamp == known_stamp) {
            found->second.checked_in_use = use;
            found->second.last_used = ++clock_;
            return found->second.table;
        }
    }
    const std::filesystem::path file = data.resolve(relative);
    const Stamp stamp = StampOf(file);
    {
        const std::lock_guard lock(mutex_);
        const auto found = entries_.find(key);
        if (stamp.bytes >= 0 && found != entries_.end() && found->second.file == file && found->second.stamp == stamp) {
            found->second.checked_in_use = use;
            found->second.last_used = ++clock_;
            return found->second.table;
        }
        if (found != entries_.end()) entries_.erase(found);
    }
    // Read outside the lock; a file that cannot be read throws here as it always did.
    auto table = std::make_shared<const CurveTable>(ReadCurveFile(file, divisor, format));
    const std::lock_guard lock(mutex_);
    ++file_reads_;
    if (stamp.bytes >= 0) {
        entries_[key] = Entry{file, file == LiteralPath(data.root(), relative), stamp, table, use, ++clock_};
        if (entries_.size() > kMaxFiles) dropLeastRecentlyUsed();
    }
    return table;
}

void CurveFileCache::dropLeastRecentlyUsed()
{
    // Down to three quarters at once, so the sort is rare.
    std::vector<std::pair<std::uint64_t, Key>> ages;
    ages.reserve(entries_.size());
    for (const auto& [key, entry] : entries_) ages.emplace_back(entry.last_used, key);
    const std::size_t drop = entries_.size() - kMaxFiles * 3 / 4;
    std::nth_element(ages.begin(), ages.begin() + static_cast<std::ptrdiff_t>(drop), ages.end());
    for (std::size_t i = 0; i < drop; ++i) entries_.erase(ages[i].second);
}

} // namespace kalvintera
