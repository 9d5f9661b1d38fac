// The energy figures against values worked out by hand.

#include "core/catalogue/characteristic.h"
#include "core/selection/energy_figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace kalvintera;

namespace {

FanCharacteristic Polynomial(Polynomial4 pressure, Polynomial4 efficiency)
{
    FanCharacteristic fan;
    fan.pressure_coef = pressure;
    fan.efficiency_coef = efficiency;
    return fan;
}

FanCharacteristic Tabulated(std::vector<CurvePoint> pressure, std::vector<CurvePoint> efficiency)
{
    FanCharacteristic fan;
    fan.tabulated = true;
    fan.pressure_table = CurveTable{std::move(pressure)};
    fan.efficiency_table = CurveTable{std::move(efficiency)};
    return fan;
}

} // namespace

TEST(EnergyFigures, SpecificFanPowerAndItsCategoryBoundaries)
{
    EXPECT_DOUBLE_EQ(SpecificFanPower(500, 0.5), 1000);
    EXPECT_EQ(SpecificFanPower(500, 0), 0);
    EXPECT_EQ(SpecificFanPowerCategory(0), 1);
    EXPECT_EQ(SpecificFanPowerCategory(500), 1);
    EXPECT_EQ(SpecificFanPowerCategory(500.0001), 2);
    EXPECT_EQ(SpecificFanPowerCategory(750), 2);
    EXPECT_EQ(SpecificFanPowerCategory(1250), 3);
    EXPECT_EQ(SpecificFanPowerCategory(2000), 4);
    EXPECT_EQ(SpecificFanPowerCategory(3000), 5);
    EXPECT_EQ(SpecificFanPowerCategory(4500), 6);
    EXPECT_EQ(SpecificFanPowerCategory(4500.5), 7);
    EXPECT_EQ(SpecificFanPowerCategory(NAN), 7);
}

TEST(EnergyFigures, BestEfficiencyOfAPolynomialInsideAndAtTheEndOfTheRange)
{
    // η = 0.7 − 2·(V − 0.5)² = −2V² + 2V + 0.2
    const FanCharacteristic fan = Polynomial({0, 0, -1000, 0, 400}, {0, 0, -2, 2, 0.2});
    const BestEfficiencyPoint inside = FindBestEfficiencyPoint(fan, {0.1, 1.0});
    EXPECT_NEAR(inside.efficiency, 0.7, 1e-6);
    EXPECT_NEAR(inside.flow_m3s, 0.5, 1e-3);
    const BestEfficiencyPoint edge = FindBestEfficiencyPoint(fan, {0.6, 1.0});
    EXPECT_NEAR(edge.efficiency, 0.68, 1e-6);
    EXPECT_NEAR(edge.flow_m3s, 0.6, 1e-6);
    EXPECT_DOUBLE_EQ(EfficiencyRatioPercent(0.35, 0.7), 50);
    EXPECT_EQ(EfficiencyRatioPercent(0.35, 0), 0);
}

TEST(EnergyFigures, BestEfficiencyOfATableAtACurvePointOrWhereItFalls)
{
    const FanCharacteristic peaked =
        Tabulated({{0, 300}, {1800, 200}, {3600, 0}}, {{0, 0.3}, {1800, 0.7}, {3600, 0.5}});
    const BestEfficiencyPoint at_point = FindBestEfficiencyPoint(peaked, {0.1, 0.9});
    EXPECT_DOUBLE_EQ(at_point.efficiency, 0.7);
    EXPECT_DOUBLE_EQ(at_point.flow_m3s, 0.5);

    const FanCharacteristic falling = Tabulated({{0, 300}, {3600, 0}}, {{0, 0.8}, {3600, 0.2}});
    const BestEfficiencyPoint first = FindBestEfficiencyPoint(falling, {0.25, 0.75});
    EXPECT_DOUBLE_EQ(first.efficiency, 0.65);
    EXPECT_DOUBLE_EQ(first.flow_m3s, 0.25);
}

TEST(EnergyFigures, StallIsLeftOfThePressurePeak)
{
    // dp = −1000·V² + 400·V + 100: the peak is at 0.2 m³/s.
    const FanCharacteristic fan = Polynomial({0, 0, -1000, 400, 100}, {0, 0, 0, 0, 0.5});
    OperatingPoint point;
    point.Flow = 0.1;
    EXPECT_TRUE(InStallRegion(fan, point));
    point.Flow = 0.3;
    EXPECT_FALSE(InStallRegion(fan, point));

    const FanCharacteristic table = Tabulated({{0, 200}, {1000, 260}, {2000, 100}}, {{0, 0.5}, {1000, 0.5}, {2000, 0.5}});
    point.Segment = 1;
    EXPECT_TRUE(InStallRegion(table, point));
    point.Segment = 2;
    EXPECT_FALSE(InStallRegion(table, point));
}

TEST(EnergyFigures, YearlyEnergyAndCostAndTheWholeSet)
{
    EXPECT_DOUBLE_EQ(AnnualEnergyKwh(500, 4000), 2000);
    EXPECT_DOUBLE_EQ(AnnualCost(2000, 0.85), 1700);

    const FanCharacteristic fan = Polynomial({0, 0, -1000, 0, 400}, {0, 0, -2, 2, 0.2});
    const OperatingPoint point = FindOperatingPoint(fan, {0.1, 0.6}, SystemCoefficient(0.4, 200));
    const EnergyFigures figures = ComputeEnergyFigures(fan, {0.1, 0.6}, point, {4000, 1.0});
    EXPECT_DOUBLE_EQ(figures.sfp, point.Power / point.Flow);
    EXPECT_EQ(figures.sfp_category, SpecificFanPowerCategory(figures.sfp));
    EXPECT_NEAR(figures.best.efficiency, 0.7, 1e-6);
    EXPECT_DOUBLE_EQ(figures.efficiency_ratio_pct, point.Efficiency / figures.best.efficiency * 100);
    EXPECT_FALSE(figures.stall);
    EXPECT_DOUBLE_EQ(figures.annual_kwh, point.Power * 4);
}

TEST(EnergyFigures, AirDensityScalesThePressureAndLeavesTheCatalogueDensityAlone)
{
    const auto same_bits = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    const FanCharacteristic fan = Polynomial({0, 0, -1000, 0, 400}, {0, 0, -2, 2, 0.2});
    const FanCharacteristic table = Tabulated({{0, 300}, {3600, 0}}, {{0, 0.3}, {3600, 0.6}});
    for (const FanCharacteristic& f : {fan, table}) {
        const OperatingPoint plain = FindOperatingPoint(f, {0.1, 0.9}, 1000);
        const OperatingPoint same = FindOperatingPoint(ForAirDensity(f, 1.2), {0.1, 0.9}, 1000);
        EXPECT_TRUE(same_bits(plain.Flow, same.Flow));
        EXPECT_TRUE(same_bits(plain.Power, same.Power));
        EXPECT_TRUE(same_bits(plain.Pressure, same.Pressure));
    }
    const FanCharacteristic light = ForAirDensity(fan, 1.0);
    EXPECT_DOUBLE_EQ(FanPressure(light, 0.3, 1), FanPressure(fan, 0.3, 1) / 1.2);
    EXPECT_DOUBLE_EQ(FanEfficiency(light, 0.3, 1), FanEfficiency(fan, 0.3, 1));
    const FanCharacteristic thin_table = ForAirDensity(table, 0.6);
    EXPECT_DOUBLE_EQ(thin_table.pressure_table.point(1).Y, 150);
}
