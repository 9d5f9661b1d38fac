#include "core/humidair/ix_chart_geometry.h"

#include "core/text/rounding.h"

namespace kalvintera {

IxChartGeometry IxChartGeometry::ForPicture(int width, int height)
{
    return IxChartGeometry{width, height, (width - 60) / 35.0, (height - 60) / 65.0};
}

IxChartGeometry IxChartGeometry::ForClientArea(int client_width, int client_height)
{
    return ForPicture(client_width - 20, client_height - 20);
}

int RoundPixel(double value)
{
    const double rounded = RoundHalfEven(value, 0);
    // Far off the picture a position only has to stay off it; keep it inside int.
    if (!(rounded > -1e6)) return -1'000'000;
    if (!(rounded < 1e6)) return 1'000'000;
    return static_cast<int>(rounded);
}

int ChartColumn(const IxChartGeometry& g, double x) { return RoundPixel(x * 1000 * g.kx) + 20; }

int ChartRow(const IxChartGeometry& g, double t) { return RoundPixel((t - kChartMinTemperature_c) * g.ky) + 20; }

ChartPosition ChartToPixel(const IxChartGeometry& g, ChartState state)
{
    return {ChartColumn(g, state.moisture_kgkg), ChartRow(g, state.temperature_c)};
}

ChartState PixelToChart(const IxChartGeometry& g, int x, int y)
{
    return {(x - 20) / g.kx / 1000, (g.height - y - 20) / g.ky + kChartMinTemperature_c};
}

} // namespace kalvintera
