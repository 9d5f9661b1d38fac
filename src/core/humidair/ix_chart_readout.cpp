#include "core/humidair/ix_chart_readout.h"

#include "core/text/rounding.h"

#include <cmath>
#include <limits>

namespace kalvintera {
namespace {

std::string Shown(double value, int decimals, NumberFormat format)
{
    if (!std::isfinite(value)) return "-";
    return FormatShortest(RoundHalfEven(value, decimals), format);
}

} // namespace

HumidAirState ReadoutAt(const IxChartGeometry& geometry, double pb, int x, int y)
{
    const ChartState at = PixelToChart(geometry, x, y);
    HumidAirState s;
    s.barometric_pa = pb;
    s.moisture_kgkg = at.moisture_kgkg <= 0 ? 0.000001 : at.moisture_kgkg;
    s.temperature_c = at.temperature_c;
    s.enthalpy_kjkg = EnthalpyOf(s.temperature_c, s.moisture_kgkg);
    s.density_kgm3 = HumidAirDensity(pb, s.moisture_kgkg, s.temperature_c);
    s.saturation_pa = SaturationPressure(s.temperature_c);
    double phi = HumidityFromMoisture(s.moisture_kgkg, s.saturation_pa, pb);
    if (phi >= 1) phi = 1;
    s.humidity_percent = 100 * phi;
    s.vapour_pa = phi * s.saturation_pa;
    s.dry_air_pa = pb - s.vapour_pa;
    s.dew_point_c = s.vapour_pa > 0 ? SaturationTemperature(s.vapour_pa) : std::numeric_limits<double>::quiet_NaN();
    s.wet_bulb_c = std::numeric_limits<double>::quiet_NaN();
    return s;
}

std::vector<std::string> ReadoutLines(const HumidAirState& s, NumberFormat f)
{
    const double phi = s.humidity_percent / 100;
    return {
        "X = " + Shown(s.moisture_kgkg * 1000, 1, f) + " g/kg",
        "t = " + Shown(s.temperature_c, 1, f) + " C",
        "i = " + Shown(s.enthalpy_kjkg, 1, f) + " kJ/kg",
        "ρ = " + Shown(s.density_kgm3, 3, f) + " kg/m3",
        "φ = " + (std::isfinite(phi) ? FormatShortest(RoundHalfEven(phi, 3) * 100, f) : std::string("-")) + " %",
        "pp= " + Shown(s.vapour_pa, 1, f) + " Pa",
        "pg= " + Shown(s.dry_air_pa, 1, f) + " Pa",
        "tr= " + Shown(s.dew_point_c, 1, f) + " C",
    };
}

std::string PressureCaption(double pb, NumberFormat format)
{
    return "pb = " + FormatShortest(pb / 100, format) + " hPa";
}

} // namespace kalvintera
