#include "core/text/code_page.h"
#include "core/text/fixed_string.h"

#include <gtest/gtest.h>

#include <array>

using namespace kalvintera;

TEST(CodePage, PolishAndRussianLettersRoundTrip)
{
    const std::string polish = "WENTYLATOR KANAŁOWY źćżó";
    const std::string bytes = EncodeCodePage(polish, CodePage::Cp1250);
    EXPECT_EQ(bytes.size(), CharacterCount(polish));
    EXPECT_EQ(static_cast<unsigned char>(bytes[15]), 0xA3); // Ł in CP1250
    EXPECT_EQ(DecodeCodePage(bytes, CodePage::Cp1250), polish);

    const std::string russian = "Крышный вентилятор";
    EXPECT_EQ(DecodeCodePage(EncodeCodePage(russian, CodePage::Cp1251), CodePage::Cp1251), russian);
    EXPECT_EQ(EncodeCodePage(russian, CodePage::Cp1250), "??????? ??????????");
}

TEST(CodePage, UnmappableAndBrokenInputBecomesQuestionMarks)
{
    EXPECT_EQ(EncodeCodePage("a€b", CodePage::Cp1250), "a\x80" "b");
    EXPECT_EQ(EncodeCodePage("中", CodePage::Cp1250), "?");
    EXPECT_EQ(EncodeCodePage("a\xC3", CodePage::Cp1250), "a?");
    EXPECT_EQ(DecodeCodePage("\x81", CodePage::Cp1250), "?"); // undefined in CP1250
    EXPECT_FALSE(IsValidUtf8("\xA3ODZ"));
    EXPECT_EQ(TextToUtf8("\xA3ODZ", CodePage::Cp1250), "ŁODZ");
    EXPECT_EQ(TextToUtf8("ŁODZ", CodePage::Cp1250), "ŁODZ");
    EXPECT_EQ(CutToCharacters("ŁÓDŹ", 2), "ŁÓ");
}

TEST(FixedString, LengthByteIsClampedAndTextCutOnWrite)
{
    std::array<std::uint8_t, 6> field{};
    WriteFixedString(field.data(), 5, "ŁÓDŹ KALISZ");
    EXPECT_EQ(field[0], 5);
    EXPECT_EQ(ReadFixedString(field.data(), 5), "ŁÓDŹ ");

    WriteFixedString(field.data(), 5, "AB");
    EXPECT_EQ(field[0], 2);
    EXPECT_EQ(field[3], 0); // unused bytes zeroed
    EXPECT_EQ(ReadFixedString(field.data(), 5), "AB");

    const std::array<std::uint8_t, 4> damaged{200, 'X', 'Y', 'Z'};
    EXPECT_EQ(ReadFixedString(damaged.data(), 3), "XYZ");
}
