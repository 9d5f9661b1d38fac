#pragma once

#include <string>
#include <string_view>

namespace kalvintera {

// The locale's decimal separator, passed explicitly wherever a number meets a text.
struct NumberFormat {
    char decimal_separator = '.';

    char foreignSeparator() const { return decimal_separator == '.' ? ',' : '.'; }

    static NumberFormat point() { return NumberFormat{'.'}; }
    static NumberFormat comma() { return NumberFormat{','}; }
};

// Takes the separator from the locale's text of the number 0.1 (its second character);
// anything but ',' there means the point.
NumberFormat DetectDecimalSeparator(std::string_view text_of_point_one);

// Replaces every occurrence of the foreign separator by the locale's one.
std::string NormalizeDecimal(std::string_view text, NumberFormat format);

// Reads a number as the locale's text-to-number conversion does: optional blanks around,
// optional sign, digits with the locale's separator, optional exponent ("1,5E-5").
// Anything else throws ConversionError naming the text.
double ParseNumber(std::string_view text, NumberFormat format);

// Reads a whole number (optional blanks and sign, decimal digits); throws ConversionError.
long long ParseInteger(std::string_view text);

// The shortest general form: at most 15 significant digits, no trailing zeros or separator,
// fixed notation for 0.00001 <= |x| < 1e15, scientific ("1.5E-6") outside it.
std::string FormatShortest(double value, NumberFormat format);

} // namespace kalvintera
