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
    return RoundToEvenInteger(value / factor) * factor;
}

} // namespace kalvintera
