#pragma once

#include "cli/arguments.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera::cli {

// A command's result: a header and rows of texts, one per column.
struct ResultTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

enum class OutputFormat {
    Table, // aligned columns for people; numeric columns right-aligned
    Csv,   // header line, then one line per row; cells with a comma, quote or line break quoted
};

// The option a command lists to let its user choose, and its reading (default: table).
inline constexpr OptionRule kFormatOption{"format", "table|csv", "table for people or csv for programs"};
OutputFormat ReadOutputFormat(const Arguments& arguments);

void WriteResult(std::ostream& out, const ResultTable& result, OutputFormat format);

// One csv cell: as it is, or quoted with inner quotes doubled when it needs quoting.
std::string CsvCell(std::string_view text);

// A number with 17 significant digits, enough to read back the same double.
std::string ExactNumber(double value);
// The shortest text that reads back as the same double ("0.1", not "0.10000000000000001").
std::string ShortestExactNumber(double value);

// A computed value as a cell: for csv the value itself (17 significant digits), for the
// table as the window shows it, rounded to `decimals` (halves to even) in the shortest
// form. A value that is not a number is an empty cell.
std::string NumberCell(double value, int decimals, OutputFormat format);
// The same for a value the window shows unrounded.
std::string NumberCell(double value, OutputFormat format);

} // namespace kalvintera::cli
