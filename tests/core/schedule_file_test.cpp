#include "core/schedule/schedule_file.h"

#include "core/errors.h"
#include "core/shell/file_io.h"
#include "core/shell_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kalvintera;

namespace {

// The error a parse raises, so a test can check its language line and values.
template <typename Error>
Error ParseFailure(std::string_view bytes)
{
    try {
        ParseScheduleFile(bytes);
    } catch (const Error& e) {
        return e;
    }
    ADD_FAILURE() << "no error for: " << bytes.substr(0, 80);
    return Error("", {});
}

std::vector<int> LineNumbers(const ScheduleFile& file)
{
    std::vector<int> numbers;
    for (const ScheduleLine& line : file.lines) numbers.push_back(line.line);
    return numbers;
}

} // namespace

TEST(ScheduleFileSeparator, SemicolonAndCommaFilesReadAlike)
{
    const ScheduleFile semicolons = ParseScheduleFile("tag;flow;pressure\nW1;1200,5;250\n");
    EXPECT_EQ(semicolons.separator, ';');
    ASSERT_EQ(semicolons.lines.size(), 1u);
    EXPECT_EQ(semicolons.lines[0].tag, "W1");
    EXPECT_EQ(semicolons.lines[0].flow, "1200,5"); // a decimal comma stays for the caller to read
    EXPECT_EQ(semicolons.lines[0].pressure, "250");

    const ScheduleFile commas = ParseScheduleFile("tag,flow,pressure\nW1,1200.5,250\n");
    EXPECT_EQ(commas.separator, ',');
    ASSERT_EQ(commas.lines.size(), 1u);
    EXPECT_EQ(commas.lines[0].flow, "1200.5");
    EXPECT_EQ(commas.lines[0].pressure, "250");
}

TEST(ScheduleFileSeparator, FoundFromTheHeaderOutsideQuotesSemicolonOnATie)
{
    // Commas inside a quoted heading do not count.
    EXPECT_EQ(ParseScheduleFile("\"flow, m3/h\";flow;pressure\n").separator, ';');
    // As many of each: ';' wins, so "2,5" stays one cell.
    const ScheduleFile tie = ParseScheduleFile("flow;pressure;a,b,c\n1;2,5;x\n");
    EXPECT_EQ(tie.separator, ';');
    ASSERT_EQ(tie.lines.size(), 1u);
    EXPECT_EQ(tie.lines[0].pressure, "2,5");
    // Neither: ';'.
    EXPECT_EQ(ParseScheduleFile("\"flow\";\"pressure\"").separator, ';');
    // Commas in the data rows do not outvote the header.
    const ScheduleFile data_commas = ParseScheduleFile("flow;pressure\n1,5;2,5\n");
    EXPECT_EQ(data_commas.separator, ';');
    EXPECT_EQ(data_commas.lines[0].flow, "1,5");
}

TEST(ScheduleFileQuotes, SeparatorsDoubledQuotesAndLineBreaksInsideQuotes)
{
    const ScheduleFile file = ParseScheduleFile("tag;flow;pressure;kind\r\n"
                                                "\"Hall; east\";\"1 200,5\";300;\"Roof \"\"KDH\"\"\"\r\n"
                                                "\"Two\r\nlines\";800;150;\n"
                                                "\"\";;;\n"
                                                "W3;500;100;x\n");
    ASSERT_EQ(file.lines.size(), 3u);
    EXPECT_EQ(file.lines[0].tag, "Hall; east");
    EXPECT_EQ(file.lines[0].flow, "1 200,5");
    EXPECT_EQ(file.lines[0].kind, "Roof \"KDH\"");
    EXPECT_EQ(file.lines[1].tag, "Two\r\nlines");
    EXPECT_EQ(file.lines[1].pressure, "150");
    // A line break inside quotes does not start a sheet row, and the quoted empty row is blank.
    EXPECT_EQ(LineNumbers(file), (std::vector<int>{1, 2, 4}));
}

TEST(ScheduleFileQuotes, QuoteMidCellIsOrdinaryAndOneNeverClosedRunsToTheEnd)
{
    const ScheduleFile file = ParseScheduleFile("tag;flow;pressure\n"
                                                "12\" duct;100;50\n"
                                                "  \"W 2\"  ;200;60\n"
                                                "\"W3;300;70\nW4;400;80\n");
    ASSERT_EQ(file.lines.size(), 3u);
    EXPECT_EQ(file.lines[0].tag, "12\" duct");
    EXPECT_EQ(file.lines[0].flow, "100");
    EXPECT_EQ(file.lines[1].tag, "W 2"); // blanks around a quoted cell are not part of it
    EXPECT_EQ(file.lines[1].flow, "200");
    EXPECT_EQ(file.lines[2].tag, "W3;300;70\nW4;400;80");
    EXPECT_EQ(file.lines[2].flow, "");
}

TEST(ScheduleFileEncoding, ByteOrderMarkIsNotPartOfTheFirstHeading)
{
    const ScheduleFile file = ParseScheduleFile("\xEF\xBB\xBFwydajność;spręż;oznaczenie\n100;50;Łazienka\n");
    ASSERT_EQ(file.lines.size(), 1u);
    EXPECT_EQ(file.lines[0].flow, "100");
    EXPECT_EQ(file.lines[0].tag, "Łazienka");
}

TEST(ScheduleFileEncoding, Cp1250BytesAreReadAsPolish)
{
    // "Wydajność;Spręż;Oznaczenie" and "Łazienka" as a Polish spreadsheet saves them.
    const ScheduleFile file = ParseScheduleFile("Wydajno\x9C\xE6;Spr\xEA\xBF;Oznaczenie\r\n"
                                                "1200;250;\xA3" "azienka\r\n");
    ASSERT_EQ(file.lines.size(), 1u);
    EXPECT_EQ(file.lines[0].flow, "1200");
    EXPECT_EQ(file.lines[0].pressure, "250");
    EXPECT_EQ(file.lines[0].tag, "Łazienka");
}

TEST(ScheduleFileHeader, PolishAndEnglishHeadingsWhateverTheirCaseAccentsAndBlanks)
{
    const ScheduleFile polish = ParseScheduleFile(
        " OZNACZENIE ;WYDAJNOŚĆ;Spręż;Typ;NAPIĘCIE;Poziom dźwięku;moc maksymalna;Kierunek_Wyrzutu;ILOŚĆ\n"
        "W1;1200;250;dachowy;230;45;0,5;pionowy;2\n");
    const ScheduleFile english = ParseScheduleFile(
        "Tag,FLOW,Pressure,kind,Voltage,Max Sound,max_power,DIRECTION,Quantity\n"
        "W1,1200,250,dachowy,230,45,0.5,pionowy,2\n");
    for (const ScheduleFile* file : {&polish, &english}) {
        ASSERT_EQ(file->lines.size(), 1u);
        const ScheduleLine& line = file->lines[0];
        EXPECT_EQ(line.tag, "W1");
        EXPECT_EQ(line.flow, "1200");
        EXPECT_EQ(line.pressure, "250");
        EXPECT_EQ(line.kind, "dachowy");
        EXPECT_EQ(line.voltage, "230");
        EXPECT_EQ(line.max_sound, "45");
        EXPECT_EQ(line.direction, "pionowy");
        EXPECT_EQ(line.quantity, "2");
    }
    EXPECT_EQ(polish.lines[0].max_power, "0,5");
    EXPECT_EQ(english.lines[0].max_power, "0.5");
}

TEST(ScheduleFileHeader, UnknownColumnsAreSkippedAndTheFirstOfARepeatedNameWins)
{
    const ScheduleFile file = ParseScheduleFile("Lp;Uwagi;pressure;flow;Flow;Spręż\n1;note;250;1200;999;888\n");
    ASSERT_EQ(file.lines.size(), 1u);
    EXPECT_EQ(file.lines[0].flow, "1200");
    EXPECT_EQ(file.lines[0].pressure, "250");
    EXPECT_EQ(file.lines[0].tag, "");
}

TEST(ScheduleFileHeader, HeadingsMayNameTheirUnitAndTheSelectionWindowsCaptions)
{
    const ScheduleFile polish = ParseScheduleFile(
        "Oznaczenie;Wydajność powietrza [m3/h];Spręż statyczny [Pa];Poziom dźwięku [dB(A)];Moc maksymalna (kW)\n"
        "W1;1200;250;45;0,5\n");
    ASSERT_EQ(polish.lines.size(), 1u);
    EXPECT_EQ(polish.lines[0].flow, "1200");
    EXPECT_EQ(polish.lines[0].pressure, "250");
    EXPECT_EQ(polish.lines[0].max_sound, "45"); // the units of other columns are only read past
    EXPECT_EQ(polish.lines[0].max_power, "0,5");
    EXPECT_EQ(polish.flow_unit, FlowUnit::CubicMetresPerHour);
    EXPECT_EQ(polish.pressure_unit, PressureUnit::Pascal);
    EXPECT_EQ(polish.flow_heading, "Wydajność powietrza [m3/h]");

    const ScheduleFile english = ParseScheduleFile("Air flow (m³/s),Static pressure ( daPa )\n0.3,25\n");
    EXPECT_EQ(english.flow_unit, FlowUnit::CubicMetresPerSecond);
    EXPECT_EQ(english.pressure_unit, PressureUnit::Decapascal);
    EXPECT_EQ(english.lines.at(0).flow, "0.3");

    const ScheduleFile bare = ParseScheduleFile("flow;pressure\n1;2\n");
    EXPECT_FALSE(bare.flow_unit);
    EXPECT_FALSE(bare.pressure_unit);
}

TEST(ScheduleFileHeader, AFlowOrPressureUnitTheProgramDoesNotReadIsRefusedByItsHeading)
{
    for (const auto& [bytes, heading] : {std::pair{"Tag;Flow [l/s];Pressure\n", "Flow [l/s]"},
                                          {"flow;pressure [inH2O]\n", "pressure [inH2O]"}}) {
        const DataError error = ParseFailure<DataError>(bytes);
        EXPECT_EQ(error.userMessage().line, 1346) << bytes;
        EXPECT_EQ(error.userMessage().values, std::vector<std::string>{heading});
    }
}

TEST(ScheduleFileUnits, AHeadingsUnitMustBeTheOneTheNumbersAreReadIn)
{
    const ScheduleFile file = ParseScheduleFile("flow [m3/s];pressure [daPa]\n0.3;25\n");
    EXPECT_NO_THROW(CheckScheduleUnits(file, FlowUnit::CubicMetresPerSecond, PressureUnit::Decapascal));
    EXPECT_NO_THROW(CheckScheduleUnits(ParseScheduleFile("flow;pressure\n1;2\n"), FlowUnit::CubicMetresPerHour,
                                       PressureUnit::Pascal));
    try {
        CheckScheduleUnits(file, FlowUnit::CubicMetresPerHour, PressureUnit::Decapascal);
        ADD_FAILURE() << "a flow in m3/s read as m3/h";
    } catch (const DataError& error) {
        EXPECT_EQ(error.userMessage().line, 1347);
        EXPECT_EQ(error.userMessage().values, (std::vector<std::string>{"flow [m3/s]", "m3/h"}));
    }
    try {
        CheckScheduleUnits(file, FlowUnit::CubicMetresPerSecond, PressureUnit::Pascal);
        ADD_FAILURE() << "a pressure in daPa read as Pa";
    } catch (const DataError& error) {
        EXPECT_EQ(error.userMessage().values, (std::vector<std::string>{"pressure [daPa]", "Pa"}));
    }
}

TEST(ScheduleFileHeader, WithoutFlowAndPressureColumnsTheFileIsRefused)
{
    for (const std::string_view bytes : {std::string_view(""), std::string_view("\xEF\xBB\xBF"),
                                         std::string_view("W1;1200;250\n"), std::string_view("tag;flow\nW1;1200\n"),
                                         std::string_view("\n\nflow;pressure\n1;2\n"), // the header is the first row
                                         std::string_view("flow pressure\n1 2\n")}) {
        const DataError error = ParseFailure<DataError>(bytes);
        EXPECT_EQ(error.userMessage().line, 1310) << bytes;
        EXPECT_TRUE(error.userMessage().values.empty());
    }
}

TEST(ScheduleFileRows, ShortRowsLeaveMissingCellsEmptyAndExtraCellsAreIgnored)
{
    const ScheduleFile file = ParseScheduleFile("tag;flow;pressure;quantity\nW1;1200\nW2;800;150;3;extra;more\n");
    ASSERT_EQ(file.lines.size(), 2u);
    EXPECT_EQ(file.lines[0].flow, "1200");
    EXPECT_EQ(file.lines[0].pressure, "");
    EXPECT_EQ(file.lines[0].quantity, "");
    EXPECT_EQ(file.lines[1].quantity, "3");
}

TEST(ScheduleFileRows, BlankRowsAreLeftOutButKeepTheirPlaceInTheNumbering)
{
    const ScheduleFile file = ParseScheduleFile("tag;flow;pressure;notes\n"
                                                "\n"
                                                "W1;100;50\n"
                                                ";;;\n"
                                                "  ;\t; \n"
                                                ";;;only a note\n"
                                                "W2;200;60\n"
                                                "\n");
    EXPECT_EQ(LineNumbers(file), (std::vector<int>{2, 5, 6}));
    EXPECT_EQ(file.lines[0].tag, "W1");
    EXPECT_EQ(file.lines[1].flow, ""); // a row with text only in an unknown column is not blank
    EXPECT_EQ(file.lines[2].tag, "W2");

    EXPECT_TRUE(ParseScheduleFile("flow;pressure\n").lines.empty());
    EXPECT_TRUE(ParseScheduleFile("flow;pressure").lines.empty());
}

TEST(ScheduleFileRows, CrLfLfAndLoneCrEndRowsAlikeAndTheLastNeedsNoLineEnd)
{
    const std::vector<std::string> line_ends{"\r\n", "\n", "\r"};
    for (const std::string& end : line_ends) {
        const ScheduleFile file = ParseScheduleFile("tag;flow;pressure" + end + "W1;100;50" + end + "W2;200;60");
        ASSERT_EQ(file.lines.size(), 2u) << "line end " << int(end.back());
        EXPECT_EQ(file.lines[0].pressure, "50");
        EXPECT_EQ(file.lines[1].tag, "W2");
        EXPECT_EQ(file.lines[1].pressure, "60");
        EXPECT_EQ(LineNumbers(file), (std::vector<int>{1, 2}));
    }
}

TEST(ScheduleFileLimits, AtMostTheLimitOfNonBlankRows)
{
    std::string bytes = "flow;pressure\n";
    for (std::size_t i = 0; i < kMaxScheduleLines; ++i) bytes += "100;50\n\n";
    EXPECT_EQ(ParseScheduleFile(bytes).lines.size(), kMaxScheduleLines); // blank rows do not count

    bytes += "100;50\n100;50\n";
    const DataError error = ParseFailure<DataError>(bytes);
    EXPECT_EQ(error.userMessage().line, 1311);
    EXPECT_EQ(error.userMessage().values, std::vector<std::string>{std::to_string(kMaxScheduleLines + 2)});
}

TEST(ScheduleFileLimits, PathologicalInputEnds)
{
    // Quadratic work on these would not finish within the test's time limit (the time a
    // parse takes is measured by no test: its linear steps are what this guards).
    const std::size_t size = 1u << 20;
    const std::vector<std::string> inputs{
        "flow;pressure\n\"" + std::string(size, 'x'),                   // one quote never closed
        "flow;pressure\n" + std::string(size, '"'),                     // nothing but quotes
        "flow;pressure\nx" + std::string(size, '"'),                    // quotes inside an unquoted cell
        std::string(size, ';') + "flow;pressure\n1;2\n",                // a header of a million cells
        "flow;pressure;" + std::string(size, 'y') + "\n1;2\n",           // one huge heading
        "flow;pressure\n" + std::string(size / 2, '\n'),               // blank rows
    };
    for (const std::string& bytes : inputs) {
        try {
            const ScheduleFile file = ParseScheduleFile(bytes);
            EXPECT_LE(file.lines.size(), 1u) << bytes.substr(0, 20);
        } catch (const KalvinteraError&) {
            // refusing is fine; hanging or crashing is not
        }
    }
}

TEST(ScheduleFileRead, ReadsTheFileAndNamesAMissingOne)
{
    const kalvintera::testing::TempFolder folder;
    const auto file = folder.write("schedule.csv", "flow;pressure\n100;50\n");
    EXPECT_EQ(ReadScheduleFile(file).lines.size(), 1u);

    try {
        ReadScheduleFile(folder / "missing.csv");
        ADD_FAILURE() << "no error for a missing file";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("missing.csv"), std::string::npos);
        EXPECT_EQ(e.userMessage().values, std::vector<std::string>{PathText(folder / "missing.csv")});
    }
}
