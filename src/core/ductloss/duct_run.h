#pragma once

#include "core/ductloss/fitting_row.h"
#include "core/text/number_format.h"

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace kalvintera {

// Rows 0 … 100.
constexpr int kDuctRunCapacity = 101;

// Language lines of the messages about a calculation file's rows.
inline constexpr int kTooManyFittingsLine = 1157; // %1: how many the file holds
inline constexpr int kLossesNoNumberLine = 1158;

// The fittings of the pressure-loss calculator in order, with the run's total loss. The
// total is kept as the calculator shows it (rounded to 2 decimals) and is carried from
// one change to the next the way the calculator's total field carries it: each add,
// edit and delete changes the shown total by that fitting's loss and rounds again.
class DuctRun {
public:
    int count() const { return static_cast<int>(rows_.size()); }
    bool empty() const { return rows_.empty(); }
    bool full() const { return count() >= kDuctRunCapacity; }
    std::span<const FittingRow> rows() const { return rows_; }
    // The row at `index`; an index outside the run reads as an empty row.
    const FittingRow& row(int index) const;

    // The total field's text and the running total behind it, Pa.
    const std::string& totalText() const { return total_text_; }
    double runTotal() const { return run_total_; }

    // Appends a row numbered with its position; `total_pa` is its unrounded dpc. False,
    // changing nothing, when the run is full.
    [[nodiscard]] bool add(FittingRow row, double total_pa, NumberFormat numbers);
    // Replaces the row at `index` (numbered with it): the total first loses the old row's
    // dpc, then gains the new one. False when no row is there.
    bool replace(int index, FittingRow row, double total_pa, NumberFormat numbers);
    // Removes the row at `index`; the rows after it move up and are renumbered, and the
    // total loses its dpc. False when no row is there.
    bool remove(int index, NumberFormat numbers);
    // No rows; total "0".
    void clear();

    // The run a calculation file's rows make: renumbered by position, total = the sum of
    // their dpc texts (read with either decimal separator), shown rounded. DataError when
    // there are more rows than a run holds, ConversionError naming a dpc text that is not
    // a number.
    static DuctRun fromRows(std::vector<FittingRow> rows, NumberFormat numbers);

private:
    double shownTotal(NumberFormat numbers) const;
    void showTotal(double total, NumberFormat numbers);

    std::vector<FittingRow> rows_;
    std::string total_text_ = "0";
    double run_total_ = 0;
};

// Calculation files (".moh"): the rows one after the other as 372-byte records, nothing
// before or after them. Written to a temporary file and renamed, so a failed write keeps
// the old file. FileError naming the file on failure.
void WriteRunFile(const std::filesystem::path& file, std::span<const FittingRow> rows);

// The rows of a calculation file. FileError naming the file when it cannot be read or
// ends inside a record; DataError when it holds more rows than a run. Nothing is returned
// from a file that fails.
std::vector<FittingRow> ReadRunFile(const std::filesystem::path& file);

} // namespace kalvintera
