#pragma once

#include "core/shell/calendar_date.h"
#include "core/text/number_format.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// Where the update server keeps its files, below its address.
inline constexpr std::string_view kVersionFilePath = "/kalvintera/kalvintera_update.txt";
inline constexpr std::string_view kNewsFilePath = "/kalvintera/news.txt";
inline constexpr std::string_view kNewsFileName = "news.txt";
inline constexpr std::string_view kUpdateAgent = "Fast Download";

// Bytes read and written per block of a download.
inline constexpr std::size_t kDownloadBlockBytes = 1024;

// The version file published by the update server: at most 5 lines are read.
// Line 1 is the newest version ("." or "," as separator; empty = no information),
// line 3 the address of its installer.
struct VersionFile {
    std::vector<std::string> lines;

    std::string line(std::size_t number) const { return number >= 1 && number <= lines.size() ? lines[number - 1] : std::string(); }
    std::string newestVersion() const { return line(1); }
    std::string installerAddress() const;
};

inline constexpr std::size_t kVersionFileLines = 5;

// Splits at CR LF, LF or CR; each line kept whole apart from its line end.
VersionFile ParseVersionFile(std::string_view text);

// Versions are compared at 3 decimals, halves to the even neighbour: 1.0412 is no newer
// than 1.041. The remote text passes the decimal rule first, so "1,05" reads in a point
// locale. ConversionError when it is not a number.
bool IsNewerVersion(std::string_view remote_text, double local_version, NumberFormat numbers);

// The file name an installer address is saved under: the text after its last "/" (or "\"),
// without a query or fragment. DataError when that leaves no plain file name (empty, "."
// or ".."), so an address can never place the file outside the download folder.
std::string InstallerFileName(std::string_view address);

// The start-up reminder is due when checking is switched on and the last check is more than
// `interval_days` before `today`: exactly the interval ago, or in the future, is not due.
bool UpdateReminderDue(bool checking, const CalendarDate& last_update, long interval_days, const CalendarDate& today);

// Progress of a download in whole kilobytes (bytes div 1024).
long long WholeKilobytes(long long bytes);
// "4882 kB " — the amount downloaded so far.
std::string DownloadedAmountText(long long bytes);
// "/ 4882 kB" — the announced total; empty when the server announced none.
std::string DownloadTotalText(std::optional<long long> total_bytes);

// The Content-Length header as a byte count; none when it is missing, not a plain decimal
// number, or out of range.
std::optional<long long> ParseContentLength(std::string_view header);

} // namespace kalvintera
