#pragma once

#include "core/ductloss/fitting_row.h"

#include <array>
#include <cstddef>
#include <string>

namespace kalvintera {

// What the pressure-loss calculator's list shows of a row, column by column: Lp, name,
// flow V, w1, L, dh1, ζ, dpl, dpm, dpp and dpc, each the row's stored text.
inline constexpr std::size_t kRunListColumns = 11;

std::array<std::string, kRunListColumns> RunListCells(const FittingRow& row);

} // namespace kalvintera
