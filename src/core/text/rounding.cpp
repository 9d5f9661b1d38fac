#include "core/text/rounding.h"

#include <cmath>

namespace kalvintera {
namespace {

double PowerOfTen(int exponent)
{
    double result = 1.0;
    for (int i = 0; i < (exponent < 0 ? -exponent : exponent); ++i) result *= 10.0;
    return exponent < 0 ? 1.0 / result : result;
}

double RoundToEvenInteger(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5) return floor + 1.0;
    if (fraction < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

} // namespace

double RoundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value)) return value;
    const double factor = PowerOfTen(-decimals);
    const double scaled = value / factor;
    // A value so large that scaling it overflows has no decimals left to round; rounding
    // the overflow would turn a number into an infinity.
    if (!std::isfinite(scaled)) return value;
    return RoundToEvenInteger(scaled) * factor;
}

} // namespace kalvintera
