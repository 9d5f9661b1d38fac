#include "core/humidair/chart_points.h"

#include "core/humidair/air_calculator.h"
#include "core/text/code_page.h"
#include "core/text/rounding.h"

#include <cmath>
#include <limits>

namespace kalvintera {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Two decimals, halves to even; a missing value (no wet-bulb temperature) shows empty.
std::string TwoDecimals(double value, NumberFormat format)
{
    if (!std::isfinite(value)) return {};
    return FormatShortest(RoundHalfEven(value, 2), format);
}

std::string PercentOf(double fraction, NumberFormat format)
{
    if (!std::isfinite(fraction)) return {};
    return FormatShortest(RoundHalfEven(fraction, 2) * 100, format);
}

double WetBulbOrNothing(double enthalpy, double pb) { return WetBulbSearch(enthalpy, pb).value_or(kNaN); }

// The stored wet-bulb temperature may be missing; so may its text.
double NumberOrNothing(const std::string& text, NumberFormat format)
{
    return text.empty() ? kNaN : ReadTypedNumber(text, format);
}

} // namespace

std::vector<std::string> PointTreeLines(const ChartPoint& p, NumberFormat f)
{
    return {
        "t= " + TwoDecimals(p.temperature_c, f) + " C",
        "X= " + TwoDecimals(p.moisture_kgkg * 1000, f) + " g/kg",
        "i= " + TwoDecimals(p.enthalpy_kjkg, f) + " kJ/kg",
        "ro= " + TwoDecimals(p.density_kgm3, f) + " kg/m3",
        "fi= " + TwoDecimals(p.humidity * 100, f) + " %",
        "pp= " + TwoDecimals(p.vapour_pa, f) + " Pa",
        "pg= " + TwoDecimals(p.dry_air_pa, f) + " Pa",
        "tr= " + TwoDecimals(p.dew_point_c, f) + " C",
    };
}

ChartPoint PointFromReadout(const std::string& name, const HumidAirState& s)
{
    ChartPoint point;
    point.name = CutToCharacters(name, kPointNameCapacity);
    point.moisture_kgkg = s.moisture_kgkg;
    point.temperature_c = s.temperature_c;
    point.humidity = s.humidity_percent / 100;
    point.enthalpy_kjkg = s.enthalpy_kjkg;
    point.density_kgm3 = s.density_kgm3;
    point.vapour_pa = s.vapour_pa;
    point.dry_air_pa = s.dry_air_pa;
    point.wet_bulb_c = WetBulbOrNothing(s.enthalpy_kjkg, s.barometric_pa);
    point.barometric_pa = s.barometric_pa;
    point.dew_point_c = s.dew_point_c;
    return point;
}

std::optional<PointDataTexts> ComputePointData(const PointDataTexts& typed, PointDataInput changed, double pb,
                                               NumberFormat f)
{
    if (changed == PointDataInput::Temperature && typed.temperature == "-") return std::nullopt;
    double x = 0.001;
    if (!typed.moisture_gkg.empty() && !(changed == PointDataInput::Moisture && typed.moisture_gkg == "0")) {
        x = ReadTypedNumber(typed.moisture_gkg, f) / 1000;
    }
    const double t = typed.temperature.empty() ? 0 : ReadTypedNumber(typed.temperature, f);
    const double i = EnthalpyOf(t, x);
    const double rho = HumidAirDensity(pb, x, t);
    const double ps = SaturationPressure(t);
    double phi = HumidityFromMoisture(x, ps, pb);
    if (phi >= 1) phi = 1;
    const double pp = phi * ps;
    const double tr = SaturationTemperature(pp); // DataError for X = 0: the texts stay as they were

    PointDataTexts shown = typed;
    shown.enthalpy = TwoDecimals(i, f);
    shown.density = TwoDecimals(rho, f);
    shown.humidity_percent = PercentOf(phi, f);
    shown.vapour = TwoDecimals(pp, f);
    shown.dry_air = TwoDecimals(pb - pp, f);
    shown.dew_point = TwoDecimals(tr, f);
    shown.wet_bulb = TwoDecimals(WetBulbOrNothing(i, pb), f);
    return shown;
}

PointDataTexts PointDataTextsOf(const ChartPoint& p, NumberFormat f)
{
    return PointDataTexts{
        p.name,
        TwoDecimals(p.moisture_kgkg * 1000, f),
        TwoDecimals(p.temperature_c, f),
        TwoDecimals(p.enthalpy_kjkg, f),
        TwoDecimals(p.density_kgm3, f),
        PercentOf(p.humidity, f),
        TwoDecimals(p.vapour_pa, f),
        TwoDecimals(p.dry_air_pa, f),
        TwoDecimals(p.dew_point_c, f),
        TwoDecimals(p.wet_bulb_c, f),
    };
}

ChartPoint PointFromDataTexts(const PointDataTexts& texts, double pb, NumberFormat f)
{
    ChartPoint point;
    point.name = CutToCharacters(texts.name, kPointNameCapacity);
    point.moisture_kgkg = ReadTypedNumber(texts.moisture_gkg, f) / 1000;
    point.temperature_c = ReadTypedNumber(texts.temperature, f);
    point.enthalpy_kjkg = ReadTypedNumber(texts.enthalpy, f);
    point.density_kgm3 = ReadTypedNumber(texts.density, f);
    point.humidity = ReadTypedNumber(texts.humidity_percent, f) / 100;
    point.vapour_pa = ReadTypedNumber(texts.vapour, f);
    point.dry_air_pa = ReadTypedNumber(texts.dry_air, f);
    point.dew_point_c = ReadTypedNumber(texts.dew_point, f);
    point.wet_bulb_c = NumberOrNothing(texts.wet_bulb, f);
    point.barometric_pa = pb;
    return point;
}

} // namespace kalvintera
