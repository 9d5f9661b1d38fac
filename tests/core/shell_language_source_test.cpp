#include "core/errors.h"
#include "core/shell/file_io.h"
#include "core/shell/language_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

using namespace kalvintera;

namespace {

const std::string kTwoLines = "# texts\r\n"
                              "149\r\n"
                              "pl: KALVINTERA info\r\n"
                              "en: KALVINTERA info\r\n"
                              "de: KALVINTERA info\r\n"
                              "ru: KALVINTERA info\r\n"
                              "\r\n"
                              "1\r\n"
                              "ru: Спрэж\r\n"
                              "de: Druck\r\n"
                              "en: \r\n"
                              "pl:\r\n";

std::string ParseError(const std::string& text)
{
    try {
        ParseLanguageSource(text);
    } catch (const DataError& error) {
        return error.what();
    }
    return "";
}

void ExpectError(const std::string& text, const std::string& line, const std::string& reason)
{
    const std::string message = ParseError(text);
    EXPECT_NE(message.find(line + ":"), std::string::npos) << message;
    EXPECT_NE(message.find(reason), std::string::npos) << message;
}

std::string Entry(int number, const std::string& polish)
{
    return std::to_string(number) + "\npl: " + polish + "\nen: e\nde: d\nru: r\n";
}

} // namespace

TEST(LanguageSource, BuildsFilesOf1100LinesAddressedByNumber)
{
    const LanguageSource source = ParseLanguageSource(kTwoLines);
    const std::string russian = BuildLanguageFile(source, 4);
    const std::vector<std::string> lines = SplitLines(russian);
    ASSERT_EQ(lines.size(), 1100u);
    EXPECT_EQ(lines[0], "Спрэж");
    EXPECT_EQ(lines[148], "KALVINTERA info");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[1099], "");
    std::size_t line_ends = 0;
    for (std::size_t at = russian.find("\r\n"); at != std::string::npos; at = russian.find("\r\n", at + 2)) ++line_ends;
    EXPECT_EQ(line_ends, 1100u);
    EXPECT_EQ(std::count(russian.begin(), russian.end(), '\n'), 1100);
    EXPECT_TRUE(russian.ends_with("\r\n"));
    EXPECT_EQ(SplitLines(BuildLanguageFile(source, 3))[0], "Druck");
    EXPECT_EQ(SplitLines(BuildLanguageFile(source, 1))[0], "");
    EXPECT_THROW(BuildLanguageFile(source, 0), std::out_of_range);
    EXPECT_THROW(BuildLanguageFile(source, 5), std::out_of_range);
}

TEST(LanguageSource, RejectsTablesThatWouldGiveWrongOrMissingTexts)
{
    EXPECT_EQ(ParseError(Entry(1100, "ostatnia")), "");
    EXPECT_EQ(ParseError(Entry(1400, "ostatnia")), "");
    ExpectError(Entry(0, "x"), "line 1", "outside 1..1400");
    ExpectError(Entry(1401, "x"), "line 1", "outside 1..1400");
    ExpectError("99999999999999999999\n", "line 1", "outside 1..1400");
    ExpectError(Entry(5, "a") + Entry(5, "b"), "line 6", "given twice");
    ExpectError("pl: sierota\n", "line 1", "before the first language line number");
    ExpectError("7\npl: a\npl: b\n", "line 3", "two pl texts");
    ExpectError("7\nfr: bonjour\n", "line 2", "expected a line number");
    ExpectError("7\npl:a\n", "line 2", "space must follow");
    ExpectError("7\npl: \xC5\n", "line 2", "not valid UTF-8");
    // A missing language is reported at the number of the incomplete entry, also at the end.
    ExpectError("7\npl: a\nen: b\nde: c\n" + Entry(8, "x"), "line 1", "language line 7 has no ru text");
    ExpectError(Entry(8, "x") + "9\npl: a\n", "line 6", "language line 9 has no en text");
    // At most 100 characters, counted as characters.
    std::string hundred;
    for (int i = 0; i < 100; ++i) hundred += "ż";
    EXPECT_EQ(ParseError(Entry(3, hundred)), "");
    ExpectError(Entry(3, hundred + "x"), "line 2", "101 characters");
}
