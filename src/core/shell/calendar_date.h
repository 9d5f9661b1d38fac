#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// A calendar day without a time. The default is the zero date value, 1899-12-30, which
// stands for "never" (a settings file that has never recorded an update).
struct CalendarDate {
    int year = 1899;
    int month = 12;
    int day = 30;

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month); // 0 for a month outside 1..12

// Year 1..9999, month 1..12, day within its month.
bool IsValidDate(const CalendarDate& date);

// Days since the zero date value (1899-12-30 is 0, 1900-01-01 is 2); negative before it.
long DaySerial(const CalendarDate& date);

// Whole days from `from` to `to`; negative when `to` lies before `from`.
long DaysBetween(const CalendarDate& from, const CalendarDate& to);

// The locale's short date format as a pattern of fields and literal separators:
// "d"/"dd" day, "M"/"MM" month, "yy"/"yyyy" year; any character other than the letters
// d, M, y is a literal ("dd.MM.yyyy", "M/d/yyyy", "yyyy-MM-dd").
class ShortDateFormat {
public:
    enum class Field { Day, Month, Year };
    struct Token {
        Field field = Field::Day;
        int width = 0;       // 1 or 2 for day/month (2 = zero-padded), 2 or 4 for the year
        std::string literal; // when non-empty the token is this literal text, not a field
    };

    ShortDateFormat() : ShortDateFormat("dd.MM.yyyy") {}
    // DataError for a pattern with another letter, another run length ("ddd", "yyy"),
    // or without exactly one day, one month and one year field.
    explicit ShortDateFormat(std::string_view pattern);

    const std::string& pattern() const { return pattern_; }
    const std::vector<Token>& tokens() const { return tokens_; }

private:
    std::string pattern_;
    std::vector<Token> tokens_;
};

// Day and month as the pattern says; "yy" writes the last two digits of the year.
std::string FormatShortDate(const CalendarDate& date, const ShortDateFormat& format);

// Reads a date written in `format`. Day and month take one or two digits whatever their
// width; the year takes two digits (00..49 -> 2000s, 50..99 -> 1900s) or four. Blanks
// around the text are allowed. ConversionError naming the text when it does not follow
// the pattern or names no calendar day (month 13, 29 February of a common year).
CalendarDate ParseShortDate(std::string_view text, const ShortDateFormat& format);

} // namespace kalvintera
