#include "core/ductloss/fitting_row.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

using namespace kalvintera;

namespace {

using Record = std::array<std::uint8_t, kFittingRowSize>;

FittingRow SampleRow()
{
    FittingRow row;
    row.Lp = "12";
    row.Name = "TRÓJNIK_OKRĄGŁY";
    row.TypeCode = "XF04";
    row.Length = "500";
    row.SideA = "0";
    row.DiameterD1 = "200";
    row.SideB = "0";
    row.DiameterD2 = "125";
    row.SideC = "0";
    row.SideD = "0";
    row.Angle = "45";
    row.Flow = "400";
    row.BranchFlow = "400";
    row.W1 = "8,842";
    row.W2 = "9,055";
    row.AdditionalLoss = "0";
    row.LossCoefficient = "0,5";
    row.Roughness = "0,007";
    row.FrictionLoss = "1,23";
    row.LocalLoss = "23,46";
    row.TotalLoss = "24,69";
    row.Dh1 = "200";
    row.Dh2 = "125";
    row.Kind = "4";
    row.RoundElbowTypeIndex = 3;
    row.RectElbowTypeIndex = -2;
    row.Material = "Stal ocynk";
    row.Radius = "100";
    row.Offset = "50";
    row.TeePath = "ODGAŁĘŹIENIE";
    row.TeeFlow = "ŁĄCZENIE STRUG";
    row.RoundElbowType = "ŁUK GŁADKI";
    return row;
}

std::string TextAt(const Record& record, std::size_t offset)
{
    return std::string(reinterpret_cast<const char*>(record.data()) + offset + 1, record[offset]);
}

} // namespace

TEST(FittingRowCodec, PutsEveryFieldAtItsOffset)
{
    Record record;
    record.fill(0xAA);
    EncodeFittingRow(SampleRow(), record.data());

    EXPECT_EQ(TextAt(record, 0), "12");
    EXPECT_EQ(TextAt(record, 4), "TR\xD3JNIK_OKR\xA5G\xA3Y"); // CP1250
    EXPECT_EQ(TextAt(record, 45), "XF04");
    EXPECT_EQ(TextAt(record, 56), "500");
    EXPECT_EQ(TextAt(record, 67), "0");
    EXPECT_EQ(TextAt(record, 78), "200");
    EXPECT_EQ(TextAt(record, 89), "0");
    EXPECT_EQ(TextAt(record, 100), "125");
    EXPECT_EQ(TextAt(record, 133), "45");
    EXPECT_EQ(TextAt(record, 144), "400");
    EXPECT_EQ(TextAt(record, 155), "400");
    EXPECT_EQ(TextAt(record, 166), "8,842");
    EXPECT_EQ(TextAt(record, 177), "9,055");
    EXPECT_EQ(TextAt(record, 188), "0");
    EXPECT_EQ(TextAt(record, 199), "0,5");
    EXPECT_EQ(TextAt(record, 210), "0,007");
    EXPECT_EQ(TextAt(record, 221), "1,23");
    EXPECT_EQ(TextAt(record, 232), "23,46");
    EXPECT_EQ(TextAt(record, 243), "24,69");
    EXPECT_EQ(TextAt(record, 254), "200");
    EXPECT_EQ(TextAt(record, 265), "125");
    EXPECT_EQ(TextAt(record, 276), "4");
    EXPECT_EQ(record[279], 0); // filler
    EXPECT_EQ(std::vector<int>(record.begin() + 280, record.begin() + 288), (std::vector<int>{3, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(TextAt(record, 288), "Stal ocynk");
    EXPECT_EQ(TextAt(record, 299), "100");
    EXPECT_EQ(TextAt(record, 310), "50");
    EXPECT_EQ(TextAt(record, 321), "ODGA\xA3\xCA\x8FIENIE");
    EXPECT_EQ(TextAt(record, 337), "\xA3\xA5" "CZENIE STRUG");
    EXPECT_EQ(TextAt(record, 353), "\xA3UK G\xA3" "ADKI");
    EXPECT_EQ(std::vector<int>(record.begin() + 369, record.end()), (std::vector<int>{0, 0, 0}));
    // Unused bytes of a field are zeroed, not left as they were.
    EXPECT_EQ(record[3], 0);
    EXPECT_EQ(record[44], 0);
}

TEST(FittingRowCodec, ReadsBackWhatItWrote)
{
    Record record{};
    const FittingRow row = SampleRow();
    EncodeFittingRow(row, record.data());
    EXPECT_EQ(DecodeFittingRow(record.data()), row);
}

TEST(FittingRowCodec, CutsLongTextsAndClampsLengthBytes)
{
    FittingRow row = SampleRow();
    row.Lp = "1234";
    row.Length = "12345678901234";
    row.TeeFlow = "ŁĄCZENIE STRUG I WIĘCEJ";
    Record record{};
    EncodeFittingRow(row, record.data());
    const FittingRow read = DecodeFittingRow(record.data());
    EXPECT_EQ(read.Lp, "123");
    EXPECT_EQ(read.Length, "1234567890");
    EXPECT_EQ(read.TeeFlow, "ŁĄCZENIE STRUG ");

    // A length byte beyond its field reads only the field.
    record[276] = 200;
    EXPECT_EQ(DecodeFittingRow(record.data()).Kind, std::string("4") + '\0');
}

TEST(FittingRowCodec, WritesANameTheCodePageCannotHoldAsItsKindsPolishName)
{
    FittingRow row = SampleRow();
    row.Name = "ТРОЙНИК_КРУГЛЫЙ";
    EXPECT_EQ(StorableFittingName(row), "TRÓJNIK_OKRĄGŁY");
    Record record{};
    EncodeFittingRow(row, record.data());
    EXPECT_EQ(DecodeFittingRow(record.data()).Name, "TRÓJNIK_OKRĄGŁY");

    row.Name = "T-STÜCK_RUND"; // German fits the code page and stays
    EXPECT_EQ(StorableFittingName(row), "T-STÜCK_RUND");
    row.Name = "ТРОЙНИК";
    row.Kind = "x";
    EXPECT_EQ(FittingRowKind(row), 0);
    EXPECT_EQ(StorableFittingName(row), "ТРОЙНИК"); // no kind to fall back on
}
