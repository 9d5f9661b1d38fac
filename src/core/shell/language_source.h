#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// The one readable table from which the four language files are generated, so that a
// line's texts in every language sit together:
//
//   # a comment line          (blank lines are ignored too)
//   146                       the language line number, 1..1400, on a line of its own
//   pl: Brak pliku językowego.
//   en: The language file is missing.
//   de: Die Sprachdatei fehlt.
//   ru: Языковой файл отсутствует.
//
// Each number takes a text for every language; a text is everything after "xx: " to the
// end of the line, at most 100 characters. Lines not listed stay empty in every file.

// The language keys in LanguageId order: "pl" is LanguageId 1, "ru" LanguageId 4.
inline constexpr std::array<std::string_view, 4> kLanguageSourceKeys = {"pl", "en", "de", "ru"};

struct LanguageSource {
    // texts[n - 1][k]: language line n in the language of key k.
    std::vector<std::array<std::string, 4>> texts;
    // given[n - 1]: line n is listed in the table.
    std::vector<bool> given;
};

// DataError naming the source line and the reason for a number outside 1..1400 or given
// twice, an unknown or repeated language key, a missing language, a text too long, a text
// before the first number, or text that is not UTF-8.
LanguageSource ParseLanguageSource(std::string_view text);

// Adds the lines of `part` (one table per area of the program) to `whole`. DataError
// naming the line when both list it.
void MergeLanguageSource(LanguageSource& whole, const LanguageSource& part);

// The language file of LanguageId `language` (1..4): lines 1..1100, or up to the last line
// the table lists when that is later, UTF-8, each ending in CR LF. std::out_of_range for another id.
std::string BuildLanguageFile(const LanguageSource& source, int language);

} // namespace kalvintera
