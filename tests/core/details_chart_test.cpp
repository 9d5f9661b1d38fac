#include "core/details/chart_frame.h"
#include "core/details/characteristic_chart.h"
#include "core/errors.h"

#include "shell_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace kalvintera;
using kalvintera::testing::TempFolder;

namespace {

// dp = a0 − a2·V² over FlowMin … FlowMax, efficiency 0.5 throughout.
DeviceRecord PolynomialFan(const std::string& a2, const std::string& a0, const std::string& flow_min,
                           const std::string& flow_max)
{
    DeviceRecord fan;
    fan.NamePl = "WENTYLATOR DACHOWY";
    fan.Model = "KDH-TEST";
    fan.PressureCoef = {"", "", a2, "", a0};
    fan.EfficiencyCoef = {"", "", "", "", "0.5"};
    fan.FlowMin = flow_min;
    fan.FlowMax = flow_max;
    fan.Pressure1 = "80";
    fan.Pressure2 = "450";
    fan.Speed = "1400";
    return fan;
}

struct Chart {
    CharacteristicDrawing drawing;
    DeviceTable devices;
    DataFolder data{std::filesystem::temp_directory_path()};

    const CharacteristicDrawing& draw(const DeviceRecord& device, CharacteristicKind kind, std::optional<DutyPoint> duty = std::nullopt,
                             Regulation regulation = Regulation::None)
    {
        DrawCharacteristicChart({device, devices, data, NumberFormat::point()}, {kind, duty, regulation}, drawing);
        return drawing;
    }
    // With the best efficiency point marked, for air of `density`.
    const CharacteristicDrawing& drawMarked(const DeviceRecord& device, CharacteristicKind kind, std::optional<DutyPoint> duty,
                                            double density = 1.2)
    {
        DrawCharacteristicChart({device, devices, data, NumberFormat::point(), density}, {kind, duty, Regulation::None, "BEP"},
                                drawing);
        return drawing;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> found;
        for (const TextItem& text : drawing.picture.all<TextItem>()) found.push_back(text.text);
        return found;
    }
    bool hasText(const std::string& text) const
    {
        const auto all = texts();
        return std::find(all.begin(), all.end(), text) != all.end();
    }
    std::vector<PolylineItem> curves(Colour colour) const
    {
        std::vector<PolylineItem> found;
        for (const PolylineItem& line : drawing.picture.all<PolylineItem>()) {
            if (line.pen.colour == colour) found.push_back(line);
        }
        return found;
    }
};

} // namespace

TEST(ChartFrame, AxesAndGridOfTheWorkedExample)
{
    const double flow_axis = 1.1 * 0.5 * 3600.0;
    EXPECT_NEAR(flow_axis, 1980, 1e-9);
    EXPECT_EQ(FlowGridStep(flow_axis), 200); // 198 rounds to 200
    EXPECT_EQ(GridCount(flow_axis, 200), 10);
    const double value_axis = 1.1 * 450;
    EXPECT_NEAR(value_axis, 495, 1e-9);
    EXPECT_EQ(ValueGridStep(495), 50); // 49.5: halves go to the even 50
    EXPECT_EQ(GridCount(value_axis, 50), 10);

    // A step that rounds to 0 becomes the smallest one, so the grid still ends.
    EXPECT_EQ(FlowGridStep(40), 10);
    EXPECT_EQ(GridCount(40, 10), 4);
    EXPECT_EQ(ValueGridStep(4), 1);

    Chart chart;
    chart.draw(PolynomialFan("0", "450", "0.1", "0.5"), CharacteristicKind::Pressure);
    const CharacteristicScale scale = *chart.drawing.scale;
    EXPECT_NEAR(scale.flow_axis_m3h, 1980, 1e-9);
    EXPECT_NEAR(scale.value_axis, 495, 1e-9);
    // Flow ticks at round(i·200·440/1980) + 20, the last at 464; value lines from the first step up.
    std::vector<int> ticks;
    for (const LineItem& line : chart.drawing.picture.all<LineItem>()) {
        if (line.from.y == 308 - 25 && line.to.y == 308 - 15) ticks.push_back(line.from.x);
    }
    ASSERT_EQ(ticks.size(), 11u);
    EXPECT_EQ(ticks.front(), 20);
    EXPECT_EQ(ticks[1], 64);
    EXPECT_EQ(ticks.back(), 464);
    EXPECT_TRUE(chart.hasText("2000"));
    EXPECT_TRUE(chart.hasText("500"));
    std::vector<std::string> value_labels;
    for (const TextItem& text : chart.drawing.picture.all<TextItem>()) {
        if (text.x == 4) value_labels.push_back(text.text);
    }
    ASSERT_EQ(value_labels.size(), 10u); // none at 0
    EXPECT_EQ(value_labels.front(), "50");
    EXPECT_TRUE(chart.hasText("dps [Pa]"));
    EXPECT_TRUE(chart.hasText("dps=f(V)"));
}

TEST(ChartFrame, ReadoutConvertsBackAndStaysWithinTheChart)
{
    const CharacteristicScale pressure{500, 308, 1980, 495};
    EXPECT_EQ(pressure.at(990, 247.5).x, 240);
    const CharacteristicReadout middle = ReadCharacteristicAt(pressure, 240, 164, 1e300);
    EXPECT_EQ(middle.flow_m3h, 990);
    EXPECT_EQ(middle.value, 248); // 124 · 495 / 248 = 247.5: halves go to even
    const CharacteristicReadout outside = ReadCharacteristicAt(pressure, 5, 305, 1e300);
    EXPECT_EQ(outside.flow_m3h, 0);
    EXPECT_EQ(outside.value, 0);

    const CharacteristicScale efficiency{500, 300, 1980, 100};
    EXPECT_EQ(ReadCharacteristicAt(efficiency, 100, 0, 100).value, 100);
    EXPECT_EQ(ReadCharacteristicAt(efficiency, 100, 40, 100).value, 100);
}

TEST(CharacteristicChart, OperatingPointIsMarkedWhereTheScanStopped)
{
    Chart chart;
    // The worked example of the scan: dp = 100, k = 5000, the scan stops at 0.1415 + one step.
    const DeviceRecord fan = PolynomialFan("0", "100", "0.1", "0.5");
    chart.draw(fan, CharacteristicKind::Pressure, DutyPoint{0.1, 50});
    ASSERT_TRUE(chart.drawing.operating_point);
    EXPECT_NEAR(chart.drawing.operating_point->flow_m3s, 0.1416, 1e-9);
    EXPECT_NEAR(chart.drawing.operating_point->pressure_pa, 5000 * 0.1415 * 0.1415, 1e-6);
    EXPECT_TRUE(chart.hasText("(509.8 ; 100.1)"));
    EXPECT_EQ(chart.drawing.picture.all<EllipseItem>().size(), 1u);
    EXPECT_EQ(chart.curves(colours::kBlue).size(), 1u); // the system curve

    // A system curve that never meets the fan curve: the point is (FlowMax, Pressure1).
    chart.draw(fan, CharacteristicKind::Pressure, DutyPoint{0.1, 1});
    EXPECT_DOUBLE_EQ(chart.drawing.operating_point->flow_m3s, 0.5);
    EXPECT_DOUBLE_EQ(chart.drawing.operating_point->pressure_pa, 80);
    EXPECT_TRUE(chart.hasText("(1800 ; 80)"));

    // Without a duty point neither the system curve nor a marker.
    chart.draw(fan, CharacteristicKind::Pressure);
    EXPECT_FALSE(chart.drawing.operating_point);
    EXPECT_TRUE(chart.drawing.picture.all<EllipseItem>().empty());
    EXPECT_TRUE(chart.curves(colours::kBlue).empty());
}

TEST(CharacteristicChart, PowerAndEfficiencyChartsMarkTheirValues)
{
    Chart chart;
    const DeviceRecord fan = PolynomialFan("0", "100", "0.1", "0.5");
    chart.draw(fan, CharacteristicKind::Power, DutyPoint{0.1, 50});
    // Nel = 0.5 · 100 / 0.5 at most: the axis is 1.1 times the largest sampled power.
    EXPECT_NEAR(chart.drawing.scale->value_axis, 110, 1e-6);
    EXPECT_NEAR(chart.drawing.operating_point->value, 100 * 0.1416 / 0.5, 1e-6);
    ASSERT_EQ(chart.drawing.picture.all<EllipseItem>().size(), 1u);
    EXPECT_EQ(chart.drawing.picture.all<EllipseItem>()[0].pen.colour, colours::kBlue);
    EXPECT_TRUE(chart.hasText("Nel [W]"));

    chart.draw(fan, CharacteristicKind::Efficiency, DutyPoint{0.1, 50});
    EXPECT_DOUBLE_EQ(chart.drawing.scale->value_axis, 100);
    EXPECT_EQ(chart.drawing.picture.height, 300);
    EXPECT_DOUBLE_EQ(chart.drawing.operating_point->value, 50);
    EXPECT_EQ(chart.drawing.picture.all<EllipseItem>()[0].pen.colour, colours::kGreen);
    EXPECT_TRUE(chart.hasText("(509.8 ; 50)"));
}

TEST(CharacteristicChart, BestEfficiencyPointIsMarkedOnEveryChart)
{
    Chart chart;
    // dp = 400 − 1000·V², η = −2V² + 2V + 0.2: the best point 70 % at 0.5 m³/s (1800 m³/h),
    // where dp = 150 Pa and Nel = 0.5 · 150 / 0.7.
    DeviceRecord fan = PolynomialFan("-1000", "400", "0.1", "1.0");
    fan.EfficiencyCoef = {"", "", "-2", "2", "0.2"};
    const double values[] = {150, 0.5 * 150 / 0.7, 70};
    int i = 0;
    for (const CharacteristicKind kind : {CharacteristicKind::Pressure, CharacteristicKind::Power, CharacteristicKind::Efficiency}) {
        chart.drawMarked(fan, kind, DutyPoint{0.3, 100});
        ASSERT_TRUE(chart.drawing.best_efficiency);
        EXPECT_NEAR(chart.drawing.best_efficiency->flow_m3s, 0.5, 1e-3);
        EXPECT_NEAR(chart.drawing.best_efficiency->value, values[i++], 0.05);
        EXPECT_EQ(chart.curves(colours::kPurple).size(), 1u);
        const auto texts = chart.texts();
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const std::string& t) { return t.rfind("BEP (1800", 0) == 0; }),
                  1);
    }
    // Without a label nothing is marked: older callers draw what they drew.
    chart.draw(fan, CharacteristicKind::Efficiency, DutyPoint{0.3, 100});
    EXPECT_FALSE(chart.drawing.best_efficiency);
    EXPECT_TRUE(chart.curves(colours::kPurple).empty());
}

TEST(CharacteristicChart, DensityScalesTheFanAndTheCatalogueDensityChangesNothing)
{
    Chart chart;
    DeviceRecord fan = PolynomialFan("-1000", "400", "0.1", "1.0");
    fan.EfficiencyCoef = {"", "", "-2", "2", "0.2"};
    const DutyPoint duty{0.3, 100};
    const CharacteristicDrawing plain = chart.draw(fan, CharacteristicKind::Pressure, duty);
    const CharacteristicDrawing at_catalogue = chart.drawMarked(fan, CharacteristicKind::Pressure, duty, 1.2);
    EXPECT_EQ(plain.operating_point->flow_m3s, at_catalogue.operating_point->flow_m3s);
    EXPECT_EQ(plain.operating_point->pressure_pa, at_catalogue.operating_point->pressure_pa);
    EXPECT_EQ(plain.scale->value_axis, at_catalogue.scale->value_axis);

    // Denser air lifts the curve: the operating point moves to more flow and pressure, and
    // the axis grows by the same ratio.
    const CharacteristicDrawing dense = chart.drawMarked(fan, CharacteristicKind::Pressure, duty, 1.44);
    EXPECT_GT(dense.operating_point->flow_m3s, plain.operating_point->flow_m3s);
    EXPECT_NEAR(dense.scale->value_axis, plain.scale->value_axis * 1.2, 1e-9);
    EXPECT_NEAR(dense.best_efficiency->value, 150 * 1.2, 0.05);
}

TEST(CharacteristicChart, ThrottlingLeavesTheSurplusPressure)
{
    Chart chart;
    const DeviceRecord fan = PolynomialFan("-500", "200", "0.1", "0.6"); // 180 Pa at 0.2 m³/s
    chart.draw(fan, CharacteristicKind::Pressure, DutyPoint{0.2, 150}, Regulation::Throttling);
    ASSERT_TRUE(chart.drawing.throttling);
    EXPECT_EQ(*chart.drawing.throttling, (ThrottlingValues{30, 720}));
    EXPECT_EQ(chart.curves(colours::kBlue).size(), 2u); // system curve and throttled curve
    EXPECT_EQ(chart.drawing.picture.all<EllipseItem>().size(), 2u);
    EXPECT_TRUE(chart.hasText("(720 ; 180)"));
    EXPECT_FALSE(chart.drawing.speed_change);
}

TEST(CharacteristicChart, SpeedChangeMovesTheCharacteristicThroughTheDutyFlow)
{
    Chart chart;
    const DeviceRecord fan = PolynomialFan("-500", "200", "0.1", "0.6");
    chart.draw(fan, CharacteristicKind::Pressure, DutyPoint{0.2, 100}, Regulation::SpeedChange);
    ASSERT_TRUE(chart.drawing.speed_change);
    const SpeedChange& change = *chart.drawing.speed_change;
    const double operating_flow = chart.drawing.operating_point->flow_m3s;
    EXPECT_NEAR(operating_flow, 0.2583, 1e-9); // 2500·V² meets 200 − 500·V² at 0.25820
    EXPECT_EQ(change.speed_rpm, 1400);
    EXPECT_EQ(change.new_speed_rpm, 1084); // round(0.2 / 0.2583 · 1400) = round(1084.01)
    const double r = 1084.0 / 1400.0;
    EXPECT_DOUBLE_EQ(change.ratio, r);
    EXPECT_NEAR(change.flow_m3s, r * operating_flow, 1e-12);
    EXPECT_NEAR(change.pressure_pa, r * r * 2500 * 0.2582 * 0.2582, 1e-6);
    EXPECT_EQ(chart.curves(colours::kRed).size(), 2u); // the characteristic and its transposition

    EXPECT_EQ(TransposedSpeed(1400, 0.1, 0.2), 700);
    EXPECT_EQ(TransposedSpeed(1401, 0.1, 0.2), 700); // 700.5: halves to even
    EXPECT_THROW(TransposedSpeed(0, 0.1, 0.2), DataError);

    DeviceRecord no_speed = fan;
    no_speed.Speed = "";
    EXPECT_THROW(chart.draw(no_speed, CharacteristicKind::Pressure, DutyPoint{0.2, 100}, Regulation::SpeedChange),
                 ConversionError);
}

TEST(CharacteristicChart, TransposedParametersScaleWithTheSpeedRatio)
{
    SpeedChange change;
    change.new_speed_rpm = 700;
    change.ratio = 0.5;
    change.flow_m3s = 0.1;
    change.pressure_pa = 44.44;
    const TransposedParameters texts = TransposedParameterTexts(change, 800, "62", NumberFormat::comma());
    EXPECT_EQ(texts.flow_m3h, "360");
    EXPECT_EQ(texts.pressure_pa, "44,4");
    EXPECT_EQ(texts.power_w, "100");
    EXPECT_EQ(texts.sound_level_db, "46,9"); // 62 − 15.05
    EXPECT_EQ(texts.speed_rpm, "700");
    EXPECT_EQ(TransposedParameterTexts(change, 800, "", NumberFormat::point()).sound_level_db, "");
}

TEST(CharacteristicChart, MountedAccessoryWidensTheRangesAndAddsItsCurve)
{
    Chart chart;
    DeviceRecord fan = PolynomialFan("-500", "200", "0.1", "0.5");
    fan.MountedAccessory = "BDS-1";
    fan.ExtraCoef[0] = {"0", "0", "-600", "0", "190"};
    fan.ExtraCoef[2][0] = "1E-1";
    fan.ExtraCoef[2][1] = "5E-1";
    DeviceRecord base;
    base.Model = "BDS-1";
    base.FlowMin = "0";
    base.FlowMax = "0.6";
    base.Pressure2 = "500";
    base.PressureCoef = {"", "", "100", "", ""};
    chart.devices.slot(7) = base;

    chart.draw(fan, CharacteristicKind::Pressure);
    EXPECT_NEAR(chart.drawing.scale->flow_axis_m3h, 1.1 * 0.6 * 3600, 1e-9);
    EXPECT_NEAR(chart.drawing.scale->value_axis, 550, 1e-9);
    EXPECT_EQ(chart.curves(colours::kDarkRed).size(), 1u);
    ASSERT_EQ(chart.curves(colours::kGreen).size(), 1u);
    EXPECT_EQ(chart.curves(colours::kGreen)[0].pen.style, PenStyle::Dash);
    EXPECT_TRUE(chart.hasText("dps=f(V)+BDS"));

    // A code naming no record: no accessory curve, and the fan's own ranges.
    fan.MountedAccessory = "BRAK";
    chart.draw(fan, CharacteristicKind::Pressure);
    EXPECT_TRUE(chart.curves(colours::kGreen).empty());
    EXPECT_NEAR(chart.drawing.scale->value_axis, 495, 1e-9);
}

TEST(CharacteristicChart, DeviceOfAnotherKindGetsNoTitleButItsCurve)
{
    Chart chart;
    DeviceRecord other = PolynomialFan("0", "100", "0.1", "0.5");
    other.NamePl = "NAWIEWNIK";
    chart.draw(other, CharacteristicKind::Pressure);
    EXPECT_FALSE(chart.hasText("dps [Pa]"));
    EXPECT_FALSE(chart.hasText("dpc=f(V)"));
    EXPECT_FALSE(chart.curves(colours::kRed).empty());
    other.NamePl = "WENTYLATOR KANAŁOWY";
    chart.draw(other, CharacteristicKind::Pressure);
    EXPECT_TRUE(chart.hasText("dpc [Pa]"));
}

TEST(CharacteristicChart, FailedDrawingKeepsWhatItDrew)
{
    Chart chart;
    DeviceRecord fan = PolynomialFan("0", "100", "0.1", "0.5");
    fan.ExtraCoef[0][4] = "100";
    fan.ExtraCoef[2][0] = "abc";
    EXPECT_THROW(chart.draw(fan, CharacteristicKind::Pressure), ConversionError);
    EXPECT_EQ(chart.curves(colours::kRed).size(), 1u);
    EXPECT_TRUE(chart.drawing.scale);

    DeviceRecord flat = PolynomialFan("0", "100", "0.1", "0.5");
    flat.Pressure2 = "0";
    EXPECT_THROW(chart.draw(flat, CharacteristicKind::Pressure), DataError);
}

TEST(CharacteristicChart, TabulatedCurvesUseEveryLineOfTheirFiles)
{
    TempFolder folder;
    std::filesystem::create_directories(folder / "interpolacja/vdp");
    std::filesystem::create_directories(folder / "interpolacja/eta");
    std::string pressure;
    std::string efficiency;
    for (int i = 0; i < 150; ++i) { // more lines than a table of 100 would hold
        pressure += std::to_string(500 + 10 * i) + ";" + std::to_string(600 - 3 * i) + "\r\n";
        efficiency += std::to_string(500 + 10 * i) + ";50\r\n";
    }
    folder.write("interpolacja/vdp/t.txt", pressure);
    folder.write("interpolacja/eta/t.txt", efficiency);

    Chart chart;
    chart.data = DataFolder(folder.path());
    DeviceRecord fan = PolynomialFan("0", "100", "0.1389", "0.5528");
    fan.CurveFile = "t.txt";
    fan.Pressure2 = "600";
    fan.ExtraCoef[0][4] = "100"; // named in the legend, but no second curve for a tabulated fan
    chart.draw(fan, CharacteristicKind::Pressure);
    const auto red = chart.curves(colours::kRed);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].points.size(), 150u);
    EXPECT_EQ(red[0].points.back(), chart.drawing.scale->at(1990, 153));
    EXPECT_TRUE(chart.curves(colours::kDarkRed).empty());
    EXPECT_TRUE(chart.hasText("dps=f(V)+BDS"));

    chart.draw(fan, CharacteristicKind::Efficiency);
    EXPECT_EQ(chart.curves(colours::kRed)[0].points.front(), chart.drawing.scale->at(500, 50));
    chart.draw(fan, CharacteristicKind::Power);
    // Starts at FlowMin with the first line's values, then one point per line.
    EXPECT_EQ(chart.curves(colours::kRed)[0].points.front(), chart.drawing.scale->at(0.1389 * 3600, 0.1389 * 600 / 0.5));

    fan.CurveFile = "missing.txt";
    EXPECT_THROW(chart.draw(fan, CharacteristicKind::Pressure), FileError);
}
