#pragma once

#include "core/drawing/display_list.h"
#include "core/humidair/ix_chart_geometry.h"
#include "core/text/number_format.h"

#include <optional>
#include <string>
#include <vector>

namespace kalvintera {

// The chart's lines follow their own saturation model, a smooth exponential fit that
// also behaves below 0 °C:
// psc(t) = 611 · exp(0.07257·t − 0.0002937·t² + 0.000000981·t³ − 0.000000001901·t⁴), Pa.
double ChartSaturationPressure(double temperature_c);

// One traced line in picture pixels, with its label's top-left corner.
struct TracedLine {
    std::vector<PixelPoint> points;
    PixelPoint label_at;
    std::string label;
};

// i = -25, -20, … 125 kJ/kg.
std::vector<double> EnthalpyLineValues();
// φ = 1.0, 0.9, … 0.1.
std::vector<double> HumidityLineValues();
// ρ = 0.90, 0.92, … 1.34 kg/m³, and on to 1.68 above 101300 Pa.
std::vector<double> DensityLineValues(double barometric_pa);

// A line of constant enthalpy, from the left edge (or from 50 °C) down to saturation or
// to -30 °C, in steps of 0.00002 kg/kg.
TracedLine TraceEnthalpyLine(const IxChartGeometry& geometry, double enthalpy_kjkg, double barometric_pa,
                             NumberFormat format);

// A line of constant relative humidity (a fraction) from -30 °C up to 40 °C or 35 g/kg,
// in steps of 0.00005 kg/kg, each finding its temperature in steps of 0.005 °C.
TracedLine TraceHumidityLine(const IxChartGeometry& geometry, double humidity_fraction, double barometric_pa,
                             NumberFormat format);

// A line of constant density: one straight segment from dry air to saturated air. None
// when it would end below -30 °C, or when saturation is not met (an absurd pressure).
std::optional<TracedLine> TraceDensityLine(const IxChartGeometry& geometry, double density_kgm3,
                                           double barometric_pa, NumberFormat format);

} // namespace kalvintera
