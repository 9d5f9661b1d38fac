#include "core/humidair/humid_air.h"
#include "core/humidair/ix_chart_drawing.h"
#include "core/humidair/ix_chart_geometry.h"
#include "core/humidair/ix_chart_lines.h"
#include "core/humidair/ix_chart_readout.h"
#include "core/humidair/ix_readout_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace kalvintera;

namespace {

const NumberFormat kPoint = NumberFormat::point();

std::size_t CountPolylines(const DisplayList& list, Colour colour)
{
    const auto lines = list.all<PolylineItem>();
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [colour](const PolylineItem& l) { return l.pen.colour == colour; }));
}

std::size_t DrawnDensityLines(const IxChartGeometry& g, double pb)
{
    std::size_t drawn = 0;
    for (double rho : DensityLineValues(pb)) drawn += TraceDensityLine(g, rho, pb, kPoint).has_value();
    return drawn;
}

} // namespace

TEST(IxChartGeometry, WorkedExample)
{
    const IxChartGeometry g = IxChartGeometry::ForPicture(1000, 700);
    EXPECT_NEAR(g.kx, 26.857, 0.001);
    EXPECT_NEAR(g.ky, 9.846, 0.001);
    const ChartPosition at = ChartToPixel(g, {0.010, 20});
    EXPECT_EQ(at, (ChartPosition{289, 512}));
    EXPECT_EQ(g.pixel(at), (PixelPoint{289, 188}));
    const ChartState back = PixelToChart(g, 289, 188);
    EXPECT_NEAR(back.moisture_kgkg, 0.010, 0.5 / g.kx / 1000);
    EXPECT_NEAR(back.temperature_c, 20, 0.5 / g.ky);
    // The t axis runs from -30 °C at cy = 20 to 35 °C at cy = H - 40.
    EXPECT_EQ(ChartRow(g, -30), 20);
    EXPECT_EQ(ChartRow(g, 35), 660);
    // The client area leaves 20 pixels of each side to the window.
    const IxChartGeometry client = IxChartGeometry::ForClientArea(1020, 720);
    EXPECT_EQ(client.width, 1000);
    EXPECT_EQ(client.height, 700);
    // Halves go to the even pixel.
    EXPECT_EQ(RoundPixel(288.5), 288);
    EXPECT_EQ(RoundPixel(289.5), 290);
}

TEST(IxChartLines, DensityLinesGoOnAbove101300Pa)
{
    const IxChartGeometry g = IxChartGeometry::ForPicture(1000, 700);
    EXPECT_EQ(DensityLineValues(101300).size(), 23u);
    EXPECT_DOUBLE_EQ(DensityLineValues(101300).back(), 1.34);
    EXPECT_EQ(DensityLineValues(101301).size(), 40u);
    EXPECT_DOUBLE_EQ(DensityLineValues(101301).back(), 1.68);
    // Of the added ones only those whose saturated end lies above -30 °C are drawn.
    EXPECT_EQ(DrawnDensityLines(g, 101300), 23u);
    EXPECT_EQ(DrawnDensityLines(g, 101301), 28u);
    // The label is the density at 2 decimals.
    const auto line = TraceDensityLine(g, 1.2, 101300, NumberFormat::comma());
    ASSERT_TRUE(line);
    EXPECT_EQ(line->label, "1,2");
    EXPECT_EQ(line->points.size(), 2u);
    EXPECT_EQ(line->points.front().x, 20);
}

TEST(IxChartLines, EnthalpyLinesStartAtTheTopAndEndOnTheSaturationLine)
{
    const IxChartGeometry g = IxChartGeometry::ForPicture(1000, 700);
    // 50 kJ/kg lies above 46: the line starts at 50 °C with X slightly below 0.
    const TracedLine line = TraceEnthalpyLine(g, 50, 101300, kPoint);
    EXPECT_EQ(line.points.front(), g.pixel(20, ChartRow(g, 50)));
    EXPECT_EQ(line.label, "50");
    const double x0 = (50 - 50.25) / 2593;
    EXPECT_EQ(line.points[1], g.pixel(ChartToPixel(g, {x0 + 0.00002, TemperatureFromEnthalpy(50, x0 + 0.00002)})));
    // 20 kJ/kg starts on the t axis at 20 / 1.005 °C.
    EXPECT_EQ(TraceEnthalpyLine(g, 20, 101300, kPoint).points.front(), g.pixel(20, ChartRow(g, 20 / 1.005)));

    // Its end lies on the 100 % line, which marks the saturation limit.
    const TracedLine saturated = TraceHumidityLine(g, 1.0, 101300, kPoint);
    EXPECT_EQ(saturated.label, "100%");
    for (double i : {0.0, 20.0, 50.0, 90.0}) {
        const PixelPoint end = TraceEnthalpyLine(g, i, 101300, kPoint).points.back();
        int nearest = 1 << 30;
        for (std::size_t k = 1; k < saturated.points.size(); ++k) {
            // Distance to the segment's end points is enough at this resolution.
            const PixelPoint p = saturated.points[k];
            nearest = std::min(nearest, std::abs(p.x - end.x) + std::abs(p.y - end.y));
        }
        EXPECT_LE(nearest, 4) << i;
    }
    // A line that never meets saturation ends at -30 °C.
    const TracedLine dry = TraceEnthalpyLine(g, -25, 100, kPoint);
    EXPECT_LE(dry.points.back().y, g.height - 20 + 1);
}

TEST(IxChartLines, HumidityLinesRunUpToTheChartLimits)
{
    const IxChartGeometry g = IxChartGeometry::ForPicture(1000, 700);
    const TracedLine half = TraceHumidityLine(g, 0.5, 101300, kPoint);
    EXPECT_EQ(half.label, "50%");
    EXPECT_EQ(half.points.front().y, g.height - 20); // starts at -30 °C
    // It ends where t passes 40 °C or X passes 35 g/kg.
    const ChartState end = PixelToChart(g, half.points.back().x, half.points.back().y);
    EXPECT_TRUE(end.temperature_c >= 39.9 || end.moisture_kgkg >= 0.0349);
    // Absurd pressures still end.
    for (double pb : {0.0, 10.0, 61.1, 1e9, -5.0, std::nan("")}) {
        EXPECT_FALSE(TraceHumidityLine(g, 0.1, pb, kPoint).points.empty());
        EXPECT_FALSE(TraceEnthalpyLine(g, 125, pb, kPoint).points.empty());
        (void)TraceDensityLine(g, 1.2, pb, kPoint);
    }
    EXPECT_FALSE(TraceDensityLine(g, 1.2, 0, kPoint)); // no saturation ever: no line
}

TEST(IxChartReadout, StateUnderThePointer)
{
    const IxChartGeometry g = IxChartGeometry::ForPicture(1000, 700);
    const HumidAirState s = ReadoutAt(g, 101300, 289, 188);
    EXPECT_NEAR(s.moisture_kgkg, 0.01, 0.00002);
    EXPECT_NEAR(s.temperature_c, 20, 0.05);
    EXPECT_NEAR(s.enthalpy_kjkg, EnthalpyOf(s.temperature_c, s.moisture_kgkg), 1e-12);
    EXPECT_NEAR(s.dry_air_pa, 101300 - s.vapour_pa, 1e-9);
    const auto lines = ReadoutLines(ReadoutAt(g, 101300, 289, g.height - ChartRow(g, 20)), kPoint);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1], "t = 20 C");

    // Left of the t axis: X = 0 shown, the state of X = 0.000001 kg/kg.
    const HumidAirState left = ReadoutAt(g, 101300, 5, 300);
    EXPECT_DOUBLE_EQ(left.moisture_kgkg, 0.000001);
    EXPECT_EQ(ReadoutLines(left, kPoint)[0], "X = 0 g/kg");

    // Above saturation: φ = 100 % and pp = ps.
    const HumidAirState fog = ReadoutAt(g, 101300, ChartColumn(g, 0.03), g.height - ChartRow(g, 0));
    EXPECT_DOUBLE_EQ(fog.humidity_percent, 100);
    EXPECT_DOUBLE_EQ(fog.vapour_pa, fog.saturation_pa);
    EXPECT_EQ(ReadoutLines(fog, kPoint)[4], "φ = 100 %");

    // No pressure, no dew point: shown as "-", nothing thrown.
    EXPECT_EQ(ReadoutLines(ReadoutAt(g, 0, 289, 188), kPoint)[7], "tr= - C");
}

TEST(IxChartReadout, FogRegionAndDewPointNeverAboveTheAir)
{
    // Saturated air at 5 °C: the dew point fit read back 5.3 °C.
    const HumidAirState fog = ReadoutState({0.03, 5}, 101300);
    EXPECT_EQ(fog.dew_point_c, 5);
    EXPECT_EQ(ReadoutLines(fog, kPoint)[7], "tr= 5 C");
    EXPECT_DOUBLE_EQ(fog.vapour_pa, fog.saturation_pa);
    EXPECT_DOUBLE_EQ(fog.dry_air_pa, 101300 - fog.saturation_pa);
    EXPECT_TRUE(InFogRegion({0.03, 5}, 101300));
    EXPECT_FALSE(InFogRegion({0.003, 5}, 101300));
    EXPECT_FALSE(InFogRegion({-0.01, 5}, 101300)); // left of the axis: next to no water
    // Exactly saturated air is humid air, not fog.
    const double saturated = MoistureFromHumidity(1, SaturationPressure(20), 101300);
    EXPECT_FALSE(InFogRegion({saturated * (1 - 1e-9), 20}, 101300));
    EXPECT_TRUE(InFogRegion({saturated * (1 + 1e-9), 20}, 101300));

    // Over the whole chart, inside and outside the fog, the dew point is not above t; it
    // equals t in the fog.
    const IxChartGeometry g = IxChartGeometry::ForPicture(1000, 700);
    for (int x = 0; x < g.width; x += 7) {
        for (int y = 0; y < g.height; y += 7) {
            const ChartState at = PixelToChart(g, x, y);
            const HumidAirState s = ReadoutAt(g, 101300, x, y);
            ASSERT_LE(s.dew_point_c, s.temperature_c) << x << "," << y;
            if (InFogRegion(at, 101300)) {
                ASSERT_EQ(s.dew_point_c, s.temperature_c) << x << "," << y;
            }
            const ReadoutFigures shown = ShownReadout(s);
            ASSERT_LE(shown.dew_point_c, shown.temperature_c) << x << "," << y;
        }
    }
    // Away from saturation the dew point is the fit's, as before.
    EXPECT_EQ(ReadoutState({0.01, 20}, 101300).dew_point_c, SaturationTemperature(ReadoutState({0.01, 20}, 101300).vapour_pa));
}

TEST(IxChartDrawing, FamiliesFollowTheSwitchesAndPointsComeLast)
{
    const IxChartGeometry g = IxChartGeometry::ForPicture(1000, 700);
    std::vector<ChartPoint> points(2);
    points[0].name = "A";
    points[0].moisture_kgkg = 0.01;
    points[0].temperature_c = 20;
    points[1].name = "B";
    points[1].moisture_kgkg = 0.005;
    points[1].temperature_c = 10;
    const std::vector<ChartProcess> processes{{"grzanie", "A", "B", true},
                                              {"bez linii", "A", "B", false},
                                              {"usunięty", "A", "C", true}};
    const DisplayList all = DrawIxChart(g, IxChartOptions{}, points, processes, kPoint);
    EXPECT_EQ(all.width, 1000);
    EXPECT_EQ(all.height, 700);
    EXPECT_EQ(CountPolylines(all, colours::kBlue), 31u);
    EXPECT_EQ(CountPolylines(all, colours::kRed), 10u);
    EXPECT_EQ(CountPolylines(all, colours::kGreen), 23u);

    const auto ellipses = all.all<EllipseItem>();
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0], (EllipseItem{284, 183, 294, 193, Pen{colours::kBlack, 2, PenStyle::Solid}, std::nullopt}));
    // One process line only: the one that draws and whose points exist.
    const auto lines = all.all<LineItem>();
    const auto wide = std::count_if(lines.begin(), lines.end(), [](const LineItem& l) { return l.pen.width == 2; });
    EXPECT_EQ(wide, 1);
    EXPECT_EQ(lines.back().from, (PixelPoint{289, 188}));
    // The point's name is written 10 pixels left of and below its centre.
    const auto texts = all.all<TextItem>();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const TextItem& t) {
        return t.text == "A" && t.x == 279 && t.y == 198;
    }));
    // The axis captions and tick labels.
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const TextItem& t) { return t.text == "X [g/kg]"; }));
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const TextItem& t) { return t.text == "-25"; }));

    IxChartOptions none;
    none.enthalpy_lines = none.humidity_lines = none.density_lines = false;
    const DisplayList bare = DrawIxChart(g, none, {}, {}, kPoint);
    EXPECT_TRUE(bare.all<PolylineItem>().empty());
    EXPECT_TRUE(bare.all<EllipseItem>().empty());
    EXPECT_EQ(bare.all<LineItem>().size(), 6u + 7 + 13 + 38 + 72);
}
