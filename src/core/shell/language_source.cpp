#include "core/shell/language_source.h"

#include "core/errors.h"
#include "core/shell/file_io.h"
#include "core/shell/language_table.h"
#include "core/text/code_page.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace kalvintera {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kLanguages = kLanguageSourceKeys.size();

[[noreturn]] void Fail(std::size_t line_number, const std::string& reason)
{
    throw DataError("line " + std::to_string(line_number) + ": " + reason);
}

std::string_view TrimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsNumberLine(std::string_view trimmed)
{
    return !trimmed.empty() && std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The entry being read: its number, where it started, and which languages it has.
struct OpenEntry {
    int number = 0;
    std::size_t line_number = 0;
    std::array<bool, kLanguages> given{};
};

void RequireComplete(const OpenEntry& entry)
{
    for (std::size_t k = 0; k < kLanguages; ++k) {
        if (!entry.given[k]) {
            Fail(entry.line_number, "language line " + std::to_string(entry.number) + " has no "
                                        + std::string(kLanguageSourceKeys[k]) + " text");
        }
    }
}

int ReadNumber(std::string_view digits, std::size_t line_number)
{
    // Long digit runs would overflow; anything above four digits is out of range anyway.
    if (digits.size() > 4) Fail(line_number, "language line " + std::string(digits) + " is outside 1.."
                                                 + std::to_string(kLanguageLines));
    const int number = std::stoi(std::string(digits));
    if (number < 1 || number > kLanguageLines) {
        Fail(line_number, "language line " + std::to_string(number) + " is outside 1.."
                              + std::to_string(kLanguageLines));
    }
    return number;
}

void ReadText(std::string_view line, std::size_t line_number, OpenEntry& entry, LanguageSource& source)
{
    const std::size_t colon = line.find(':');
    const std::string_view key = colon == std::string_view::npos ? line : line.substr(0, colon);
    const auto found = std::find(kLanguageSourceKeys.begin(), kLanguageSourceKeys.end(), key);
    if (colon == std::string_view::npos || found == kLanguageSourceKeys.end()) {
        Fail(line_number, "expected a line number or \"pl: \", \"en: \", \"de: \", \"ru: \" and a text, found \""
                              + std::string(line) + "\"");
    }
    std::string_view text;
    if (colon + 1 < line.size()) {
        if (line[colon + 1] != ' ') Fail(line_number, "a space must follow \"" + std::string(key) + ":\"");
        text = line.substr(colon + 2);
    }
    const auto k = static_cast<std::size_t>(found - kLanguageSourceKeys.begin());
    if (entry.given[k]) {
        Fail(line_number, "language line " + std::to_string(entry.number) + " has two " + std::string(key) + " texts");
    }
    const std::size_t characters = CharacterCount(text);
    if (characters > kLanguageLineCharacters) {
        Fail(line_number, "the text has " + std::to_string(characters) + " characters; a language line holds "
                              + std::to_string(kLanguageLineCharacters));
    }
    source.texts[static_cast<std::size_t>(entry.number - 1)][k] = std::string(text);
    entry.given[k] = true;
}

} // namespace

LanguageSource ParseLanguageSource(std::string_view text)
{
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

    LanguageSource source;
    source.texts.resize(static_cast<std::size_t>(kLanguageLines));
    source.given.assign(static_cast<std::size_t>(kLanguageLines), false);
    std::vector<bool>& numbers_seen = source.given;
    std::optional<OpenEntry> entry;

    const std::vector<std::string> lines = SplitLines(text);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::size_t line_number = index + 1;
        const std::string_view line = lines[index];

        if (!IsValidUtf8(line)) Fail(line_number, "the text is not valid UTF-8");
        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty() || line.front() == '#') continue;
        if (IsNumberLine(trimmed)) {
            if (entry) RequireComplete(*entry);
            const int number = ReadNumber(trimmed, line_number);
            if (numbers_seen[static_cast<std::size_t>(number - 1)]) {
                Fail(line_number, "language line " + std::to_string(number) + " is given twice");
            }
            numbers_seen[static_cast<std::size_t>(number - 1)] = true;
            entry = OpenEntry{number, line_number, {}};
            continue;
        }
        if (!entry) Fail(line_number, "a text before the first language line number");
        ReadText(line, line_number, *entry, source);
    }
    if (entry) RequireComplete(*entry);
    return source;
}

void MergeLanguageSource(LanguageSource& whole, const LanguageSource& part)
{
    whole.texts.resize(static_cast<std::size_t>(kLanguageLines));
    whole.given.resize(static_cast<std::size_t>(kLanguageLines), false);
    for (std::size_t i = 0; i < part.given.size() && i < whole.given.size(); ++i) {
        if (!part.given[i]) continue;
        if (whole.given[i]) throw DataError("line " + std::to_string(i + 1) + " is given in two tables");
        whole.given[i] = true;
        whole.texts[i] = part.texts[i];
    }
}

std::string BuildLanguageFile(const LanguageSource& source, int language)
{
    if (language < 1 || language > static_cast<int>(kLanguages)) {
        throw std::out_of_range("no language file for LanguageId " + std::to_string(language));
    }
    const auto k = static_cast<std::size_t>(language - 1);
    // Files stay as long as they always were unless the table lists later lines.
    int last = kClassicLanguageLines;
    for (std::size_t i = 0; i < source.given.size(); ++i) {
        if (source.given[i]) last = std::max(last, static_cast<int>(i + 1));
    }
    std::string out;
    for (int n = 1; n <= last; ++n) {
        const auto index = static_cast<std::size_t>(n - 1);
        if (index < source.texts.size()) out += source.texts[index][k];
        out += "\r\n";
    }
    return out;
}

} // namespace kalvintera
