#include "cli/output.h"

#include "core/text/csv_text.h"

#include "core/errors.h"
#include "core/text/code_page.h"
#include "core/text/number_format.h"
#include "core/text/rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kalvintera::cli {
namespace {

bool IsNumberText(std::string_view text)
{
    try {
        ParseNumber(NormalizeDecimal(text, NumberFormat::point()), NumberFormat::point());
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

// A column is numeric when every non-empty cell reads as a number (and some cell is not empty).
bool IsNumericColumn(const ResultTable& result, std::size_t column)
{
    bool any = false;
    for (const auto& row : result.rows) {
        if (column >= row.size() || row[column].empty()) continue;
        if (!IsNumberText(row[column])) return false;
        any = true;
    }
    return any;
}

std::string_view Cell(const std::vector<std::string>& row, std::size_t column)
{
    return column < row.size() ? std::string_view(row[column]) : std::string_view();
}

void WriteAligned(std::ostream& out, const ResultTable& result)
{
    const std::size_t count = result.columns.size();
    std::vector<std::size_t> widths(count, 0);
    std::vector<bool> numeric(count, false);
    for (std::size_t c = 0; c < count; ++c) {
        widths[c] = CharacterCount(result.columns[c]);
        for (const auto& row : result.rows) widths[c] = std::max(widths[c], CharacterCount(Cell(row, c)));
        numeric[c] = IsNumericColumn(result, c);
    }
    auto write_line = [&](auto&& text_of) {
        std::string line;
        for (std::size_t c = 0; c < count; ++c) {
            const std::string_view text = text_of(c);
            const std::string padding(widths[c] - CharacterCount(text), ' ');
            if (c > 0) line += "  ";
            line += numeric[c] ? padding + std::string(text) : std::string(text) + padding;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    };
    write_line([&](std::size_t c) { return std::string_view(result.columns[c]); });
    std::vector<std::string> rules;
    for (std::size_t width : widths) rules.emplace_back(width, '-');
    write_line([&](std::size_t c) { return std::string_view(rules[c]); });
    for (const auto& row : result.rows) write_line([&](std::size_t c) { return Cell(row, c); });
}

void WriteCsvLine(std::ostream& out, const std::vector<std::string>& cells, std::size_t count)
{
    for (std::size_t c = 0; c < count; ++c) {
        if (c > 0) out << ',';
        out << CsvCell(Cell(cells, c));
    }
    out << '\n';
}

} // namespace

OutputFormat ReadOutputFormat(const Arguments& arguments)
{
    return arguments.choice(kFormatOption.name, {"table", "csv"}, "table") == "csv" ? OutputFormat::Csv
                                                                                    : OutputFormat::Table;
}

std::string CsvCell(std::string_view text)
{
    return kalvintera::CsvCell(text, ',');
}

std::string ExactNumber(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

std::string ShortestExactNumber(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string NumberCell(double value, int decimals, OutputFormat format)
{
    if (!std::isfinite(value)) return {};
    if (format == OutputFormat::Csv) return ExactNumber(value);
    return FormatShortest(RoundHalfEven(value, decimals), NumberFormat::point());
}

std::string NumberCell(double value, OutputFormat format)
{
    if (!std::isfinite(value)) return {};
    return format == OutputFormat::Csv ? ExactNumber(value) : FormatShortest(value, NumberFormat::point());
}

void WriteResult(std::ostream& out, const ResultTable& result, OutputFormat format)
{
    if (format == OutputFormat::Table) {
        WriteAligned(out, result);
        return;
    }
    WriteCsvLine(out, result.columns, result.columns.size());
    for (const auto& row : result.rows) WriteCsvLine(out, row, result.columns.size());
}

} // namespace kalvintera::cli
