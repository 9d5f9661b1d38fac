#include "core/humidair/humid_air.h"

#include "core/errors.h"
#include "core/humidair/humid_air_lines.h"
#include "core/text/number_format.h"

#include <cmath>
#include <functional>

namespace kalvintera {
namespace {

constexpr double kSearchStart_c = -30.0;
constexpr double kSearchStep_c = 0.001;
// Above this the polynomial fit means nothing; reached only for absurd pressures.
constexpr int kSearchSteps = 300'000;

// Steps up from -30 °C and returns the first temperature whose residual is not positive.
// Stops without a value once the saturation pressure reaches pb, where the formulas divide
// by zero and no air exists any more.
// The step is added to t at every turn, not computed as -30 + n·0.001: the two differ in
// the last bits, and near a residual of zero that moves a shown value by a tenth.
std::optional<double> SteppedSearch(double barometric_pa, const std::function<double(double t, double s)>& residual)
{
    double t = kSearchStart_c;
    for (int n = 1; n <= kSearchSteps; ++n) {
        t += kSearchStep_c;
        const double s = SaturationPressure(t);
        if (!(s < barometric_pa)) return std::nullopt;
        if (residual(t, s) <= 0) return t;
    }
    return std::nullopt;
}

} // namespace

double SaturationPressure(double t)
{
    const double t2 = t * t;
    const double t3 = t2 * t;
    return 612.351831623806 + 44.2851383407642 * t + 1.41105619942107 * t2 + 0.0274422564958741 * t3
           + 0.00032620159611696 * t2 * t2 + 0.000000045030486006681 * t3 * t2
           + 0.000000033732252990859 * t3 * t3;
}

double SaturationTemperature(double p)
{
    if (!(p > 0)) {
        throw DataError("Water vapour at " + FormatShortest(p, NumberFormat::point())
                            + " Pa has no dew point: the pressure must be above 0",
                        {humid_air_line::kNoDewPoint, {FormatShortest(p, NumberFormat::point()) + " Pa"}});
    }
    const double ln = std::log(p);
    if (p <= 1147.3) return 13.49679 * ln - 86.07701;
    if (p <= 1936) return 15.35703 * ln - 99.25744;
    if (p <= 3563) return 16.45702 * ln - 107.6405;
    return 17.93974 * ln - 119.8508;
}

double EnthalpyOf(double t, double x) { return (1.84 * t + 2501) * x + 1.005 * t; }

double TemperatureFromEnthalpy(double i, double x) { return (i - 2501 * x) / (1.84 * x + 1.005); }

double MoistureFromEnthalpy(double i, double t) { return (i - 1.005 * t) / (1.84 * t + 2501); }

double MoistureFromHumidity(double phi, double ps, double pb) { return 0.622 * phi * ps / (pb - phi * ps); }

double HumidityFromMoisture(double x, double ps, double pb) { return x * pb / (0.622 * ps + x * ps); }

double VapourPressureFromMoisture(double x, double pb) { return x * pb / (x + 0.622); }

double HumidAirDensity(double pb, double x, double t) { return pb * (x + 1) / ((x + 0.622) * 462 * (t + 273)); }

std::optional<double> WetBulbSearch(double i, double pb)
{
    return SteppedSearch(pb, [i, pb](double t, double s) {
        return i - (0.622 * s / (pb - s)) * (1.84 * t + 2501) - 1.005 * t;
    });
}

std::optional<double> TemperatureSearch(double i, double phi, double pb)
{
    return SteppedSearch(pb, [i, phi, pb](double t, double s) {
        return i - (phi * s / (pb - phi * s)) * 0.622 * (1.84 * t + 2501) - 1.005 * t;
    });
}

} // namespace kalvintera
