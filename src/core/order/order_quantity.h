#pragma once

#include <optional>
#include <string_view>

namespace kalvintera {

// The pieces one order line may ask for. The quantity field of the order file holds three
// characters, so 999 is the most it can carry without being cut.
constexpr int kOrderQuantityMin = 1;
constexpr int kOrderQuantityMax = 999;

// Language line of the message for a quantity that is not one; %1: the text as typed.
constexpr int kBadOrderQuantityLine = 1110;

// The number of pieces `typed` asks for: a whole number 1 … 999 written with digits only,
// spaces around it allowed. None for anything else (empty, a sign, a fraction, an exponent,
// letters, zero, too many), so nothing unreadable reaches the order file or the printout.
std::optional<int> ParseOrderQuantity(std::string_view typed);

} // namespace kalvintera
