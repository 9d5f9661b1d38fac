#include "core/text/number_format.h"

#include "core/errors.h"
#include "core/message_lines.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace kalvintera {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

[[noreturn]] void ThrowNotANumber(std::string_view text)
{
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value",
                          {message_line::kNotANumber, {std::string(text)}});
}

} // namespace

NumberFormat DetectDecimalSeparator(std::string_view text_of_point_one)
{
    if (text_of_point_one.size() >= 2 && text_of_point_one[1] == ',') return NumberFormat::comma();
    return NumberFormat::point();
}

std::string NormalizeDecimal(std::string_view text, NumberFormat format)
{
    std::string result(text);
    const char foreign = format.foreignSeparator();
    for (char& c : result) {
        if (c == foreign) c = format.decimal_separator;
    }
    return result;
}

double ParseNumber(std::string_view text, NumberFormat format)
{
    const std::string_view body = TrimBlanks(text);
    // Rebuilt in the one form from_chars reads, after checking the locale's grammar
    // ourselves: from_chars alone would accept neither a leading '+' nor the comma.
    std::string plain;
    plain.reserve(body.size());
    std::size_t i = 0;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
        if (body[i] == '-') plain += '-';
        ++i;
    }
    std::size_t mantissa_digits = 0;
    while (i < body.size() && IsDigit(body[i])) { plain += body[i++]; ++mantissa_digits; }
    if (i < body.size() && body[i] == format.decimal_separator) {
        plain += '.';
        ++i;
        while (i < body.size() && IsDigit(body[i])) { plain += body[i++]; ++mantissa_digits; }
    }
    if (mantissa_digits == 0) ThrowNotANumber(text);
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) plain += body[i++];
        std::size_t exponent_digits = 0;
        while (i < body.size() && IsDigit(body[i])) { plain += body[i++]; ++exponent_digits; }
        if (exponent_digits == 0) ThrowNotANumber(text);
    }
    if (i != body.size()) ThrowNotANumber(text);

    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) {
        ThrowNotANumber(text);
    }
    return value;
}

long long ParseInteger(std::string_view text)
{
    std::string_view body = TrimBlanks(text);
    bool negative = false;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (body.empty() || !IsDigit(body.front()) || error != std::errc() || end != body.data() + body.size()) {
        throw ConversionError("'" + std::string(text) + "' is not a valid integer value",
                              {message_line::kNotANumber, {std::string(text)}});
    }
    return negative ? -value : value;
}

std::string FormatShortest(double value, NumberFormat format)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";

    // 15 significant digits, rounded once; the exponent is the rounded value's.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e_pos = scientific.find('e');
    const bool negative = scientific.front() == '-';
    std::string digits;
    for (char c : scientific.substr(0, e_pos)) {
        if (IsDigit(c)) digits += c;
    }
    const int exponent = std::atoi(std::string(scientific.substr(e_pos + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    const char sep = format.decimal_separator;
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            out += '0';
            out += sep;
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const std::size_t integer_digits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= integer_digits) {
                out += digits;
                out.append(integer_digits - digits.size(), '0');
            } else {
                out += digits.substr(0, integer_digits);
                out += sep;
                out += digits.substr(integer_digits);
            }
        }
    } else {
        out += digits.front();
        if (digits.size() > 1) {
            out += sep;
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

} // namespace kalvintera
