// The energy rows of the details window and the reading of the energy settings.

#include "core/details/energy_rows.h"
#include "core/selection/energy_settings.h"
#include "core/selection/fan_result_row.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalvintera;

namespace {

// dp = 400 − 1000·V² Pa, η = 0.7 − 2·(V − 0.5)²: the best efficiency 70 % at 0.5 m³/s.
FanCharacteristic Fan()
{
    FanCharacteristic fan;
    fan.pressure_coef = {0, 0, -1000, 0, 400};
    fan.efficiency_coef = {0, 0, -2, 2, 0.2};
    return fan;
}

constexpr FlowRange kRange{0.1, 1.0};

std::vector<std::string> Names(const std::vector<DetailsRow>& rows)
{
    std::vector<std::string> names;
    for (const DetailsRow& row : rows) names.push_back(row.name);
    return names;
}

std::string ValueOf(const std::vector<DetailsRow>& rows, const LanguageTable& language, int line)
{
    for (const DetailsRow& row : rows) {
        if (row.name == language.line(line)) return row.value;
    }
    return "(no row)";
}

} // namespace

TEST(DetailsEnergy, WithoutADutyPointOnlyTheDensityAndTheBestPoint)
{
    const LanguageTable language;
    const DetailsEnergy energy = ComputeDetailsEnergy(Fan(), kRange, std::nullopt, {});
    EXPECT_FALSE(energy.point);
    EXPECT_NEAR(energy.best_point.Pressure, 150, 0.5); // 400 − 1000 · 0.5²
    const std::vector<DetailsRow> rows = EnergyDetailsRows(energy, language, {NumberFormat::comma()});
    EXPECT_EQ(Names(rows), (std::vector<std::string>{language.line(1232), language.line(1233), language.line(1234)}));
    EXPECT_EQ(rows[0].value, "1,2 [kg/m3]");
    EXPECT_EQ(rows[1].value, "70 [%]");
    EXPECT_EQ(rows[2].value, "1800 [m3/h]");
}

TEST(DetailsEnergy, AtADutyPointEveryFigureWorkedOutByHand)
{
    const LanguageTable language;
    // k = 300 / 0.5² = 1200: 400 − 1000·V² = 1200·V² at V = √(400/2200) = 0.42640 m³/s.
    const DetailsEnergy energy = ComputeDetailsEnergy(Fan(), kRange, DutyPoint{0.5, 300}, {8760, 0.5});
    ASSERT_TRUE(energy.point);
    const OperatingPoint& point = *energy.point;
    EXPECT_NEAR(point.Flow, 0.4264, 2e-4);
    const std::vector<DetailsRow> rows =
        EnergyDetailsRows(energy, language, {NumberFormat::point(), FlowUnit::CubicMetresPerHour, PressureUnit::Pascal, "EUR"});
    EXPECT_EQ(rows.size(), 13u);
    EXPECT_EQ(ValueOf(rows, language, 1235), OperatingFlowText(point.Flow, FlowUnit::CubicMetresPerHour, NumberFormat::point()) + " [m3/h]");
    const double efficiency = 0.7 - 2 * (point.Flow - 0.5) * (point.Flow - 0.5);
    EXPECT_NEAR(point.Efficiency, efficiency, 1e-12);
    const double power = point.Flow * point.Pressure / efficiency;
    const double sfp = power / point.Flow; // = p / η
    EXPECT_EQ(ValueOf(rows, language, 1239), std::to_string(static_cast<int>(std::lround(sfp))) + " [W/(m3/s)]");
    EXPECT_EQ(ValueOf(rows, language, 1240), "SFP 1");
    EXPECT_EQ(ValueOf(rows, language, 1242), language.line(1244)); // right of the pressure peak at 0
    const double kwh = power * 8760 / 1000;
    EXPECT_EQ(ValueOf(rows, language, 1245), std::to_string(static_cast<int>(std::lround(kwh))) + " [kWh/a]");
    EXPECT_NE(ValueOf(rows, language, 1246).find("[EUR]"), std::string::npos);
}

TEST(DetailsEnergy, RowsLeftOutWhereAFigureIsMissing)
{
    const LanguageTable language;
    DetailsEnergy energy = ComputeDetailsEnergy(Fan(), kRange, DutyPoint{0.5, 300}, {});
    // Settings that do not read: no yearly figures rather than guessed ones.
    EnergyRowsFormat format{NumberFormat::point()};
    format.yearly_figures = false;
    std::vector<DetailsRow> rows = EnergyDetailsRows(energy, language, format);
    EXPECT_EQ(ValueOf(rows, language, 1245), "(no row)");
    EXPECT_EQ(ValueOf(rows, language, 1246), "(no row)");
    // No efficiency at the operating point: no power, SFP or energy either.
    energy.point->Efficiency = 0;
    energy.point->Power = INFINITY;
    rows = EnergyDetailsRows(energy, language, {NumberFormat::point()});
    EXPECT_EQ(ValueOf(rows, language, 1238), "(no row)");
    EXPECT_EQ(ValueOf(rows, language, 1239), "(no row)");
    EXPECT_EQ(ValueOf(rows, language, 1245), "(no row)");
    EXPECT_EQ(ValueOf(rows, language, 1237), "0 [%]");
}

TEST(EnergySettings, HoursAndPriceReadUnderEitherSeparator)
{
    const auto read = [](std::string_view hours, std::string_view price) {
        return ReadEnergySettings(hours, price, NumberFormat::comma());
    };
    ASSERT_TRUE(read("4000", "1.00"));
    EXPECT_EQ(read("4000", "1.00")->price_per_kwh, 1.0);
    EXPECT_EQ(read(" 8760 ", "0,85")->hours_per_year, 8760);
    EXPECT_TRUE(read("0", "0"));
    EXPECT_FALSE(read("-1", "1"));
    EXPECT_FALSE(read("4000", ""));
    EXPECT_FALSE(read("4000 h", "1"));
    EXPECT_FALSE(read("1e999", "1"));
}

TEST(EnergySettings, DensityOnlyWithTheCorrectionAndPhysicalAir)
{
    const AirProperties warm = ComputeAirProperties(40, 95000, 0.5);
    EXPECT_EQ(FanAirDensity(false, warm), kCatalogueAirDensity);
    EXPECT_EQ(FanAirDensity(true, std::nullopt), kCatalogueAirDensity);
    EXPECT_EQ(FanAirDensity(true, warm), warm.density_kgm3);
    AirProperties broken = warm;
    broken.density_kgm3 = NAN;
    EXPECT_EQ(FanAirDensity(true, broken), kCatalogueAirDensity);
}
