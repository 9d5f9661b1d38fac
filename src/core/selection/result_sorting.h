#pragma once

#include "core/text/number_format.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kalvintera {

enum class SortDirection { Ascending, Descending };

// The order in which to show rows sorted by one column's texts, as positions into `texts`.
// Texts that read as numbers compare as numbers and come before other texts, which compare
// as UTF-8 text ("230/400", "1.40/0.43"); empty texts come last whichever the direction, so
// a fan without a power never heads a list sorted by power. Equal texts keep their order.
std::vector<std::size_t> ColumnSortOrder(const std::vector<std::string>& texts, SortDirection direction,
                                         NumberFormat format);

} // namespace kalvintera
