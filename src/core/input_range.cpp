#include "core/input_range.h"

#include "core/errors.h"

namespace kalvintera {

std::string WithUnit(std::string_view value, std::string_view unit)
{
    std::string text(value);
    if (unit.empty()) return text;
    // Degrees follow the number directly, every other unit after a space.
    if (!unit.starts_with("°")) text += ' ';
    text += unit;
    return text;
}

void RequireInRange(double value, const InputRange& range, std::string_view symbol, std::string_view typed,
                    std::string_view unit, NumberFormat numbers)
{
    if (range.holds(value)) return;
    const std::string shown = WithUnit(typed, unit);
    const std::string low = WithUnit(FormatShortest(range.low, numbers), unit);
    const std::string high = WithUnit(FormatShortest(range.high, numbers), unit);
    throw DataError(std::string(symbol) + " = " + shown + " is outside " + (range.low_allowed ? "[" : "(") + low + ", "
                        + high + "]",
                    {range.low_allowed ? message_line::kFromLowToHigh : message_line::kAboveLowUpToHigh,
                     {std::string(symbol), shown, low, high}});
}

} // namespace kalvintera
