#include "core/shell/update_check.h"

#include "core/errors.h"
#include "core/shell/shell_lines.h"
#include "core/text/rounding.h"

#include <charconv>
#include <string>

namespace kalvintera {
namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

} // namespace

std::string VersionFile::installerAddress() const
{
    return std::string(Trimmed(line(3)));
}

VersionFile ParseVersionFile(std::string_view text)
{
    VersionFile file;
    std::size_t start = 0;
    while (start < text.size() && file.lines.size() < kVersionFileLines) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        file.lines.emplace_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return file;
}

bool IsNewerVersion(std::string_view remote_text, double local_version, NumberFormat numbers)
{
    const double remote = RoundHalfEven(ParseNumber(NormalizeDecimal(remote_text, numbers), numbers), 3);
    const double local = RoundHalfEven(local_version, 3);
    return local < remote;
}

std::string InstallerFileName(std::string_view address)
{
    std::string_view name = Trimmed(address);
    if (const auto cut = name.find_first_of("?#"); cut != std::string_view::npos) name = name.substr(0, cut);
    if (const auto slash = name.find_last_of("/\\"); slash != std::string_view::npos) name = name.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") {
        throw DataError("The update server names no installer file in the address '" + std::string(address) + "'",
                        {shell_line::kBadInstallerAddress, {std::string(address)}});
    }
    return std::string(name);
}

bool UpdateReminderDue(bool checking, const CalendarDate& last_update, long interval_days, const CalendarDate& today)
{
    return checking && DaysBetween(last_update, today) > interval_days;
}

long long WholeKilobytes(long long bytes)
{
    return bytes / 1024;
}

std::string DownloadedAmountText(long long bytes)
{
    return std::to_string(WholeKilobytes(bytes)) + " kB ";
}

std::string DownloadTotalText(std::optional<long long> total_bytes)
{
    if (!total_bytes) return {};
    return "/ " + std::to_string(WholeKilobytes(*total_bytes)) + " kB";
}

std::optional<long long> ParseContentLength(std::string_view header)
{
    const std::string_view digits = Trimmed(header);
    if (digits.empty()) return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || value < 0) return std::nullopt;
    return value;
}

} // namespace kalvintera
