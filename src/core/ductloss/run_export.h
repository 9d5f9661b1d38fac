#pragma once

#include "core/ductloss/fitting_row.h"
#include "core/text/number_format.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// File names of the exports in the folder they are written to.
inline constexpr std::string_view kRunExportFileName = "obliczenia_dp.txt";
inline constexpr std::string_view kRunCsvFileName = "obliczenia_dp.csv";

// The table of the run for a spreadsheet: a header and one line per row with 13 columns
// (Lp, name, V, w1, L, A, B, D1, D2, ζ, dpl, dpm, dpc) as the rows store them, joined by
// single spaces, except the length: the rows hold millimetres, the column (as its heading
// says) metres, written with `numbers`' separator. Fitting names hold no spaces, so every
// line splits into 13 columns.
std::vector<std::string> RunExportLines(std::span<const FittingRow> rows, NumberFormat numbers = NumberFormat::point());

// The same table as CSV: ";" between columns, a field holding ";", a quote or a line end
// quoted, CR LF line ends, UTF-8 with a byte order mark so spreadsheets take it as such.
std::string RunCsvText(std::span<const FittingRow> rows);

// Writes the text table in CP1250 with CR LF line ends; a name CP1250 cannot hold is
// written as its kind's Polish name. The file is replaced as a whole. FileError naming it.
void WriteRunExport(const std::filesystem::path& file, std::span<const FittingRow> rows,
                    NumberFormat numbers = NumberFormat::point());
void WriteRunCsv(const std::filesystem::path& file, std::span<const FittingRow> rows);

} // namespace kalvintera
