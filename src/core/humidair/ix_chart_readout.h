#pragma once

#include "core/humidair/humid_air.h"
#include "core/humidair/ix_chart_geometry.h"
#include "core/text/number_format.h"

#include <string>
#include <vector>

namespace kalvintera {

// The state under the pointer at picture pixel (x, y), by the calculator's formulas at
// the chart pressure. Left of the t axis X counts as 0.000001 kg/kg; above saturation φ
// is 100 % and pp = ps. The wet-bulb temperature is not computed (its row is hidden); the
// dew point is not a number when there is no vapour (an absurd pressure of 0 or less).
HumidAirState ReadoutAt(const IxChartGeometry& geometry, double barometric_pa, int x, int y);

// The lines of the "Parametry powietrza" panel: X, t, i, ρ, φ, pp, pg, tr.
std::vector<std::string> ReadoutLines(const HumidAirState& state, NumberFormat format);

// The pressure panel's line: "pb = " pb in hPa " hPa".
std::string PressureCaption(double barometric_pa, NumberFormat format);

} // namespace kalvintera
