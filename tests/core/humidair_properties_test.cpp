#include "core/errors.h"
#include "core/humidair/air_calculator.h"
#include "core/humidair/humid_air.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

using namespace kalvintera;

namespace {

std::map<AirField, std::string> Shown(const AirCalculatorTexts& texts, NumberFormat format = NumberFormat::point())
{
    const std::optional<AirCalculation> calculation = CalculateAir(texts, format);
    std::map<AirField, std::string> shown;
    if (calculation) {
        for (const auto& [field, text] : ShownAirTexts(*calculation, format)) shown[field] = text;
    }
    return shown;
}

bool Allowed(AirInputPair pair, double a, double b, double pb = 101300)
{
    return ComputeHumidAirState(pair, a, b, pb).has_value();
}

} // namespace

TEST(HumidAirProperties, SaturationCurvesAndTheirJoins)
{
    EXPECT_EQ(SaturationPressure(0), 612.351831623806);
    EXPECT_NEAR(SaturationPressure(20), 2336.51, 0.01);
    // The dew point pieces meet only approximately: 9.01 °C from the first piece at
    // 1147.3 Pa, a little less from the second just above it.
    EXPECT_NEAR(SaturationTemperature(1147.3), 9.01, 0.005);
    const double above = std::nextafter(1147.3, 2000.0);
    EXPECT_NEAR(SaturationTemperature(above), 15.35703 * std::log(above) - 99.25744, 1e-12);
    EXPECT_LT(SaturationTemperature(above), SaturationTemperature(1147.3));
    EXPECT_NEAR(SaturationTemperature(3563.5), 17.93974 * std::log(3563.5) - 119.8508, 1e-12);
    // No vapour, no dew point.
    EXPECT_THROW(SaturationTemperature(0), DataError);
    EXPECT_THROW(SaturationTemperature(std::numeric_limits<double>::quiet_NaN()), DataError);
}

TEST(HumidAirProperties, EnthalpyRelationsInvertEachOther)
{
    const double i = EnthalpyOf(20, 0.01);
    EXPECT_NEAR(i, 45.478, 1e-9);
    EXPECT_NEAR(TemperatureFromEnthalpy(i, 0.01), 20, 1e-12);
    EXPECT_NEAR(MoistureFromEnthalpy(i, 20), 0.01, 1e-15);
    const double ps = SaturationPressure(20);
    const double x = MoistureFromHumidity(0.5, ps, 101300);
    EXPECT_NEAR(HumidityFromMoisture(x, ps, 101300), 0.5, 1e-12);
    EXPECT_NEAR(VapourPressureFromMoisture(x, 101300), 0.5 * ps, 1e-9);
    // 273, not 273.15, as the absolute temperature.
    EXPECT_NEAR(HumidAirDensity(101300, 0, 0), 101300 / (0.622 * 462 * 273), 1e-12);
}

TEST(HumidAirProperties, WetBulbSearchStepsFromMinusThirtyAndStopsWhereAirEnds)
{
    const double i = EnthalpyOf(20, MoistureFromHumidity(0.5, SaturationPressure(20), 101300));
    const std::optional<double> tm = WetBulbSearch(i, 101300);
    ASSERT_TRUE(tm);
    EXPECT_NEAR(*tm, 13.728, 0.0005);
    // A very low enthalpy is met at the first step already.
    EXPECT_NEAR(WetBulbSearch(-100, 101300).value_or(0), -29.999, 1e-9);
    // Saturated air reaches no such enthalpy before its vapour pressure reaches pb: the
    // search gives up instead of running for ever.
    EXPECT_FALSE(WetBulbSearch(1e9, 101300));
    EXPECT_FALSE(WetBulbSearch(std::numeric_limits<double>::quiet_NaN(), 101300));
    EXPECT_FALSE(TemperatureSearch(5000, 0.5, 101300));
    EXPECT_FALSE(WetBulbSearch(40, 0)); // no air at all
}

namespace {

// The searches add their step at every turn: t = -30, then t = t + 0.001 until the test holds.
double SteppedReference(double i, double phi, double pb, bool wet_bulb)
{
    double t = -30;
    for (int n = 0; n < 300'000; ++n) {
        t = t + 0.001;
        const double s = SaturationPressure(t);
        const double residual = wet_bulb ? i - (0.622 * s / (pb - s)) * (1.84 * t + 2501) - 1.005 * t
                                         : i - (phi * s / (pb - phi * s)) * 0.622 * (1.84 * t + 2501) - 1.005 * t;
        if (residual <= 0) return t;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

} // namespace

TEST(HumidAirProperties, SearchesAccumulateTheirStep)
{
    // -30 + n·0.001 would give exactly 15.25 here, shown 15.2; the accumulated steps give a
    // little more, shown 15.3.
    EXPECT_EQ(WetBulbSearch(42.6766, 101300), 15.250000000010669);
    const auto shown = Shown({"42.6766", "0.008", "", "", "101300"});
    EXPECT_EQ(shown.at(AirField::WetBulb), "15.3");
    for (double i : {-20.0, 0.0, 12.345, 38.5, 42.6766, 60.0, 99.9}) {
        EXPECT_EQ(WetBulbSearch(i, 101300), SteppedReference(i, 0, 101300, true)) << i;
        for (double phi : {0.1, 0.5, 0.93, 1.0}) {
            EXPECT_EQ(TemperatureSearch(i, phi, 101300), SteppedReference(i, phi, 101300, false)) << i << " " << phi;
        }
    }
    EXPECT_EQ(WetBulbSearch(30, 90000), SteppedReference(30, 0, 90000, true));
}

TEST(AirCalculator, WorkedExampleFromTemperatureAndHumidity)
{
    const auto shown = Shown({"", "", "20", "50", "101300"});
    EXPECT_EQ(shown.at(AirField::Moisture), "0.00726");
    EXPECT_EQ(shown.at(AirField::Enthalpy), "38.5");
    EXPECT_EQ(shown.at(AirField::Saturation), "2336.5");
    EXPECT_EQ(shown.at(AirField::Vapour), "1168.3");
    EXPECT_EQ(shown.at(AirField::DryAir), "100131.7");
    EXPECT_EQ(shown.at(AirField::Density), "1.2");
    EXPECT_EQ(shown.at(AirField::DewPoint), "9.2");
    EXPECT_EQ(shown.at(AirField::WetBulb), "13.7");
    // The pair's own fields keep what the user typed.
    EXPECT_FALSE(shown.contains(AirField::Temperature));
    EXPECT_FALSE(shown.contains(AirField::Humidity));
    EXPECT_FALSE(shown.contains(AirField::Barometric));

    // Under a comma locale the results are written with the comma; either separator is read.
    const auto comma = Shown({"", "", "20,0", "50", "101300"}, NumberFormat::comma());
    EXPECT_EQ(comma.at(AirField::Moisture), "0,00726");
    EXPECT_EQ(Shown({"", "", "20.0", "50", "101300"}, NumberFormat::comma()), comma);
}

TEST(AirCalculator, EveryFieldReadsCommaAndPointAlike)
{
    for (NumberFormat format : {NumberFormat::point(), NumberFormat::comma()}) {
        EXPECT_EQ(Shown({"", "", "20,5", "50,5", "101300,0"}, format), Shown({"", "", "20.5", "50.5", "101300.0"}, format));
        EXPECT_EQ(ReadTypedNumber("20,5", format), 20.5);
        EXPECT_EQ(ReadTypedNumber(" -1.5E-3 ", format), -0.0015);
    }
    // A text that is no number names itself as typed, not as its separator was changed.
    try {
        ReadTypedNumber("20,5x", NumberFormat::point());
        FAIL() << "no ConversionError";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.userMessage().line, 1101);
        EXPECT_EQ(error.userMessage().values, std::vector<std::string>{"20,5x"});
    }
    EXPECT_THROW(ReadTypedNumber("20,5,1", NumberFormat::point()), ConversionError);
    EXPECT_THROW(ReadTypedNumber("", NumberFormat::point()), ConversionError);
}

TEST(AirCalculator, ThePairTypedLastIsComputedNeverTheRoundedResults)
{
    using F = AirField;
    AirInputOrigins origins;
    // Typed t and φ, the calculation wrote i and X.
    AirCalculatorTexts texts{"", "", "20", "50", "101300"};
    origins.typed(F::Temperature);
    origins.typed(F::Humidity);
    ASSERT_EQ(origins.pair(texts), AirInputPair::TemperatureHumidity);
    std::map<F, std::string> shown;
    {
        const std::optional<AirCalculation> first = CalculateAir(texts, NumberFormat::point(), origins.pair(texts));
        ASSERT_TRUE(first && first->state);
        for (const auto& [field, text] : ShownAirTexts(*first, NumberFormat::point())) {
            shown[field] = text;
            origins.shown(field);
        }
    }
    texts.enthalpy = shown.at(F::Enthalpy);
    texts.moisture = shown.at(F::Moisture);
    // All four hold text now; the shown i and X, which come first in the pair order, are not the pair.
    EXPECT_EQ(origins.pair(texts), AirInputPair::TemperatureHumidity);

    // t changed to 25: computed from 25 and 50, every time alike.
    texts.temperature = "25";
    origins.typed(F::Temperature);
    const auto again = [&] {
        const std::optional<AirCalculation> c = CalculateAir(texts, NumberFormat::point(), origins.pair(texts));
        EXPECT_TRUE(c && c->pair == AirInputPair::TemperatureHumidity);
        std::map<F, std::string> out;
        for (const auto& [field, text] : ShownAirTexts(*c, NumberFormat::point())) out[field] = text;
        return out;
    };
    const auto at25 = again();
    EXPECT_EQ(at25, Shown({"", "", "25", "50", "101300"}));
    EXPECT_FALSE(at25.contains(F::Temperature));
    EXPECT_FALSE(at25.contains(F::Humidity));
    texts.enthalpy = at25.at(F::Enthalpy);
    texts.moisture = at25.at(F::Moisture);
    EXPECT_EQ(again(), at25);

    // Of three typed fields the two typed last are the pair; an emptied one is no part of it.
    AirInputOrigins three;
    three.typed(F::Enthalpy);
    three.typed(F::Moisture);
    three.typed(F::Humidity);
    EXPECT_EQ(three.pair({"40", "0.008", "", "50", "101300"}), AirInputPair::MoistureHumidity);
    EXPECT_EQ(three.pair({"40", "", "", "50", "101300"}), AirInputPair::EnthalpyHumidity);
    EXPECT_FALSE(three.pair({"40", "0.008", "", "50", ""})); // no pb
    // One typed value beside shown ones is no pair: nothing is computed from the shown.
    AirInputOrigins one = origins;
    EXPECT_FALSE(one.pair({"63.3", "0.01", "", "50", "101300"}));
    // Texts given no other way: the pair order, as when nothing is known of their origin.
    EXPECT_EQ(AirInputOrigins{}.pair({"38.5", "0.00726", "25", "", "101300"}), AirInputPair::EnthalpyMoisture);
    origins.clear();
    EXPECT_EQ(origins.pair({"38.5", "0.00726", "25", "", "101300"}), AirInputPair::EnthalpyMoisture);
    EXPECT_EQ(PairOf(F::Humidity, F::Enthalpy), AirInputPair::EnthalpyHumidity);
    EXPECT_FALSE(PairOf(F::Humidity, F::Humidity));
}

TEST(AirCalculator, EveryPairGivesBackTheSameState)
{
    const HumidAirState base = *ComputeHumidAirState(AirInputPair::TemperatureHumidity, 20, 50, 101300);
    const double i = base.enthalpy_kjkg;
    const double x = base.moisture_kgkg;
    const struct {
        AirInputPair pair;
        double a, b;
        double tolerance_c; // pair 4 reads t back through the dew point fit
    } cases[] = {
        {AirInputPair::EnthalpyMoisture, i, x, 1e-9},
        {AirInputPair::EnthalpyTemperature, i, 20, 1e-9},
        {AirInputPair::MoistureTemperature, x, 20, 1e-9},
        {AirInputPair::MoistureHumidity, x, 50, 0.1},
        {AirInputPair::EnthalpyHumidity, i, 50, 0.002},
    };
    for (const auto& c : cases) {
        const std::optional<HumidAirState> s = ComputeHumidAirState(c.pair, c.a, c.b, 101300);
        ASSERT_TRUE(s) << static_cast<int>(c.pair);
        EXPECT_NEAR(s->temperature_c, 20, c.tolerance_c) << static_cast<int>(c.pair);
        EXPECT_NEAR(s->humidity_percent, 50, 1e-6) << static_cast<int>(c.pair);
        EXPECT_NEAR(s->dry_air_pa, 101300 - s->vapour_pa, 1e-9);
        EXPECT_NEAR(s->wet_bulb_c, 13.728, 0.3) << static_cast<int>(c.pair);
    }
}

TEST(AirCalculator, ValidityLimits)
{
    EXPECT_TRUE(Allowed(AirInputPair::TemperatureHumidity, 20, 100));
    EXPECT_FALSE(Allowed(AirInputPair::TemperatureHumidity, 20, 100.01));
    EXPECT_FALSE(Allowed(AirInputPair::TemperatureHumidity, 20, 0));
    EXPECT_TRUE(Allowed(AirInputPair::TemperatureHumidity, -30, 50));
    EXPECT_FALSE(Allowed(AirInputPair::TemperatureHumidity, -30.01, 50));
    // Pair 4 with φ = 0 would divide by zero: refused like any state without humidity.
    EXPECT_FALSE(Allowed(AirInputPair::MoistureHumidity, 0.007, 0));
    // X below zero gives a negative humidity.
    EXPECT_FALSE(Allowed(AirInputPair::MoistureTemperature, -0.001, 20));
    // Vapour above the barometric pressure: no air.
    EXPECT_FALSE(Allowed(AirInputPair::TemperatureHumidity, 20, 50, 1000));
    // An enthalpy beyond what the searches reach.
    EXPECT_FALSE(Allowed(AirInputPair::EnthalpyHumidity, 5000, 50));
    EXPECT_FALSE(Allowed(AirInputPair::EnthalpyMoisture, 1e9, 0.01));

    // The i–φ search never goes below its first step.
    const std::optional<HumidAirState> cold = ComputeHumidAirState(AirInputPair::EnthalpyHumidity, -50, 50, 101300);
    ASSERT_TRUE(cold);
    EXPECT_NEAR(cold->temperature_c, -29.999, 1e-9);
}

TEST(AirCalculator, PairChoice)
{
    EXPECT_FALSE(ChooseInputPair({"38.5", "0.007", "", "", ""})); // pb empty: nothing to do
    EXPECT_FALSE(CalculateAir({"38.5", "", "", "", "101300"}, NumberFormat::point()));
    EXPECT_EQ(ChooseInputPair({"38.5", "", "", "50", "101300"}), AirInputPair::EnthalpyHumidity);
    EXPECT_EQ(ChooseInputPair({"", "0.007", "", "50", "101300"}), AirInputPair::MoistureHumidity);
    // With i, X and t filled the first pair wins and t is recomputed.
    const auto shown = Shown({"38.5", "0.00726", "25", "", "101300"});
    EXPECT_EQ(shown.at(AirField::Temperature), "20");
    EXPECT_EQ(shown.at(AirField::Humidity), "50.1"); // from the rounded texts
    EXPECT_THROW(Shown({"abc", "0.007", "", "", "101300"}), ConversionError);
}

TEST(AirCalculator, TypingTheSecondFieldDisablesTheOtherTwo)
{
    using F = AirField;
    EXPECT_TRUE(InputsToDisable(F::Temperature, {false, false, true, false}).empty());
    EXPECT_EQ(InputsToDisable(F::Temperature, {true, false, true, false}), (std::vector<F>{F::Moisture, F::Humidity}));
    EXPECT_EQ(InputsToDisable(F::Humidity, {false, true, false, true}), (std::vector<F>{F::Enthalpy, F::Temperature}));
    // A field emptied disables nothing.
    EXPECT_TRUE(InputsToDisable(F::Enthalpy, {false, true, false, false}).empty());
}
