#pragma once

#include "core/text/number_format.h"

#include <array>
#include <string>

namespace kalvintera {

// c4, c3, c2, c1, c0 of c4·x⁴ + c3·x³ + c2·x² + c1·x + c0, in the order records store them.
using Polynomial4 = std::array<double, 5>;

// Reads five coefficient texts of a record; an empty text counts as 0, any other text
// must be a number (ConversionError otherwise).
Polynomial4 ReadPolynomial(const std::array<std::string, 5>& texts, NumberFormat format);

// Powers taken as integer powers, so a negative x is fine.
inline double EvaluatePolynomial(const Polynomial4& c, double x)
{
    const double x2 = x * x;
    return c[0] * x2 * x2 + c[1] * x2 * x + c[2] * x2 + c[3] * x + c[4];
}

} // namespace kalvintera
