#pragma once

#include "core/humidair/humid_air.h"
#include "core/humidair/ix_chart_geometry.h"

namespace kalvintera {

// The state the IX chart reads out at a chart position, by the calculator's formulas at
// the chart pressure. Left of the t axis X counts as 0.000001 kg/kg; at and above
// saturation φ is 100 %, pp = ps and the dew point is the air temperature itself, which
// the dew point never exceeds anywhere. The wet-bulb temperature is not computed (its row
// is hidden); the dew point is not a number when there is no vapour (an absurd pressure of
// 0 or less).
HumidAirState ReadoutState(ChartState at, double barometric_pa);

// Whether a chart position lies in the fog region: more water than saturated air of its
// temperature holds, a state that is no humid air and so no point of the chart.
bool InFogRegion(ChartState at, double barometric_pa);

// The readout's values as its panel rounds them: X (in g/kg), t, i, pp, pg and tr to one
// decimal, ρ to three, φ as a fraction to three and then in %. A value that is not a
// number stays one.
struct ReadoutFigures {
    double moisture_gkg = 0;
    double temperature_c = 0;
    double enthalpy_kjkg = 0;
    double density_kgm3 = 0;
    double humidity_percent = 0;
    double vapour_pa = 0;
    double dry_air_pa = 0;
    double dew_point_c = 0;
};

ReadoutFigures ShownReadout(const HumidAirState& state);

} // namespace kalvintera
