#include "core/ductloss/duct_run.h"
#include "core/ductloss/run_export.h"
#include "core/errors.h"
#include "core/shell/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

using namespace kalvintera;

namespace {

const NumberFormat kPoint = NumberFormat::point();
const NumberFormat kComma = NumberFormat::comma();

FittingRow Row(const std::string& name, const std::string& dpc)
{
    FittingRow row;
    row.Name = name;
    row.Kind = "1";
    row.Flow = "100";
    row.TotalLoss = dpc;
    return row;
}

class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("kalvintera-ductloss-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::vector<std::string> Lps(const DuctRun& run)
{
    std::vector<std::string> lps;
    for (const FittingRow& row : run.rows()) lps.push_back(row.Lp);
    return lps;
}

} // namespace

TEST(DuctRun, AddsNumbersAndTotalsRows)
{
    DuctRun run;
    EXPECT_EQ(run.totalText(), "0");
    ASSERT_TRUE(run.add(Row("A", "1.11"), 1.114, kPoint));
    ASSERT_TRUE(run.add(Row("B", "2.23"), 2.226, kPoint));
    ASSERT_TRUE(run.add(Row("C", "0.5"), 0.5, kPoint));
    EXPECT_EQ(Lps(run), (std::vector<std::string>{"0", "1", "2"}));
    // Each step rounds the shown total: 1.11, then 1.11 + 2.226 → 3.34, then 3.84.
    EXPECT_EQ(run.totalText(), "3.84");

    ASSERT_TRUE(run.remove(1, kPoint));
    EXPECT_EQ(Lps(run), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(run.row(1).Name, "C");
    EXPECT_EQ(run.totalText(), "1.61");
    EXPECT_FALSE(run.remove(2, kPoint));
    EXPECT_FALSE(run.remove(-1, kPoint));
    EXPECT_EQ(run.row(5).Name, "");

    // Editing changes the total by (new − old dpc).
    ASSERT_TRUE(run.replace(0, Row("D", "10"), 10, kPoint));
    EXPECT_EQ(run.row(0).Lp, "0");
    EXPECT_EQ(run.row(0).Name, "D");
    EXPECT_EQ(run.totalText(), "10.5");
    EXPECT_FALSE(run.replace(2, Row("E", "1"), 1, kPoint));

    // Rows hold what a file will: texts cut to their fields.
    FittingRow long_texts = Row("KRATKA_NAWIEWNA/WYWIEWNA_PROSTOKĄTNA_DŁUGA_NAZWA", "1");
    long_texts.Length = "12345678901234";
    ASSERT_TRUE(run.add(long_texts, 1, kPoint));
    EXPECT_EQ(run.row(2).Name, "KRATKA_NAWIEWNA/WYWIEWNA_PROSTOKĄTNA_DŁU");
    EXPECT_EQ(run.row(2).Length, "1234567890");
    ASSERT_TRUE(run.remove(2, kPoint));

    run.clear();
    EXPECT_EQ(run.count(), 0);
    EXPECT_EQ(run.totalText(), "0");
    EXPECT_EQ(run.runTotal(), 0.0);
}

TEST(DuctRun, TotalsUnderTheCommaSeparatorAndAcrossSeparators)
{
    DuctRun run;
    ASSERT_TRUE(run.add(Row("A", "1,5"), 1.5, kComma));
    ASSERT_TRUE(run.add(Row("B", "2,25"), 2.25, kComma));
    EXPECT_EQ(run.totalText(), "3,75");
    ASSERT_TRUE(run.remove(0, kComma));
    EXPECT_EQ(run.totalText(), "2,25");

    // A file written under the point separator totals all the same under the comma.
    const DuctRun read = DuctRun::fromRows({Row("A", "1.5"), Row("B", "2,25"), Row("C", "0.004")}, kComma);
    EXPECT_EQ(read.totalText(), "3,75");
    EXPECT_EQ(Lps(read), (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_THROW(DuctRun::fromRows({Row("A", "x")}, kComma), ConversionError);
    // Two texts that each read but overflow together: refused, not a run whose total is no number.
    EXPECT_THROW(DuctRun::fromRows({Row("A", "1e308"), Row("B", "1e308")}, kPoint), DataError);
}

TEST(DuctRun, HoldsAtMost101Rows)
{
    DuctRun run;
    for (int i = 0; i < kDuctRunCapacity; ++i) ASSERT_TRUE(run.add(Row("A", "1"), 1, kPoint));
    EXPECT_TRUE(run.full());
    EXPECT_FALSE(run.add(Row("B", "1"), 1, kPoint));
    EXPECT_EQ(run.count(), 101);
    EXPECT_EQ(run.row(100).Lp, "100");
    EXPECT_EQ(run.totalText(), "101");

    EXPECT_THROW(DuctRun::fromRows(std::vector<FittingRow>(102, Row("A", "1")), kPoint), DataError);
}

TEST(RunFile, WritesOneRecordPerRowAndReadsThemBack)
{
    TempFolder folder;
    DuctRun run;
    ASSERT_TRUE(run.add(Row("PROSTKA_OKRĄGŁA", "3.76"), 3.758, kPoint));
    ASSERT_TRUE(run.add(Row("KOLANO_OKRĄGŁE", "8.68"), 8.678, kPoint));
    ASSERT_TRUE(run.add(Row("KRATKA", "12.5"), 12.5, kPoint));
    const auto file = folder / "run.moh";
    WriteRunFile(file, run.rows());
    EXPECT_EQ(std::filesystem::file_size(file), 3 * kFittingRowSize);

    const DuctRun read = DuctRun::fromRows(ReadRunFile(file), kPoint);
    ASSERT_EQ(read.count(), 3);
    EXPECT_EQ(read.row(1), run.row(1));
    EXPECT_EQ(read.totalText(), "24.94");

    const auto empty = folder / "empty.moh";
    WriteRunFile(empty, {});
    EXPECT_EQ(std::filesystem::file_size(empty), 0u);
    const DuctRun none = DuctRun::fromRows(ReadRunFile(empty), kPoint);
    EXPECT_EQ(none.count(), 0);
    EXPECT_EQ(none.totalText(), "0");
}

TEST(RunFile, RefusesDamagedAndOverfullFiles)
{
    TempFolder folder;
    const auto cut = folder / "cut.moh";
    WriteFileAtomically(cut, std::string(kFittingRowSize + 10, '\0'));
    EXPECT_THROW(ReadRunFile(cut), FileError);

    const auto big = folder / "big.moh";
    WriteFileAtomically(big, std::string(102 * kFittingRowSize, '\0'));
    EXPECT_THROW(ReadRunFile(big), DataError);
    const auto largest = folder / "largest.moh";
    WriteFileAtomically(largest, std::string(101 * kFittingRowSize, '\0'));
    EXPECT_EQ(ReadRunFile(largest).size(), 101u);

    EXPECT_THROW(ReadRunFile(folder / "missing.moh"), FileError);
    try {
        ReadRunFile(folder / "missing.moh");
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("missing.moh"), std::string::npos);
    }
}

TEST(RunExport, WritesAHeaderAndThirteenColumnsPerRow)
{
    FittingRow row;
    row.Lp = "0";
    row.Name = "ТРОЙНИК";
    row.Kind = "4";
    row.Flow = "400";
    row.W1 = "8,842";
    row.Length = "500";
    row.SideA = "0";
    row.SideB = "0";
    row.DiameterD1 = "200";
    row.DiameterD2 = "125";
    row.LossCoefficient = "0,5";
    row.FrictionLoss = "1,23";
    row.LocalLoss = "23,46";
    row.TotalLoss = "24,69";
    const std::vector<FittingRow> rows{row};

    const std::vector<std::string> lines = RunExportLines(rows, NumberFormat::comma());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "LP Nazwa_kształtki Przepływ_V[m3/h] Prędkość_w[m/s] Długość_L[m] Wymiar_A[mm] Wymiar_B[mm] "
                        "Średnica_fi1[mm] Średnica_fi2[mm] Ksi_kształtki_[-] Strata_liniowa_ciśnienia_dpl[Pa] "
                        "Strata_miejscowa_ciśnienia_dpm[Pa] Strata_całkowita_ciśnienia_dpc[Pa]");
    // The length column is in metres, as its heading says; the rows hold millimetres.
    EXPECT_EQ(lines[1], "0 TRÓJNIK_OKRĄGŁY 400 8,842 0,5 0 0 200 125 0,5 1,23 23,46 24,69");
    row.Length = "2000";
    EXPECT_TRUE(RunExportLines(std::vector<FittingRow>{row}, NumberFormat::point())[1].starts_with("0 TRÓJNIK_OKRĄGŁY 400 8,842 2 0 "));
    row.Length = "500";

    TempFolder folder;
    const auto first = folder / std::string(kRunExportFileName);
    WriteRunExport(first, rows);
    const std::string bytes = ReadWholeFile(first);
    EXPECT_EQ(bytes.substr(0, 10), "LP Nazwa_k");
    EXPECT_NE(bytes.find("\r\n0 TR\xD3JNIK_OKR\xA5G\xA3Y 400"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    // Exporting again gives the same file.
    WriteRunExport(first, rows);
    EXPECT_EQ(ReadWholeFile(first), bytes);

    const std::string csv = RunCsvText(rows);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("LP;Nazwa_kształtki;Przepływ_V[m3/h];Prędkość_w[m/s];Długość_L[mm];"), std::string::npos);
    EXPECT_NE(csv.find("\r\n0;ТРОЙНИК;400;8,842;500;0;0;200;125;0,5;1,23;23,46;24,69\r\n"), std::string::npos);
    row.Name = "A;\"B\"";
    EXPECT_NE(RunCsvText(std::vector<FittingRow>{row}).find("0;\"A;\"\"B\"\"\";400"), std::string::npos);
}
