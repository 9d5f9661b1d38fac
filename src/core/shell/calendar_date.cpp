#include "core/shell/calendar_date.h"

#include "core/errors.h"

#include <cstdio>

namespace kalvintera {
namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's days_from_civil).
long DaysFromCivil(int year, int month, int day)
{
    const long y = year - (month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long year_of_era = y - era * 400;
    const long month_index = month > 2 ? month - 3 : month + 9;
    const long day_of_year = (153 * month_index + 2) / 5 + day - 1;
    const long day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

const long kZeroDateDays = DaysFromCivil(1899, 12, 30);

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

ConversionError NotADate(std::string_view text, const ShortDateFormat& format)
{
    return ConversionError("'" + std::string(text) + "' is not a valid date (expected " + format.pattern() + ")");
}

ShortDateFormat::Token FieldToken(char letter, int run, std::string_view pattern)
{
    using Field = ShortDateFormat::Field;
    const bool fits = letter == 'y' ? (run == 2 || run == 4) : (run == 1 || run == 2);
    if (!fits) {
        throw DataError("Unsupported short date format '" + std::string(pattern) + "': "
                        + std::string(static_cast<std::size_t>(run), letter));
    }
    const Field field = letter == 'd' ? Field::Day : letter == 'M' ? Field::Month : Field::Year;
    return ShortDateFormat::Token{field, run, {}};
}

} // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const CalendarDate& date)
{
    return date.year >= 1 && date.year <= 9999 && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

long DaySerial(const CalendarDate& date)
{
    return DaysFromCivil(date.year, date.month, date.day) - kZeroDateDays;
}

long DaysBetween(const CalendarDate& from, const CalendarDate& to)
{
    return DaySerial(to) - DaySerial(from);
}

ShortDateFormat::ShortDateFormat(std::string_view pattern) : pattern_(pattern)
{
    int seen[3] = {0, 0, 0};
    for (std::size_t pos = 0; pos < pattern.size();) {
        const char c = pattern[pos];
        if (c == 'd' || c == 'M' || c == 'y') {
            std::size_t end = pos;
            while (end < pattern.size() && pattern[end] == c) ++end;
            tokens_.push_back(FieldToken(c, static_cast<int>(end - pos), pattern));
            ++seen[static_cast<int>(tokens_.back().field)];
            pos = end;
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            throw DataError("Unsupported short date format '" + std::string(pattern) + "': letter " + c);
        } else {
            if (tokens_.empty() || tokens_.back().literal.empty()) tokens_.push_back(Token{Field::Day, 0, {}});
            tokens_.back().literal += c;
            ++pos;
        }
    }
    if (seen[0] != 1 || seen[1] != 1 || seen[2] != 1) {
        throw DataError("Short date format '" + std::string(pattern) + "' needs one day, one month and one year");
    }
}

std::string FormatShortDate(const CalendarDate& date, const ShortDateFormat& format)
{
    std::string text;
    for (const auto& token : format.tokens()) {
        if (!token.literal.empty()) {
            text += token.literal;
            continue;
        }
        int value = token.field == ShortDateFormat::Field::Day     ? date.day
                    : token.field == ShortDateFormat::Field::Month ? date.month
                                                                   : date.year;
        if (token.field == ShortDateFormat::Field::Year && token.width == 2) value %= 100;
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%0*d", token.width, value);
        text += buffer;
    }
    return text;
}

CalendarDate ParseShortDate(std::string_view text, const ShortDateFormat& format)
{
    const std::string_view body = TrimBlanks(text);
    CalendarDate date;
    std::size_t pos = 0;
    for (const auto& token : format.tokens()) {
        if (!token.literal.empty()) {
            if (body.substr(pos, token.literal.size()) != token.literal) throw NotADate(text, format);
            pos += token.literal.size();
            continue;
        }
        const bool year = token.field == ShortDateFormat::Field::Year;
        const std::size_t max_digits = year ? 4 : 2;
        std::size_t digits = 0;
        int value = 0;
        while (digits < max_digits && pos < body.size() && IsDigit(body[pos])) {
            value = value * 10 + (body[pos] - '0');
            ++digits;
            ++pos;
        }
        if (digits == 0 || (year && digits != 2 && digits != 4)) throw NotADate(text, format);
        if (year && digits == 2) value += value < 50 ? 2000 : 1900;
        (token.field == ShortDateFormat::Field::Day     ? date.day
         : token.field == ShortDateFormat::Field::Month ? date.month
                                                        : date.year) = value;
    }
    if (pos != body.size() || !IsValidDate(date)) throw NotADate(text, format);
    return date;
}

} // namespace kalvintera
