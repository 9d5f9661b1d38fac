#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// One CSV cell as spreadsheets read it: as it is, or in quotes with inner quotes doubled when
// it holds the separator, a quote or a line break.
std::string CsvCell(std::string_view text, char separator = ',');

// The rows as CSV text, CR LF after each row.
std::string CsvText(const std::vector<std::vector<std::string>>& rows, char separator = ',');

} // namespace kalvintera
