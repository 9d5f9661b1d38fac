#pragma once

#include "core/text/number_format.h"

#include <string>
#include <string_view>

namespace kalvintera {

namespace message_line {
inline constexpr int kAboveLowUpToHigh = 1150; // %1 = %2: greater than %3 and not greater than %4
inline constexpr int kFromLowToHigh = 1151;    // %1 = %2: from %3 to %4
inline constexpr int kAboveZero = 1160;        // %1 = %2: greater than zero
inline constexpr int kNotNegative = 1161;      // %1 = %2: not negative
} // namespace message_line

// The values an input may take. The upper bound is always allowed; the lower one only
// when `low_allowed` (a length of 0 is a fitting without length, a size of 0 is no duct).
struct InputRange {
    double low = 0;
    double high = 0;
    bool low_allowed = false;

    bool holds(double value) const { return value <= high && (low_allowed ? value >= low : value > low); }
};

// A value with its unit as a message shows it: "250 mm", "90°".
std::string WithUnit(std::string_view value, std::string_view unit);

// DataError when `value` is outside `range`. Its message names the value by its symbol
// ("Φ1", "α") as the user typed it (`typed`), with its unit and the range's bounds.
void RequireInRange(double value, const InputRange& range, std::string_view symbol, std::string_view typed,
                    std::string_view unit, NumberFormat numbers);

} // namespace kalvintera
