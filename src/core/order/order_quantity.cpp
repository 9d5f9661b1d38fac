#include "core/order/order_quantity.h"

namespace kalvintera {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::optional<int> ParseOrderQuantity(std::string_view typed)
{
    while (!typed.empty() && IsSpace(typed.front())) typed.remove_prefix(1);
    while (!typed.empty() && IsSpace(typed.back())) typed.remove_suffix(1);
    if (typed.empty()) return std::nullopt;
    int value = 0;
    for (const char c : typed) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        // Stops before a long run of digits could overflow.
        if (value > kOrderQuantityMax) return std::nullopt;
    }
    if (value < kOrderQuantityMin) return std::nullopt;
    return value;
}

} // namespace kalvintera
