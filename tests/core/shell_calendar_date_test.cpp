#include "core/errors.h"
#include "core/shell/calendar_date.h"

#include <gtest/gtest.h>

using namespace kalvintera;

namespace {
const ShortDateFormat kPolish("dd.MM.yyyy");
const ShortDateFormat kUs("M/d/yyyy");
const ShortDateFormat kIso("yyyy-MM-dd");
const ShortDateFormat kShortYear("dd/MM/yy");
} // namespace

TEST(CalendarDate, FormatsEachPatternStyle)
{
    const CalendarDate date{2007, 7, 5};
    EXPECT_EQ(FormatShortDate(date, kPolish), "05.07.2007");
    EXPECT_EQ(FormatShortDate(date, kUs), "7/5/2007");
    EXPECT_EQ(FormatShortDate(date, kIso), "2007-07-05");
    EXPECT_EQ(FormatShortDate(date, kShortYear), "05/07/07");
    EXPECT_EQ(FormatShortDate(CalendarDate{}, kPolish), "30.12.1899");
}

TEST(CalendarDate, ParsesWhatItFormatsAndLenientDigitCounts)
{
    for (const auto& format : {kPolish, kUs, kIso, kShortYear}) {
        const CalendarDate date{2024, 2, 29};
        EXPECT_EQ(ParseShortDate(FormatShortDate(date, format), format), date) << format.pattern();
    }
    EXPECT_EQ(ParseShortDate("12/30/1899", kUs), CalendarDate{});
    EXPECT_EQ(ParseShortDate("5.7.2007", kPolish), (CalendarDate{2007, 7, 5}));
    EXPECT_EQ(ParseShortDate(" 07/05/2007 ", kUs), (CalendarDate{2007, 7, 5}));
    EXPECT_EQ(ParseShortDate("01/02/49", kShortYear), (CalendarDate{2049, 2, 1}));
    EXPECT_EQ(ParseShortDate("01/02/50", kShortYear), (CalendarDate{1950, 2, 1}));
    EXPECT_EQ(ParseShortDate("01/02/1899", kShortYear), (CalendarDate{1899, 2, 1}));
}

TEST(CalendarDate, RejectsTextsThatAreNoDateInTheFormat)
{
    for (const char* text : {"", "29.02.2023", "31.04.2024", "00.01.2024", "01.13.2024", "01.00.2024",
                             "1.1.24x", "01-01-2024", "01.01.202", "01.01.20245", "2024-01-01", "a.b.cccc",
                             "01.01.0000", "001.01.2024"}) {
        EXPECT_THROW(ParseShortDate(text, kPolish), ConversionError) << text;
    }
    EXPECT_EQ(ParseShortDate("29.02.2000", kPolish), (CalendarDate{2000, 2, 29}));
    EXPECT_THROW(ParseShortDate("29.02.1900", kPolish), ConversionError);
}

TEST(CalendarDate, RejectsPatternsItCannotRead)
{
    for (const char* pattern : {"ddd.MM.yyyy", "dd.MM.yyy", "dd.MM.y", "dd.MM", "dd.MM.yyyy.dd", "dd MMM yyyy",
                                "dd.MM.yyyy g"}) {
        EXPECT_THROW(ShortDateFormat{pattern}, DataError) << pattern;
    }
}

TEST(CalendarDate, CountsWholeDaysAcrossMonthsYearsAndLeapDays)
{
    EXPECT_EQ(DaySerial(CalendarDate{}), 0);
    EXPECT_EQ(DaySerial(CalendarDate{1900, 1, 1}), 2);
    EXPECT_EQ(DaySerial(CalendarDate{2000, 1, 1}), 36526);
    EXPECT_EQ(DaysBetween(CalendarDate{2024, 2, 28}, CalendarDate{2024, 3, 1}), 2);
    EXPECT_EQ(DaysBetween(CalendarDate{2023, 2, 28}, CalendarDate{2023, 3, 1}), 1);
    EXPECT_EQ(DaysBetween(CalendarDate{2023, 12, 31}, CalendarDate{2024, 12, 31}), 366);
    EXPECT_EQ(DaysBetween(CalendarDate{2024, 3, 1}, CalendarDate{2024, 2, 28}), -2);
    EXPECT_EQ(DaysBetween(CalendarDate{2024, 5, 5}, CalendarDate{2024, 5, 5}), 0);
}
