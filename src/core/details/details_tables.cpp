#include "core/details/details_tables.h"

#include "core/shell/file_io.h"
#include "core/shell/text_file.h"
#include "core/text/contains_text.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace kalvintera {
namespace {

struct RowRule {
    int line;
    const std::string DeviceRecord::*field;
    const char* suffix;
};

// Rows 3 … 16 and 19 … 22; the name, the model and the two flows have rules of their own.
constexpr std::array<RowRule, 14> kMotorRows{{
    {353, &DeviceRecord::MotorType1, ""},
    {354, &DeviceRecord::MotorPower, "[kW]"},
    {355, &DeviceRecord::Voltage1, " [V]"},
    {356, &DeviceRecord::Current1, " [A]"},
    {357, &DeviceRecord::MotorType2, ""},
    {358, &DeviceRecord::Voltage2, " [V]"},
    {359, &DeviceRecord::Current2, " [A]"},
    {360, &DeviceRecord::MotorType3, ""},
    // The third variant runs on the first variant's supply.
    {361, &DeviceRecord::Voltage1, " [V]"},
    {362, &DeviceRecord::Current3, " [A]"},
    {363, &DeviceRecord::Speed, " [rpm]"},
    {364, &DeviceRecord::SoundLevel1m, " [dB(A)]"},
    {365, &DeviceRecord::SoundLevel2, " [dB(A)]"},
    {366, &DeviceRecord::Mass, " [kg]"},
}};

constexpr std::array<RowRule, 4> kCharacteristicRows{{
    {369, &DeviceRecord::Pressure1, " [Pa]"},
    {370, &DeviceRecord::Pressure2, " [Pa]"},
    {371, &DeviceRecord::Coefficient, " [-]"},
    {372, &DeviceRecord::HeatTransfer, " [W/m2K]"},
}};

// Index into Dimensions of table rows 1 … 19: the drawings letter E before F and put the
// two fields stored last between G and J.
constexpr std::array<std::size_t, 19> kDimensionOrder{0, 1, 2, 3, 5, 4, 6, 17, 18, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
constexpr std::size_t kCountWithoutUnit = 10; // the number of holes

void AddRow(std::vector<DetailsRow>& rows, const LanguageTable& language, int line, const std::string& field,
            std::string_view suffix)
{
    if (field.empty()) return;
    rows.push_back(SplitDetailsRow(language.line(line) + field + std::string(suffix)));
}

} // namespace

DetailsRow SplitDetailsRow(std::string_view text)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return {std::string(text), {}};
    return {std::string(text.substr(0, equals)), std::string(text.substr(equals + 1))};
}

const std::string& DeviceNameFor(const DeviceRecord& device, int language)
{
    switch (language) {
    case language_id::kEnglish: return device.NameEn;
    case language_id::kGerman: return device.NameDe;
    case language_id::kRussian: return device.NameRu;
    default: return device.NamePl;
    }
}

bool FlowsInCubicMetresPerSecond(const DeviceRecord& device)
{
    return ContainsText("WENTYLATOR ", device.NamePl);
}

std::vector<DetailsRow> TechnicalRows(const DeviceRecord& device, const LanguageTable& language, int language_id)
{
    std::vector<DetailsRow> rows;
    AddRow(rows, language, 351, DeviceNameFor(device, language_id), "");
    AddRow(rows, language, 352, device.Model, "");
    for (const RowRule& rule : kMotorRows) AddRow(rows, language, rule.line, device.*rule.field, rule.suffix);
    const char* flow_unit = FlowsInCubicMetresPerSecond(device) ? " [m3/s]" : " [m3/h]";
    AddRow(rows, language, 367, device.FlowMin, flow_unit);
    AddRow(rows, language, 368, device.FlowMax, flow_unit);
    for (const RowRule& rule : kCharacteristicRows) AddRow(rows, language, rule.line, device.*rule.field, rule.suffix);
    return rows;
}

std::vector<DetailsRow> DimensionRows(const DeviceRecord& device, const LanguageTable& language)
{
    std::vector<DetailsRow> rows;
    for (std::size_t row = 0; row < kDimensionOrder.size(); ++row) {
        const std::size_t field = kDimensionOrder[row];
        AddRow(rows, language, 373 + static_cast<int>(row), device.Dimensions[field],
               field == kCountWithoutUnit ? "" : " [mm]");
    }
    return rows;
}

std::vector<DetailsRow> ReadDetailsHeading(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error)) WriteFileAtomically(file, " ");
    std::vector<DetailsRow> rows;
    for (const std::string& line : ReadTextLines(file, CodePage::Cp1250)) {
        const bool blank = std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
        if (!blank) rows.push_back(SplitDetailsRow(line));
    }
    return rows;
}

} // namespace kalvintera
