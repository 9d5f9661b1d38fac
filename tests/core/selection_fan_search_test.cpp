#include "core/catalogue/characteristic.h"
#include "core/errors.h"
#include "core/selection/fan_result_row.h"
#include "core/selection/fan_search.h"
#include "core/selection/fan_search_catalogue.h"
#include "core/catalogue/curve_cache.h"
#include "core/shell/file_io.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

using namespace kalvintera;

namespace {

const NumberFormat kPoint = NumberFormat::point();

// A roof fan with dp = p0 − 1000·V² and a constant efficiency, on offer in standard execution.
DeviceRecord RoofFan(const std::string& model, double p0, const std::string& efficiency = "0.5")
{
    DeviceRecord r;
    r.NamePl = "WENTYLATOR DACHOWY " + model;
    r.Model = model;
    r.FlowMin = "0.05";
    r.FlowMax = "0.5";
    r.PressureCoef = {"", "", "-1000", "", std::to_string(p0)};
    r.EfficiencyCoef = {"", "", "", "", efficiency};
    r.ExecStandard = "TAK";
    r.Voltage1 = "230";
    r.Current1 = "1.2";
    r.MotorPower = "0.25";
    r.SoundLevel1m = "55";
    r.DischargeDirection = "H";
    return r;
}

class FanSearch : public ::testing::Test {
protected:
    FanSearch() : data_(std::filesystem::temp_directory_path() / "kalvintera-fan-search")
    {
        std::filesystem::create_directories(data_.root() / "interpolacja" / "vdp");
        std::filesystem::create_directories(data_.root() / "interpolacja" / "eta");
        criteria_.duty = {0.2, 100}; // k = 2500
    }
    FanSearchOutcome search() { return SearchFans(table_, data_, criteria_, kPoint); }
    std::vector<std::string> models(const FanSearchOutcome& outcome) const
    {
        std::vector<std::string> names;
        for (const auto& r : outcome.results) names.push_back(table_.at(r.index).Model);
        return names;
    }

    DeviceTable table_;
    DataFolder data_;
    FanSearchCriteria criteria_;
};

} // namespace

TEST(DutyPoint, UnitsAndMissingValues)
{
    DutyPointReading r = ReadDutyPoint({"300", "50", FlowUnit::CubicMetresPerHour, PressureUnit::Pascal}, kPoint);
    EXPECT_EQ(r.message_line, 0);
    EXPECT_DOUBLE_EQ(r.duty.flow_m3s, 300.0 / 3600);
    EXPECT_NEAR(SystemCoefficient(r.duty.flow_m3s, r.duty.pressure_pa), 7200, 1e-9);
    r = ReadDutyPoint({"3600", "5", FlowUnit::CubicMetresPerHour, PressureUnit::Decapascal}, kPoint);
    EXPECT_DOUBLE_EQ(r.duty.flow_m3s, 1);
    EXPECT_DOUBLE_EQ(r.duty.pressure_pa, 50);
    EXPECT_DOUBLE_EQ(ReadDutyPoint({"0.5", "1,5", FlowUnit::CubicMetresPerSecond}, NumberFormat::comma()).duty.pressure_pa, 1.5);

    EXPECT_EQ(ReadDutyPoint({"", "50"}, kPoint).message_line, 294);
    EXPECT_EQ(ReadDutyPoint({"0", "50"}, kPoint).message_line, 294);
    EXPECT_EQ(ReadDutyPoint({"0.0", "50"}, kPoint).message_line, 294);
    EXPECT_EQ(ReadDutyPoint({"300", ""}, kPoint).message_line, 295);
    EXPECT_EQ(ReadDutyPoint({"300", "-5"}, kPoint).message_line, 295);
    EXPECT_THROW(ReadDutyPoint({"3OO", "50"}, kPoint), ConversionError);
}

TEST_F(FanSearch, KeepsFansReachingTheDutyPointOrderedByPower)
{
    table_.slot(1) = RoofFan("WEAK", 120);           // 120 − 40 = 80 < 100
    table_.slot(2) = RoofFan("STRONG", 400);
    table_.slot(3) = RoofFan("MIDDLE", 200);
    table_.slot(4) = RoofFan("EXACT", 140);          // exactly 100 at the duty point
    table_.slot(5) = RoofFan("OUTSIDE", 400);
    table_.slot(5).FlowMin = "0.25";                 // duty flow below its range
    table_.slot(6).NamePl = "PODSTAWA DACHOWA";      // not a fan
    table_.slot(6).FlowMin = "0";
    table_.slot(6).FlowMax = "1";

    FanSearchOutcome outcome = search();
    EXPECT_EQ(models(outcome), (std::vector<std::string>{"EXACT", "MIDDLE", "STRONG"}));
    EXPECT_EQ(outcome.message_line, 0);
    EXPECT_GT(outcome.results[1].Power, outcome.results[0].Power);

    criteria_.duty = {0.2, 1000};
    outcome = search();
    EXPECT_TRUE(outcome.results.empty());
    EXPECT_EQ(outcome.message_line, kMessageNoFanFound);
}

TEST_F(FanSearch, OrderingsAreStableAndUnusableEfficienciesGoLast)
{
    table_.slot(1) = RoofFan("ZERO-ETA", 300, "0");
    table_.slot(2) = RoofFan("A", 300, "0.6");
    table_.slot(3) = RoofFan("B", 300, "0.6");
    table_.slot(4) = RoofFan("C", 300, "0.7");
    table_.slot(5) = RoofFan("NEG-ETA", 300, "-0.1");

    EXPECT_EQ(models(search()), (std::vector<std::string>{"C", "A", "B", "ZERO-ETA", "NEG-ETA"}));
    criteria_.ordering = FanOrdering::HighestEfficiency;
    EXPECT_EQ(models(search()), (std::vector<std::string>{"C", "A", "B", "ZERO-ETA", "NEG-ETA"}));
    table_.slot(4).EfficiencyCoef[4] = "0.5";
    EXPECT_EQ(models(search()), (std::vector<std::string>{"A", "B", "C", "ZERO-ETA", "NEG-ETA"}));
}

TEST_F(FanSearch, KindAndStandardFilterAlsoInBasicMode)
{
    table_.slot(1) = RoofFan("ROOF", 300);
    table_.slot(2) = RoofFan("RADIAL", 300);
    table_.slot(2).NamePl = "WENTYLATOR PROMIENIOWY WP";
    table_.slot(3) = RoofFan("DUCT", 300);
    table_.slot(3).NamePl = "WENTYLATOR KANAŁOWY WK";
    table_.slot(4) = RoofFan("SPECIAL", 300);
    table_.slot(4).ExecStandard.clear();

    EXPECT_EQ(models(search()), (std::vector<std::string>{"ROOF"}));
    criteria_.kind = FanKind::Radial; // left checked from an earlier advanced search
    EXPECT_EQ(models(search()), (std::vector<std::string>{"RADIAL"}));
    criteria_.kind = FanKind::Duct;
    EXPECT_EQ(models(search()), (std::vector<std::string>{"DUCT"}));
    criteria_.kind = FanKind::Roof;
    criteria_.standard = false;
    EXPECT_EQ(models(search()), (std::vector<std::string>{"ROOF", "SPECIAL"}));
}

TEST_F(FanSearch, AdvancedCriteriaFilterOnlyInAdvancedMode)
{
    table_.slot(1) = RoofFan("KDH-1", 300);
    table_.slot(2) = RoofFan("KDV-2", 300);
    table_.slot(2).DischargeDirection = "V";
    table_.slot(2).Voltage1.clear();
    table_.slot(2).Voltage2 = "400";
    table_.slot(2).MotorPower = "0.75";
    table_.slot(2).SoundLevel1m = "70";
    table_.slot(2).ExecHeat60 = "TAK";

    criteria_.voltage = "400";
    criteria_.max_power_kw = "0,5";
    EXPECT_EQ(search().results.size(), 2u); // basic mode ignores them

    criteria_.advanced = true;
    EXPECT_EQ(models(search()), (std::vector<std::string>{}));
    criteria_.max_power_kw = "0.75"; // equal to the motor power passes
    EXPECT_EQ(models(search()), (std::vector<std::string>{"KDV-2"}));
    criteria_.voltage = "230";
    criteria_.max_power_kw.clear();
    EXPECT_EQ(models(search()), (std::vector<std::string>{"KDH-1"}));
    criteria_.voltage = "---";
    criteria_.series = "KDV";
    EXPECT_EQ(models(search()), (std::vector<std::string>{"KDV-2"}));
    criteria_.series = "---";
    criteria_.direction = DischargeFilter::Horizontal;
    EXPECT_EQ(models(search()), (std::vector<std::string>{"KDH-1"}));
    criteria_.direction = DischargeFilter::Any;
    criteria_.max_sound_dba = "60";
    EXPECT_EQ(models(search()), (std::vector<std::string>{"KDH-1"}));
    criteria_.max_sound_dba.clear();
    criteria_.executions.heat60 = true;
    criteria_.executions.heat40 = true; // only marks the order line
    EXPECT_EQ(models(search()), (std::vector<std::string>{"KDV-2"}));
    criteria_.executions.heat60 = false;
    criteria_.executions.two_speed = true;
    EXPECT_TRUE(search().results.empty());
    criteria_.max_power_kw = "lots";
    EXPECT_THROW(search(), ConversionError);
}

TEST_F(FanSearch, BadRecordsAreReportedAndSkippedButBrokenCurveFilesStopTheSearch)
{
    table_.slot(1) = RoofFan("GOOD", 300);
    table_.slot(2) = RoofFan("BACKWARDS", 300);
    table_.slot(2).FlowMin = "0.6";
    table_.slot(3) = RoofFan("ENDLESS", 300);
    table_.slot(3).FlowMax = "1E12";
    table_.slot(4) = RoofFan("WORDS", 300);
    table_.slot(4).FlowMax = "dużo";

    FanSearchOutcome outcome = search();
    EXPECT_EQ(models(outcome), (std::vector<std::string>{"GOOD"}));
    ASSERT_EQ(outcome.problems.size(), 3u);
    EXPECT_NE(outcome.problems[0].find("BACKWARDS"), std::string::npos);

    table_.slot(5) = RoofFan("TABLED", 300);
    table_.slot(5).CurveFile = "nowhere.txt";
    EXPECT_THROW(search(), FileError);
}

TEST_F(FanSearch, ASharedCatalogueGivesEverySearchTheSameOutcomeAsItsOwn)
{
    table_.slot(1) = RoofFan("GOOD", 300);
    table_.slot(2) = RoofFan("WORDS", 300);
    table_.slot(2).FlowMax = "dużo";
    table_.slot(3) = RoofFan("NOCOEF", 300);
    table_.slot(3).PressureCoef[0] = "x";
    table_.slot(4) = RoofFan("RADIAL", 400);
    table_.slot(4).NamePl = "WENTYLATOR PROMIENIOWY RADIAL";
    table_.slot(5) = RoofFan("TABLED", 300);
    table_.slot(5).CurveFile = "shared.txt";
    WriteFileAtomically(data_.root() / "interpolacja" / "vdp" / "shared.txt", "0;400\r\n1800;0\r\n");
    WriteFileAtomically(data_.root() / "interpolacja" / "eta" / "shared.txt", "0;40\r\n1800;60\r\n");

    const FanSearchCatalogue catalogue(table_, data_, kPoint);
    FanSearchOptions shared;
    shared.catalogue = &catalogue;
    shared.curve_use = data_.curveCache().beginUse();
    const auto same = [&](const FanSearchCriteria& criteria) {
        std::string own_error;
        std::string shared_error;
        FanSearchOutcome own;
        FanSearchOutcome together;
        try {
            own = SearchFans(table_, data_, criteria, kPoint);
        } catch (const KalvinteraError& error) {
            own_error = error.what();
        }
        try {
            together = SearchFans(table_, data_, criteria, kPoint, shared);
        } catch (const KalvinteraError& error) {
            shared_error = error.what();
        }
        EXPECT_EQ(own_error, shared_error);
        EXPECT_EQ(models(own), models(together));
        EXPECT_EQ(own.problems, together.problems);
        EXPECT_EQ(own.problem_devices, together.problem_devices);
        for (std::size_t i = 0; i < own.results.size() && i < together.results.size(); ++i) {
            EXPECT_EQ(own.results[i].Power, together.results[i].Power);
        }
    };
    // The polynomial that does not read abandons the search each time, as it would alone.
    for (const double pressure : {50.0, 100.0, 150.0}) {
        criteria_.duty = {0.2, pressure};
        same(criteria_);
    }
    table_.slot(3).PressureCoef[0] = "";
    const FanSearchCatalogue fixed(table_, data_, kPoint);
    shared.catalogue = &fixed;
    for (const FanKind kind : {FanKind::Roof, FanKind::Radial, FanKind::Roof}) {
        criteria_.kind = kind;
        for (const double flow : {0.1, 0.2, 0.3}) {
            criteria_.duty = {flow, 80};
            same(criteria_);
        }
    }
}

TEST(FanOrderings, LowestSpecificFanPowerKeepsTiesInSearchOrderAndUnusableLast)
{
    // SFP = power / flow: 200/0.4 = 500, 100/0.2 = 500 (a tie), 90/0.1 = 900, 50/0.5 = 100.
    std::vector<SelectionResult> results = {
        {1, 0.5, 200, 0.4, 100, 1}, {2, 0.5, 100, 0.2, 100, 1}, {3, 0.0, 10, 0.5, 100, 1},
        {4, 0.5, 90, 0.1, 100, 1},  {5, 0.5, 50, 0.5, 100, 1},
    };
    OrderResults(results, FanOrdering::LowestSpecificFanPower);
    std::vector<DeviceIndex> order;
    for (const SelectionResult& r : results) order.push_back(r.index);
    EXPECT_EQ(order, (std::vector<DeviceIndex>{5, 1, 2, 4, 3}));
    OrderResults(results, FanOrdering::LowestPower);
    EXPECT_EQ(results.front().index, 5);
    EXPECT_EQ(results.back().index, 3);
}

TEST_F(FanSearch, DensityCorrectionScalesThePressureAndIsOffAtTheCatalogueDensity)
{
    table_.slot(1) = RoofFan("A", 300);
    table_.slot(2) = RoofFan("B", 250);
    const FanSearchOutcome plain = search();
    FanSearchOptions options;
    options.air_density = 1.2;
    const FanSearchOutcome same = SearchFans(table_, data_, criteria_, kPoint, options);
    ASSERT_EQ(plain.results.size(), same.results.size());
    const auto same_bits = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    for (std::size_t i = 0; i < plain.results.size(); ++i) {
        const SelectionResult& a = plain.results[i];
        const SelectionResult& b = same.results[i];
        EXPECT_EQ(a.index, b.index);
        EXPECT_TRUE(same_bits(a.Flow, b.Flow) && same_bits(a.Pressure, b.Pressure) && same_bits(a.Power, b.Power)
                    && same_bits(a.Efficiency, b.Efficiency));
    }
    // Thinner air: the fans give less pressure, meet the system curve at a lower flow.
    options.air_density = 1.0;
    const FanSearchOutcome thin = SearchFans(table_, data_, criteria_, kPoint, options);
    ASSERT_EQ(thin.results.size(), plain.results.size());
    EXPECT_LT(thin.results[0].Flow, plain.results[0].Flow);
    EXPECT_LT(thin.results[0].Pressure, plain.results[0].Pressure);
}

TEST_F(FanSearch, KeepsTheBest500OfMore)
{
    for (int i = 1; i <= 600; ++i) {
        // Later fans are stronger and so draw more power: the first 500 slots win.
        table_.slot(i) = RoofFan("F" + std::to_string(i), 200 + i);
    }
    const FanSearchOutcome outcome = search();
    ASSERT_EQ(outcome.results.size(), 500u);
    EXPECT_EQ(outcome.results.front().index, 1);
    EXPECT_EQ(outcome.results.back().index, 500);
}

TEST(FanResultRow, SupplyTextsFollowTheModeAndTheChosenVoltage)
{
    DeviceRecord r = RoofFan("KDH", 300);
    r.Current1.clear();
    r.Current3 = "1.5";
    r.Voltage2 = "400";
    r.Current2 = "0.6";
    FanRowOptions basic;
    EXPECT_EQ(ResultSupplyTexts(r, basic).voltage, "230/400");
    EXPECT_EQ(ResultSupplyTexts(r, basic).current, "1.5/0.6");
    FanRowOptions advanced{true, "400", FlowUnit::CubicMetresPerHour};
    EXPECT_EQ(ResultSupplyTexts(r, advanced).voltage, "400");
    EXPECT_EQ(ResultSupplyTexts(r, advanced).current, "0.6");
    advanced.voltage = "230";
    EXPECT_EQ(ResultSupplyTexts(r, advanced).current, "1.5");
    r.Voltage1.clear();
    EXPECT_EQ(ResultSupplyTexts(r, basic).voltage, "400");
    EXPECT_EQ(ResultSupplyTexts(r, basic).current, "0.6");
    r.Voltage2.clear();
    EXPECT_EQ(ResultSupplyTexts(r, basic).voltage, "");
    EXPECT_EQ(ResultSupplyTexts(r, basic).current, "");
}

TEST(FanResultRow, RoundsShownValuesUnderEitherSeparator)
{
    DeviceRecord r = RoofFan("KDH", 300);
    r.FlowMax = "0.3125"; // 1125 m³/h
    const SelectionResult result{1, 0.64949, 123.44};
    FanResultRow row = MakeFanResultRow(r, result, {}, kPoint);
    EXPECT_EQ(row.max_flow, "1125");
    EXPECT_EQ(row.efficiency_pct, "64.9");
    EXPECT_EQ(row.power_w, "123.4");
    r.FlowMax = "0,3125";
    row = MakeFanResultRow(r, {1, 0.65, 100}, {false, "---", FlowUnit::CubicMetresPerSecond}, NumberFormat::comma());
    EXPECT_EQ(row.max_flow, "0,3125");
    EXPECT_EQ(row.efficiency_pct, "65");
    EXPECT_EQ(MakeFanResultRow(r, {1, 0, 1e9}, {}, NumberFormat::comma()).power_w, "");
}

TEST(FanResultRow, OperatingPointAndSfpInTheWindowsUnits)
{
    const DeviceRecord r = RoofFan("KDH", 300);
    // 1615.3 m³/h at 270.55 Pa taking 450 W: SFP = 450 / 0.448694 = 1002.9 W/(m³/s).
    const SelectionResult result{1, 0.5, 450, 1615.3 / 3600.0, 270.55, 2};
    FanResultRow row = MakeFanResultRow(r, result, {}, kPoint);
    EXPECT_EQ(row.operating_flow, "1615");
    EXPECT_EQ(row.operating_pressure, "271");
    EXPECT_EQ(row.sfp, "1003");

    FanRowOptions si;
    si.flow_unit = FlowUnit::CubicMetresPerSecond;
    si.pressure_unit = PressureUnit::Decapascal;
    row = MakeFanResultRow(r, result, si, NumberFormat::comma());
    EXPECT_EQ(row.operating_flow, "0,4487");
    EXPECT_EQ(row.operating_pressure, "27,1"); // 27.055 daPa
    EXPECT_EQ(row.sfp, "1003");

    // Without an efficiency there is no power, and so no SFP; the point is still shown.
    const FanResultRow no_power = MakeFanResultRow(r, {1, 0, 450, 0.1, 50, 1}, {}, kPoint);
    EXPECT_EQ(no_power.sfp, "");
    EXPECT_EQ(no_power.operating_flow, "360");
    EXPECT_EQ(MakeFanResultRow(r, {1, 0.5, 450, 0, 0, 1}, {}, kPoint).sfp, "");
}
