#include "core/catalogue/curve_cache.h"

#include "core/shell/data_folder.h"

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

std::shared_ptr<const CurveTable> CurveFileCache::read(const DataFolder& data, std::string_view relative,
                                                       double divisor, NumberFormat format, std::uint64_t use)
{
    const Key key{std::string(relative), divisor, format.decimal_separator};
    {
        const std::lock_guard lock(mutex_);
        const auto found = entries_.find(key);
        if (found != entries_.end() && use != 0 && found->second.checked_in_use == use) {
            found->second.last_used = ++clock_;
            return found->second.table;
        }
    }
    const std::filesystem::path file = data.resolve(relative);
    std::error_code size_error;
    std::error_code time_error;
    const std::uintmax_t bytes = std::filesystem::file_size(file, size_error);
    const std::filesystem::file_time_type modified = std::filesystem::last_write_time(file, time_error);
    const bool known_on_disk = !size_error && !time_error;
    {
        const std::lock_guard lock(mutex_);
        const auto found = entries_.find(key);
        if (known_on_disk && found != entries_.end() && found->second.file == file && found->second.bytes == bytes
            && found->second.modified == modified) {
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
    if (known_on_disk) {
        entries_[key] = Entry{file, bytes, modified, table, use, ++clock_};
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
