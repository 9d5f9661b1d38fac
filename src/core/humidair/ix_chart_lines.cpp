#include "core/humidair/ix_chart_lines.h"

#include "core/humidair/humid_air.h"
#include "core/text/rounding.h"

#include <cmath>

namespace kalvintera {
namespace {

constexpr double kMolarRatio = 0.6222;
constexpr double kVapourGasConstant = 461.4; // J/(kg·K)
constexpr double kKelvin = 273.15;

// Saturation reached: the vapour pressure of X at pb meets psc(t).
bool Saturated(double x, double t, double pb) { return pb * x / ((x + kMolarRatio) * ChartSaturationPressure(t)) >= 1; }

// Consecutive steps often land on the same pixel; one point of them draws the same picture.
void Append(std::vector<PixelPoint>& points, PixelPoint p)
{
    if (points.empty() || !(points.back() == p)) points.push_back(p);
}

PixelPoint PixelOf(const IxChartGeometry& g, double x, double t) { return g.pixel(ChartToPixel(g, {x, t})); }

} // namespace

double ChartSaturationPressure(double t)
{
    const double t2 = t * t;
    return 611 * std::exp(0.07257 * t - 0.0002937 * t2 + 0.000000981 * t2 * t - 0.000000001901 * t2 * t2);
}

std::vector<double> EnthalpyLineValues()
{
    std::vector<double> values;
    for (int k = 0; k <= 30; ++k) values.push_back(-25 + 5 * k);
    return values;
}

std::vector<double> HumidityLineValues()
{
    std::vector<double> values;
    for (int k = 10; k >= 1; --k) values.push_back(k / 10.0);
    return values;
}

std::vector<double> DensityLineValues(double pb)
{
    std::vector<double> values;
    const int count = pb > 101300 ? 40 : 23;
    for (int k = 0; k < count; ++k) values.push_back((90 + 2 * k) / 100.0);
    return values;
}

TracedLine TraceEnthalpyLine(const IxChartGeometry& g, double i, double pb, NumberFormat format)
{
    constexpr double kStep = 0.00002;
    // Lines that would start above the chart's top start at 50 °C, where they meet it.
    const double start_t = kChartMaxTemperature_c + 10;
    double t = i / 1.005;
    double x = 0;
    if (i > kChartMaxTemperature_c + 6) {
        t = start_t;
        x = MoistureFromEnthalpy(i, start_t);
    }
    TracedLine line;
    line.points.push_back(g.pixel(20, ChartRow(g, t)));
    // t falls with every step, so the loop ends at -30 °C at the latest.
    for (int n = 1;; ++n) {
        const double xn = x + n * kStep;
        t = (i - 2501 * xn) / (1.84 * xn + 1.005);
        Append(line.points, PixelOf(g, xn, t));
        if (Saturated(xn, t, pb) || !(t > kChartMinTemperature_c)) break;
    }
    const double end_x = (i - 1.005 * t) / (1.84 * t + 2501);
    line.label_at = PixelOf(g, end_x, t);
    line.label = FormatShortest(i, format);
    return line;
}

TracedLine TraceHumidityLine(const IxChartGeometry& g, double phi, double pb, NumberFormat format)
{
    constexpr double kMoistureStep = 0.00005;
    constexpr double kTemperatureStep = 0.005;
    // The temperature search stops here even when the needed pressure is never met (a
    // pressure far above the usual makes it exceed what psc reaches): 10 °C above the
    // chart's top the line is out of the picture anyway.
    const double highest_t = kChartMaxTemperature_c + 10;
    const double p_min = ChartSaturationPressure(kChartMinTemperature_c);
    const double x0 = kMolarRatio * phi * p_min / (pb - phi * p_min);
    TracedLine line;
    line.points.push_back(g.pixel(ChartColumn(g, x0), 20));
    double x = x0;
    int t_steps = 0;
    double t = kChartMinTemperature_c;
    // From a start far left of the chart (a pressure close to the vapour pressure) the line
    // would take forever to cross it; 0.5 kg/kg of steps is ample for any real one.
    constexpr int kMoistureSteps = 10'000;
    for (int n = 1; n <= kMoistureSteps; ++n) {
        x = x0 + n * kMoistureStep;
        const double needed = x * pb / (phi * x + kMolarRatio * phi);
        while (ChartSaturationPressure(t) < needed && t < highest_t) t = kChartMinTemperature_c + ++t_steps * kTemperatureStep;
        Append(line.points, PixelOf(g, x, t));
        if (!(x < kChartMaxMoisture_kgkg && t < kChartMaxTemperature_c)) break;
    }
    line.label_at = g.pixel(RoundPixel(x * 1000 * g.kx) - 2, RoundPixel((t - kChartMinTemperature_c - 0.5) * g.ky) + 10);
    line.label = FormatShortest(RoundHalfEven(phi * 100, 0), format) + "%";
    return line;
}

std::optional<TracedLine> TraceDensityLine(const IxChartGeometry& g, double rho, double pb, NumberFormat format)
{
    constexpr double kStep = 0.0001;
    // Saturation comes long before 1 kg/kg for any real pressure; beyond it there is none.
    constexpr int kSteps = 10'000;
    const double dry_t = pb / (kVapourGasConstant * rho * kMolarRatio) - kKelvin;
    double x = 0;
    double t = dry_t;
    bool saturated = false;
    for (int n = 1; n <= kSteps && !saturated; ++n) {
        x = n * kStep;
        t = (x + 1) * pb / (kVapourGasConstant * rho * (x + kMolarRatio)) - kKelvin;
        saturated = Saturated(x, t, pb);
    }
    if (!saturated || !(t > kChartMinTemperature_c)) return std::nullopt;
    TracedLine line;
    line.points = {g.pixel(20, ChartRow(g, dry_t)), PixelOf(g, x, t)};
    line.label_at = g.pixel(30, RoundPixel((dry_t - kChartMinTemperature_c) * g.ky) + 32);
    line.label = FormatShortest(RoundHalfEven(rho, 2), format);
    return line;
}

} // namespace kalvintera
