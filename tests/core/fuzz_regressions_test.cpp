// Inputs that once hung or broke a reader or the code behind it, kept so they never do
// again. Each must end with an error the user is shown, not a hang or a crash.
#include "core/catalogue/curve_file.h"
#include "core/catalogue/device_table.h"
#include "core/details/chart_curves.h"
#include "core/details/characteristic_chart.h"
#include "core/details/regulation.h"
#include "core/ductloss/duct_run.h"
#include "core/errors.h"
#include "core/text/number_format.h"
#include "core/text/rounding.h"
#include "core/shell/data_folder.h"

#include "shell_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

using namespace kalvintera;
using kalvintera::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

fs::path Saved(const std::string& name)
{
    return fs::path(KALVINTERA_TEST_FIXTURES) / "fuzz" / name;
}

// A data folder with the curve files of the tabulated fan the saved catalogues name.
class FuzzRegressionsCatalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(folder_ / "interpolacja/vdp");
        fs::create_directories(folder_ / "interpolacja/eta");
        folder_.write("interpolacja/vdp/kpw250.txt", "104;2193\r\n202;2122\r\n300;1990\r\n");
        folder_.write("interpolacja/eta/kpw250.txt", "104;38\r\n202;54\r\n300;61\r\n");
    }

    // The first record of a saved catalogue, charted with the usual duty point.
    void draw(const std::string& saved, CharacteristicKind kind, Regulation regulation)
    {
        ASSERT_EQ(LoadDeviceTable(Saved(saved), table_, NumberFormat::point()), 1);
        const DataFolder data(folder_.path());
        const CharacteristicRequest request{kind, DutyPoint{300.0 / 3600.0, 50.0}, regulation};
        DrawCharacteristicChart({table_.at(1), table_, data, NumberFormat::point()}, request, drawing_);
    }

    TempFolder folder_;
    DeviceTable table_;
    CharacteristicDrawing drawing_;
};

} // namespace

TEST_F(FuzzRegressionsCatalogue, ASystemCurveOnAChartOfEndlessRangesEnds)
{
    // A tabulated fan whose FlowMin, FlowMax and Pressure2 read 1E300: the system curve
    // neither rose to its end nor moved across the picture, and was stepped for ever.
    EXPECT_THROW(draw("device_system_curve_never_leaves_chart.dbx", CharacteristicKind::Pressure, Regulation::None),
                 DataError);
    EXPECT_THROW(draw("device_system_curve_never_leaves_chart.dbx", CharacteristicKind::Pressure, Regulation::Throttling),
                 DataError);
    // What was drawn before the curve stays.
    EXPECT_TRUE(drawing_.scale.has_value());
}

TEST_F(FuzzRegressionsCatalogue, ASpeedChangeForAnOperatingFlowNextToNothingIsRefused)
{
    // FlowMin = FlowMax = 1E-300 puts the operating point there; the new speed n·Vd/Vop
    // was past every whole number and was converted all the same.
    EXPECT_THROW(draw("device_speed_change_beyond_numbers.dbx", CharacteristicKind::Pressure, Regulation::SpeedChange),
                 DataError);
    EXPECT_THROW(TransposedSpeed(2600, 0.0833, 1e-300), DataError);
    // The largest speeds a number holds still come out.
    EXPECT_EQ(TransposedSpeed(1000, 2.0, 1.0), 2000);
    EXPECT_EQ(TransposedSpeed(1'000'000'000'000'000'000, 8.0, 1.0), 8'000'000'000'000'000'000);
}

TEST(FuzzRegressions, CurvesWhoseFlowsAStepCannotMoveAreRefused)
{
    // Flows of 7E16 m³/h (2·10¹³ m³/s): adding 0.001 m³/s leaves such a double as it was,
    // so the largest-power search never reached the end of its range.
    const CurveTable table = ReadCurveFile(Saved("curve_flows_too_large_to_step.txt"), 1, NumberFormat::point());
    FanCharacteristic fan;
    fan.tabulated = true;
    fan.pressure_table = table;
    fan.efficiency_table = ReadCurveFile(Saved("curve_flows_too_large_to_step.txt"), 100, NumberFormat::point());
    const FlowRange range{table.point(1).X / 3600.0, table.point(table.count()).X / 3600.0};
    EXPECT_THROW(LargestPower({fan, range}), DataError);

    // The same for the sampled curves, at either end of the range.
    int visits = 0;
    const auto count = [&visits](double) { ++visits; };
    EXPECT_THROW(ForEachFlowSample(4e12, 4e12 + 100, kCurveStep, true, count), DataError);
    EXPECT_THROW(ForEachFlowSample(-4e12, -4e12 + 100, kCurveStep, true, count), DataError);
    EXPECT_EQ(visits, 0);

    // Flows of an ordinary fan still step from end to end.
    ForEachFlowSample(0.1, 0.1005, kCurveStep, true, count);
    EXPECT_EQ(visits, 5);
}

TEST(FuzzRegressions, ARunOfLossesNearTheLargestNumberStaysEditable)
{
    // Its losses add up to a number, but rounding the total to hundredths overflowed into an
    // infinity, after which no row could be changed or removed.
    const std::vector<FittingRow> rows = ReadRunFile(Saved("run_of_losses_near_the_largest_number.moh"));
    for (NumberFormat numbers : {NumberFormat::point(), NumberFormat::comma()}) {
        DuctRun run = DuctRun::fromRows(rows, numbers);
        while (!run.empty()) ASSERT_TRUE(run.remove(run.count() - 1, numbers));
        EXPECT_TRUE(std::isfinite(ParseNumber(NormalizeDecimal(run.totalText(), numbers), numbers)));
    }
    EXPECT_EQ(RoundHalfEven(1.7e308, 2), 1.7e308);
    EXPECT_EQ(RoundHalfEven(-1.7e308, 2), -1.7e308);
}
