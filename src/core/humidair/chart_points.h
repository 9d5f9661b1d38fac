#pragma once

#include "core/humidair/chart_records.h"
#include "core/humidair/humid_air.h"
#include "core/text/number_format.h"

#include <optional>
#include <string>
#include <vector>

namespace kalvintera {

// The eight child lines of a point in the point list: "t= … C", "X= … g/kg", "i= … kJ/kg",
// "ro= … kg/m3", "fi= … %", "pp= … Pa", "pg= … Pa", "tr= … C", each at 2 decimals.
std::vector<std::string> PointTreeLines(const ChartPoint& point, NumberFormat format);

// A point from the state under the pointer. Its wet-bulb temperature is the calculator's
// at the chart pressure (not a number when the search finds none).
ChartPoint PointFromReadout(const std::string& name, const HumidAirState& readout);

// The texts of the point data dialog ("DANE PUNKTU"): X in g/kg and t are typed, the rest
// is shown.
struct PointDataTexts {
    std::string name;
    std::string moisture_gkg;
    std::string temperature;
    std::string enthalpy;
    std::string density;
    std::string humidity_percent;
    std::string vapour;
    std::string dry_air;
    std::string dew_point;
    std::string wet_bulb;
};

// Which of the two typed fields changed.
enum class PointDataInput { Moisture, Temperature };

// The shown results for the typed X and t at the chart pressure, each at 2 decimals (φ at
// 2 decimals of the fraction, then in %). An empty X field means 1 g/kg, and so does "0"
// when the X field itself changed; an empty t field means 0 °C. None while t reads a lone
// "-" (a negative number being typed). ConversionError for a text that is not a number;
// DataError when X is 0 (no vapour, no dew point).
std::optional<PointDataTexts> ComputePointData(const PointDataTexts& typed, PointDataInput changed,
                                               double barometric_pa, NumberFormat format);

// The dialog's texts for a stored point (edit mode).
PointDataTexts PointDataTextsOf(const ChartPoint& point, NumberFormat format);

// The point the dialog's OK stores: every field read as a number (the shown, rounded
// texts), the name cut to 10 characters. ConversionError for a text that is not a number.
ChartPoint PointFromDataTexts(const PointDataTexts& texts, double barometric_pa, NumberFormat format);

} // namespace kalvintera
