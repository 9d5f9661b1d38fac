#include "core/errors.h"
#include "core/shell/builtin_texts.h"
#include "core/shell/language_table.h"
#include "shell_test_support.h"

#include <gtest/gtest.h>

using namespace kalvintera;
using kalvintera::testing::TempFolder;

namespace {

// "prefix1", "prefix2", … "prefixN", CR LF after each.
std::string NumberedLines(std::string_view prefix, int count)
{
    std::string text;
    for (int n = 1; n <= count; ++n) text += std::string(prefix) + std::to_string(n) + "\r\n";
    return text;
}

} // namespace

TEST(LanguageTable, StartsEmptyAndAnswersAnyLineNumber)
{
    const LanguageTable table;
    EXPECT_EQ(table.line(1), "");
    EXPECT_EQ(table.line(1100), "");
    EXPECT_EQ(table.line(0), "");
    EXPECT_EQ(table.line(-4), "");
    EXPECT_EQ(table.line(kLanguageLines + 1), "");
}

TEST(LanguageTable, LaterLinesFallBackToTheBuiltInPolishText)
{
    const LanguageTable fresh;
    EXPECT_EQ(fresh.line(1101), "„%1” nie jest poprawną liczbą.");
    EXPECT_EQ(std::string(BuiltInText(1101)), fresh.line(1101));
    EXPECT_EQ(BuiltInText(1100), "");

    TempFolder folder;
    LanguageTable table;
    // A language file that has the later lines replaces them ...
    std::string english = NumberedLines("E", 1100) + "\"x\" is not a number\r\n";
    table.load(folder.write("english.lng", english), CodePage::Cp1250);
    EXPECT_EQ(table.line(1101), "\"x\" is not a number");
    // ... and an older file without them gets the Polish text back, not the English one.
    table.load(folder.write("german.lng", NumberedLines("G", 1100)), CodePage::Cp1250);
    EXPECT_EQ(table.line(1100), "G1100");
    EXPECT_EQ(table.line(1101), "„%1” nie jest poprawną liczbą.");
    // An empty later line counts as missing.
    table.load(folder.write("russian.lng", NumberedLines("R", 1100) + "\r\n"), CodePage::Cp1251);
    EXPECT_EQ(table.line(1101), "„%1” nie jest poprawną liczbą.");
}

TEST(LanguageTable, LoadsLinesByNumberCutToHundredCharacters)
{
    TempFolder folder;
    std::string cyrillic;
    for (int i = 0; i < 130; ++i) cyrillic += "ж";
    const auto file = folder.write("english.lng", "first\r\n\r\n" + std::string(130, 'x') + "\r\n" + cyrillic + "\nlast");
    LanguageTable table;
    table.load(file, CodePage::Cp1250);
    EXPECT_EQ(table.line(1), "first");
    EXPECT_EQ(table.line(2), "");
    EXPECT_EQ(table.line(3), std::string(100, 'x'));
    EXPECT_EQ(table.line(4), cyrillic.substr(0, 200)); // 100 two-byte letters
    EXPECT_EQ(table.line(5), "last");
    EXPECT_EQ(MessageText(table, 5), "last");
}

TEST(LanguageTable, ShorterFileKeepsTheLaterLinesOfTheEarlierOne)
{
    TempFolder folder;
    LanguageTable table;
    table.load(folder.write("long.lng", NumberedLines("A", 1032)), CodePage::Cp1250);
    table.load(folder.write("short.lng", NumberedLines("B", 900)), CodePage::Cp1250);
    EXPECT_EQ(table.line(900), "B900");
    EXPECT_EQ(table.line(901), "A901");
    EXPECT_EQ(table.line(1032), "A1032");

    table.load(folder.write("empty.lng", ""), CodePage::Cp1250);
    EXPECT_EQ(table.line(1), "");
    EXPECT_EQ(table.line(2), "B2");
}

TEST(LanguageTable, LinesAfterTheLastEntryAreIgnored)
{
    TempFolder folder;
    LanguageTable table;
    table.load(folder.write("huge.lng", NumberedLines("L", kLanguageLines + 100)), CodePage::Cp1250);
    EXPECT_EQ(table.line(1100), "L1100");
    EXPECT_EQ(table.line(kLanguageLines), "L" + std::to_string(kLanguageLines));
    EXPECT_EQ(table.line(kLanguageLines + 1), "");
}

TEST(LanguageTable, NonUtf8FileIsReadInTheLanguagesCodePage)
{
    TempFolder folder;
    LanguageTable table;
    table.load(folder.write("polish.lng", "Zamkni\xEA\x63ie\r\n\xAF\xF3\xB3w\r\n"), CodePage::Cp1250);
    EXPECT_EQ(table.line(1), "Zamknięcie");
    EXPECT_EQ(table.line(2), "Żółw");
    table.load(folder.write("russian.lng", "\xCF\xF0\xE8\xE2\xE5\xF2\r\n"), CodePage::Cp1251);
    EXPECT_EQ(table.line(1), "Привет");
    table.load(folder.write("bom.lng", "\xEF\xBB\xBFTitle\r\n"), CodePage::Cp1250);
    EXPECT_EQ(table.line(1), "Title");
}

TEST(LanguageTable, MissingFileNamesItAndChangesNothing)
{
    TempFolder folder;
    LanguageTable table;
    table.load(folder.write("german.lng", "Hallo\r\n"), CodePage::Cp1250);
    try {
        table.load(folder / "absent.lng", CodePage::Cp1250);
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("absent.lng"), std::string::npos);
    }
    EXPECT_EQ(table.line(1), "Hallo");
}

// Until a file has been read, applying the table would empty every caption of the program.
TEST(LanguageTable, HoldsALanguageFileOnlyOnceOneHasBeenRead)
{
    TempFolder folder;
    LanguageTable table;
    EXPECT_FALSE(table.holdsLanguageFile());
    EXPECT_THROW(table.load(folder / "absent.lng", CodePage::Cp1250), FileError);
    EXPECT_FALSE(table.holdsLanguageFile());
    table.load(folder.write("empty.lng", ""), CodePage::Cp1250);
    EXPECT_TRUE(table.holdsLanguageFile());
    EXPECT_THROW(table.load(folder / "absent.lng", CodePage::Cp1250), FileError);
    EXPECT_TRUE(table.holdsLanguageFile()); // the earlier file's texts are still there
}

TEST(LanguageTable, FilesOfEachLanguage)
{
    const auto russian = FilesForLanguage(language_id::kRussian);
    ASSERT_TRUE(russian);
    EXPECT_EQ(russian->languageFile, "languages/russian.lng");
    EXPECT_EQ(russian->treeFile, "RU_urzadzenia.sys");
    EXPECT_EQ(russian->descriptionFile, "opisy/RU_About.txt");
    EXPECT_EQ(russian->cataloguePrefix, "en");
    EXPECT_EQ(russian->menuLine, 127);
    EXPECT_EQ(russian->codePage, CodePage::Cp1251);

    const auto polish = FilesForLanguage(language_id::kPolish);
    ASSERT_TRUE(polish);
    EXPECT_EQ(polish->languageFile, "languages/polish.lng");
    EXPECT_EQ(polish->cataloguePrefix, "");
    EXPECT_EQ(polish->codePage, CodePage::Cp1250);
    EXPECT_EQ(FilesForLanguage(language_id::kGerman)->descriptionFile, "opisy/D_About.txt");
    EXPECT_EQ(FilesForLanguage(language_id::kEnglish)->treeFile, "GB_urzadzenia.sys");

    EXPECT_FALSE(FilesForLanguage(0));
    EXPECT_FALSE(FilesForLanguage(5));
    EXPECT_FALSE(FilesForLanguage(7));
}
