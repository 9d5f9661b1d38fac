#include "core/ductloss/fitting_row.h"

#include "core/ductloss/fitting_kind.h"
#include "core/text/code_page.h"
#include "core/text/fixed_string.h"

#include <cstring>
#include <string_view>

namespace kalvintera {
namespace {

// Offset of each text field's length byte and the characters it holds.
struct TextField {
    std::size_t offset;
    std::size_t capacity;
    std::string FittingRow::*member;
};

constexpr TextField kTextFields[] = {
    {0, 3, &FittingRow::Lp},
    {4, 40, &FittingRow::Name},
    {45, 10, &FittingRow::TypeCode},
    {56, 10, &FittingRow::Length},
    {67, 10, &FittingRow::SideA},
    {78, 10, &FittingRow::DiameterD1},
    {89, 10, &FittingRow::SideB},
    {100, 10, &FittingRow::DiameterD2},
    {111, 10, &FittingRow::SideC},
    {122, 10, &FittingRow::SideD},
    {133, 10, &FittingRow::Angle},
    {144, 10, &FittingRow::Flow},
    {155, 10, &FittingRow::BranchFlow},
    {166, 10, &FittingRow::W1},
    {177, 10, &FittingRow::W2},
    {188, 10, &FittingRow::AdditionalLoss},
    {199, 10, &FittingRow::LossCoefficient},
    {210, 10, &FittingRow::Roughness},
    {221, 10, &FittingRow::FrictionLoss},
    {232, 10, &FittingRow::LocalLoss},
    {243, 10, &FittingRow::TotalLoss},
    {254, 10, &FittingRow::Dh1},
    {265, 10, &FittingRow::Dh2},
    {276, 2, &FittingRow::Kind},
    {288, 10, &FittingRow::Material},
    {299, 10, &FittingRow::Radius},
    {310, 10, &FittingRow::Offset},
    {321, 15, &FittingRow::TeePath},
    {337, 15, &FittingRow::TeeFlow},
    {353, 15, &FittingRow::RoundElbowType},
};

constexpr std::size_t kRoundElbowIndexOffset = 280;
constexpr std::size_t kRectElbowIndexOffset = 284;

void PutInt32(std::uint8_t* bytes, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t GetInt32(const std::uint8_t* bytes)
{
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

bool CodePageHolds(std::string_view utf8)
{
    return DecodeCodePage(EncodeCodePage(utf8, CodePage::Cp1250), CodePage::Cp1250) == utf8;
}

} // namespace

int FittingRowKind(const FittingRow& row)
{
    for (int kind = 1; kind <= kFittingKindCount; ++kind) {
        if (row.Kind == std::to_string(kind)) return kind;
    }
    return 0;
}

std::string StorableFittingName(const FittingRow& row)
{
    if (CodePageHolds(row.Name)) return row.Name;
    const int kind = FittingRowKind(row);
    return kind == 0 ? row.Name : std::string(FittingKindOf(kind).name);
}

FittingRow FitFittingRow(FittingRow row)
{
    for (const TextField& field : kTextFields) row.*field.member = CutToCharacters(row.*field.member, field.capacity);
    return row;
}

void EncodeFittingRow(const FittingRow& row, std::uint8_t* bytes)
{
    std::memset(bytes, 0, kFittingRowSize);
    FittingRow stored = row;
    stored.Name = StorableFittingName(row);
    for (const TextField& field : kTextFields) {
        WriteFixedString(bytes + field.offset, field.capacity, stored.*field.member);
    }
    PutInt32(bytes + kRoundElbowIndexOffset, row.RoundElbowTypeIndex);
    PutInt32(bytes + kRectElbowIndexOffset, row.RectElbowTypeIndex);
}

FittingRow DecodeFittingRow(const std::uint8_t* bytes)
{
    FittingRow row;
    for (const TextField& field : kTextFields) {
        row.*field.member = ReadFixedString(bytes + field.offset, field.capacity);
    }
    row.RoundElbowTypeIndex = GetInt32(bytes + kRoundElbowIndexOffset);
    row.RectElbowTypeIndex = GetInt32(bytes + kRectElbowIndexOffset);
    return row;
}

} // namespace kalvintera
