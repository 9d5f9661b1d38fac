#include "core/humidair/ix_chart_readout.h"

#include "core/humidair/ix_readout_state.h"

#include <cmath>

namespace kalvintera {
namespace {

std::string Shown(double value, NumberFormat format)
{
    return std::isfinite(value) ? FormatShortest(value, format) : std::string("-");
}

} // namespace

HumidAirState ReadoutAt(const IxChartGeometry& geometry, double pb, int x, int y)
{
    return ReadoutState(PixelToChart(geometry, x, y), pb);
}

std::vector<std::string> ReadoutLines(const HumidAirState& s, NumberFormat f)
{
    const ReadoutFigures shown = ShownReadout(s);
    return {
        "X = " + Shown(shown.moisture_gkg, f) + " g/kg",
        "t = " + Shown(shown.temperature_c, f) + " C",
        "i = " + Shown(shown.enthalpy_kjkg, f) + " kJ/kg",
        "ρ = " + Shown(shown.density_kgm3, f) + " kg/m3",
        "φ = " + Shown(shown.humidity_percent, f) + " %",
        "pp= " + Shown(shown.vapour_pa, f) + " Pa",
        "pg= " + Shown(shown.dry_air_pa, f) + " Pa",
        "tr= " + Shown(shown.dew_point_c, f) + " C",
    };
}

std::string PressureCaption(double pb, NumberFormat format)
{
    return "pb = " + FormatShortest(pb / 100, format) + " hPa";
}

} // namespace kalvintera
