#include "core/ductloss/duct_run.h"

#include "core/errors.h"
#include "core/message_lines.h"
#include "core/shell/file_io.h"
#include "core/text/rounding.h"

#include <cmath>

namespace kalvintera {
namespace {

double ReadTotal(std::string_view text, NumberFormat numbers)
{
    // Files written under the other decimal separator are totalled all the same.
    return ParseNumber(NormalizeDecimal(text, numbers), numbers);
}

void Renumber(std::vector<FittingRow>& rows, std::size_t from)
{
    for (std::size_t i = from; i < rows.size(); ++i) rows[i].Lp = std::to_string(i);
}

} // namespace

const FittingRow& DuctRun::row(int index) const
{
    static const FittingRow kEmpty;
    return index >= 0 && index < count() ? rows_[static_cast<std::size_t>(index)] : kEmpty;
}

double DuctRun::shownTotal(NumberFormat numbers) const
{
    return total_text_.empty() ? run_total_ : ReadTotal(total_text_, numbers);
}

void DuctRun::showTotal(double total, NumberFormat numbers)
{
    run_total_ = total;
    total_text_ = FormatShortest(RoundHalfEven(total, 2), numbers);
}

bool DuctRun::add(FittingRow row, double total_pa, NumberFormat numbers)
{
    if (full()) return false;
    row.Lp = std::to_string(rows_.size());
    rows_.push_back(FitFittingRow(std::move(row)));
    showTotal(shownTotal(numbers) + total_pa, numbers);
    return true;
}

bool DuctRun::replace(int index, FittingRow row, double total_pa, NumberFormat numbers)
{
    if (index < 0 || index >= count()) return false;
    FittingRow& slot = rows_[static_cast<std::size_t>(index)];
    const double without_old = RoundHalfEven(shownTotal(numbers) - ReadTotal(slot.TotalLoss, numbers), 2);
    row.Lp = std::to_string(index);
    slot = FitFittingRow(std::move(row));
    showTotal(without_old + total_pa, numbers);
    return true;
}

bool DuctRun::remove(int index, NumberFormat numbers)
{
    if (index < 0 || index >= count()) return false;
    const double total = RoundHalfEven(shownTotal(numbers) - ReadTotal(row(index).TotalLoss, numbers), 2);
    rows_.erase(rows_.begin() + index);
    Renumber(rows_, static_cast<std::size_t>(index));
    showTotal(total, numbers);
    return true;
}

void DuctRun::clear()
{
    rows_.clear();
    total_text_ = "0";
    run_total_ = 0;
}

DuctRun DuctRun::fromRows(std::vector<FittingRow> rows, NumberFormat numbers)
{
    if (rows.size() > static_cast<std::size_t>(kDuctRunCapacity)) {
        throw DataError("The calculation holds " + std::to_string(rows.size()) + " fittings; a duct run holds at most "
                            + std::to_string(kDuctRunCapacity) + ".",
                        {kTooManyFittingsLine, {std::to_string(rows.size())}});
    }
    DuctRun run;
    double total = 0;
    for (const FittingRow& row : rows) total += ReadTotal(row.TotalLoss, numbers);
    // A total that is no number could never be edited back into one.
    if (!std::isfinite(total)) {
        throw DataError("The losses of the calculation do not add up to a number.", {kLossesNoNumberLine, {}});
    }
    run.rows_ = std::move(rows);
    Renumber(run.rows_, 0);
    run.showTotal(total, numbers);
    return run;
}

void WriteRunFile(const std::filesystem::path& file, std::span<const FittingRow> rows)
{
    std::string bytes(rows.size() * kFittingRowSize, '\0');
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EncodeFittingRow(rows[i], reinterpret_cast<std::uint8_t*>(bytes.data()) + i * kFittingRowSize);
    }
    WriteFileAtomically(file, bytes);
}

std::vector<FittingRow> ReadRunFile(const std::filesystem::path& file)
{
    const std::string bytes = ReadWholeFile(file);
    if (bytes.size() % kFittingRowSize != 0) {
        throw FileError("The calculation file " + PathText(file) + " is damaged: it ends inside a fitting (its size of "
                        + std::to_string(bytes.size()) + " bytes is not a whole number of "
                        + std::to_string(kFittingRowSize) + "-byte records).",
                        {message_line::kDamagedFile, {PathText(file)}});
    }
    const std::size_t records = bytes.size() / kFittingRowSize;
    if (records > static_cast<std::size_t>(kDuctRunCapacity)) {
        throw DataError("The calculation file " + PathText(file) + " holds " + std::to_string(records)
                            + " fittings; a duct run holds at most " + std::to_string(kDuctRunCapacity) + ".",
                        {kTooManyFittingsLine, {std::to_string(records)}});
    }
    std::vector<FittingRow> rows;
    rows.reserve(records);
    for (std::size_t i = 0; i < records; ++i) {
        rows.push_back(DecodeFittingRow(reinterpret_cast<const std::uint8_t*>(bytes.data()) + i * kFittingRowSize));
    }
    return rows;
}

} // namespace kalvintera
