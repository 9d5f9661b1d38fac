#include "core/errors.h"
#include "core/text/contains_text.h"
#include "core/text/number_format.h"
#include "core/text/rounding.h"

#include <gtest/gtest.h>

using namespace kalvintera;

namespace {
const NumberFormat kPoint = NumberFormat::point();
const NumberFormat kComma = NumberFormat::comma();
} // namespace

TEST(NormalizeDecimal, ReplacesEveryForeignSeparatorOnly)
{
    EXPECT_EQ(NormalizeDecimal("0.05", kComma), "0,05");
    EXPECT_EQ(NormalizeDecimal("1,5", kComma), "1,5");
    EXPECT_EQ(NormalizeDecimal("1,5", kPoint), "1.5");
    EXPECT_EQ(NormalizeDecimal("0.05", kPoint), "0.05");
    EXPECT_EQ(NormalizeDecimal("1200", kComma), "1200");
    EXPECT_EQ(NormalizeDecimal("1.2.3", kComma), "1,2,3");
    EXPECT_EQ(NormalizeDecimal("", kComma), "");
}

TEST(DetectDecimalSeparator, TakesTheSecondCharacterOfPointOne)
{
    EXPECT_EQ(DetectDecimalSeparator("0,1").decimal_separator, ',');
    EXPECT_EQ(DetectDecimalSeparator("0.1").decimal_separator, '.');
    EXPECT_EQ(DetectDecimalSeparator("").decimal_separator, '.');
}

TEST(ParseNumber, ReadsWhatTheLocaleConversionReads)
{
    EXPECT_DOUBLE_EQ(ParseNumber("1.5", kPoint), 1.5);
    EXPECT_DOUBLE_EQ(ParseNumber("1,5", kComma), 1.5);
    EXPECT_DOUBLE_EQ(ParseNumber("-20", kPoint), -20);
    EXPECT_DOUBLE_EQ(ParseNumber("+3", kPoint), 3);
    EXPECT_DOUBLE_EQ(ParseNumber(" 42 ", kPoint), 42);
    EXPECT_DOUBLE_EQ(ParseNumber("1,5E-5", kComma), 1.5e-5);
    EXPECT_DOUBLE_EQ(ParseNumber("2.3e+02", kPoint), 230);
    EXPECT_DOUBLE_EQ(ParseNumber(".5", kPoint), 0.5);
    EXPECT_DOUBLE_EQ(ParseNumber("5.", kPoint), 5);
}

TEST(ParseNumber, RefusesAnythingElseNamingTheText)
{
    for (const char* bad : {"", " ", "1,2", "12abc", "abc", "-", "1e", "1.2.3", "1 000", "0x10", "inf", "nan", "1e999"}) {
        EXPECT_THROW(ParseNumber(bad, kPoint), ConversionError) << bad;
    }
    EXPECT_THROW(ParseNumber("1.2", kComma), ConversionError);
    try {
        ParseNumber("12abc", kPoint);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("12abc"), std::string::npos);
    }
}

TEST(ParseInteger, ReadsWholeNumbersOnly)
{
    EXPECT_EQ(ParseInteger("7"), 7);
    EXPECT_EQ(ParseInteger(" -15"), -15);
    EXPECT_THROW(ParseInteger("1.0"), ConversionError);
    EXPECT_THROW(ParseInteger(""), ConversionError);
    EXPECT_THROW(ParseInteger("--5"), ConversionError);
    EXPECT_THROW(ParseInteger("+-5"), ConversionError);
    EXPECT_THROW(ParseInteger("99999999999999999999"), ConversionError);
}

TEST(FormatShortest, GeneralFormWithFifteenDigits)
{
    EXPECT_EQ(FormatShortest(65.0, kPoint), "65");
    EXPECT_EQ(FormatShortest(0.1 * 3, kPoint), "0.3");
    EXPECT_EQ(FormatShortest(1.0 / 3, kPoint), "0.333333333333333");
    EXPECT_EQ(FormatShortest(0.000015, kPoint), "0.000015");
    EXPECT_EQ(FormatShortest(0.00001, kComma), "0,00001");
    EXPECT_EQ(FormatShortest(1.2, kComma), "1,2");
    EXPECT_EQ(FormatShortest(-1234.5, kPoint), "-1234.5");
    EXPECT_EQ(FormatShortest(0.0, kPoint), "0");
    EXPECT_EQ(FormatShortest(412.345678912, kPoint), "412.345678912");
    EXPECT_EQ(FormatShortest(1e14, kPoint), "100000000000000");
}

TEST(FormatShortest, ScientificOutsideTheFixedRange)
{
    EXPECT_EQ(FormatShortest(1.5e-6, kPoint), "1.5E-6");
    EXPECT_EQ(FormatShortest(1e15, kPoint), "1E15");
    EXPECT_EQ(FormatShortest(-2.5e20, kComma), "-2,5E20");
    // Rounding to 15 digits may carry into the next power of ten.
    EXPECT_EQ(FormatShortest(9.9999999999999999e14, kPoint), "1E15");
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_DOUBLE_EQ(RoundHalfEven(2.5, 0), 2);
    EXPECT_DOUBLE_EQ(RoundHalfEven(3.5, 0), 4);
    EXPECT_DOUBLE_EQ(RoundHalfEven(-2.5, 0), -2);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.25, 1), 0.2);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.75, 1), 0.8);
    EXPECT_DOUBLE_EQ(RoundHalfEven(2.5, -1), 0); // tens
    EXPECT_EQ(FormatShortest(RoundHalfEven(1.19734, 2), kPoint), "1.2");
    EXPECT_EQ(FormatShortest(RoundHalfEven(1.5308e-5, 6), kPoint), "0.000015");
    EXPECT_EQ(FormatShortest(RoundHalfEven(64.96, 1), kPoint), "65");
}

TEST(ContainsText, FindsAnywhereButNeverTheEmptyText)
{
    EXPECT_TRUE(ContainsText("WENTYLATOR", "WENTYLATOR DACHOWY"));
    EXPECT_TRUE(ContainsText("WENTYLATOR", "SUPERWENTYLATORY"));
    EXPECT_TRUE(ContainsText("XY", "ABXY"));
    EXPECT_FALSE(ContainsText("", "ANY"));
    EXPECT_FALSE(ContainsText("WENTYLATOR DACHOWY", "WENTYLATOR"));
}
