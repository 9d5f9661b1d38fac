#pragma once

namespace kalvintera {

// Rounds to `decimals` places the way shown values are rounded everywhere in the program:
// divide by 10^-decimals, round to the nearest integer with halves to the even neighbour,
// multiply back.
double RoundHalfEven(double value, int decimals);

} // namespace kalvintera
