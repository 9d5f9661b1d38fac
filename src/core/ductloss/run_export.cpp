#include "core/ductloss/run_export.h"

#include "core/errors.h"
#include "core/shell/file_io.h"
#include "core/text/code_page.h"

#include <array>

namespace kalvintera {
namespace {

constexpr std::array<std::string_view, 13> kColumns{
    "LP", "Nazwa_kształtki", "Przepływ_V[m3/h]", "Prędkość_w[m/s]", "Długość_L[m]", "Wymiar_A[mm]", "Wymiar_B[mm]",
    "Średnica_fi1[mm]", "Średnica_fi2[mm]", "Ksi_kształtki_[-]", "Strata_liniowa_ciśnienia_dpl[Pa]",
    "Strata_miejscowa_ciśnienia_dpm[Pa]", "Strata_całkowita_ciśnienia_dpc[Pa]"};

// The stored length in mm as metres; a text that reads as no number stays as it is.
std::string LengthInMetres(const std::string& length_mm, NumberFormat numbers)
{
    try {
        return FormatShortest(ParseNumber(NormalizeDecimal(length_mm, numbers), numbers) / 1000.0, numbers);
    } catch (const ConversionError&) {
        return length_mm;
    }
}

std::array<std::string, 13> Columns(const FittingRow& row, std::string name, std::string length)
{
    return {row.Lp,          std::move(name), row.Flow,       row.W1,
            std::move(length), row.SideA,     row.SideB,      row.DiameterD1,
            row.DiameterD2,  row.LossCoefficient, row.FrictionLoss, row.LocalLoss,
            row.TotalLoss};
}

template <typename Fields>
std::string Join(const Fields& fields, std::string_view separator, std::string (*quote)(std::string_view))
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i != 0) line += separator;
        line += quote(fields[i]);
    }
    return line;
}

std::string AsIs(std::string_view field) { return std::string(field); }

std::string CsvField(std::string_view field)
{
    if (field.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(field);
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace

std::vector<std::string> RunExportLines(std::span<const FittingRow> rows, NumberFormat numbers)
{
    std::vector<std::string> lines{Join(kColumns, " ", AsIs)};
    for (const FittingRow& row : rows) {
        lines.push_back(Join(Columns(row, StorableFittingName(row), LengthInMetres(row.Length, numbers)), " ", AsIs));
    }
    return lines;
}

std::string RunCsvText(std::span<const FittingRow> rows)
{
    // The CSV file holds the lengths as the rows do, in millimetres, and its heading says so.
    std::array<std::string_view, 13> columns = kColumns;
    columns[4] = "Długość_L[mm]";
    std::string text = "\xEF\xBB\xBF" + Join(columns, ";", CsvField) + "\r\n";
    for (const FittingRow& row : rows) text += Join(Columns(row, row.Name, row.Length), ";", CsvField) + "\r\n";
    return text;
}

void WriteRunExport(const std::filesystem::path& file, std::span<const FittingRow> rows, NumberFormat numbers)
{
    std::string text;
    for (const std::string& line : RunExportLines(rows, numbers)) text += line + "\r\n";
    WriteFileAtomically(file, EncodeCodePage(text, CodePage::Cp1250));
}

void WriteRunCsv(const std::filesystem::path& file, std::span<const FittingRow> rows)
{
    WriteFileAtomically(file, RunCsvText(rows));
}

} // namespace kalvintera
