#pragma once

#include "core/drawing/display_list.h"

namespace kalvintera {

// Where things sit on the IX chart picture. Chart coordinates (cx, cy) start at the
// picture's bottom-left corner; the picture pixel of (cx, cy) is (cx, H - cy).
struct ChartPosition {
    int cx = 0;
    int cy = 0;
    bool operator==(const ChartPosition&) const = default;
};

// A state on the chart: moisture content X (kg/kg) across, temperature t (°C) up.
struct ChartState {
    double moisture_kgkg = 0;
    double temperature_c = 0;
};

inline constexpr double kChartMinTemperature_c = -30; // tmin
inline constexpr double kChartMaxTemperature_c = 40;  // tmax, where the traced lines end
inline constexpr double kChartMaxMoisture_kgkg = 0.035;

struct IxChartGeometry {
    int width = 0;  // W, picture pixels
    int height = 0; // H
    double kx = 0;  // pixels per g/kg: 35 divisions across
    double ky = 0;  // pixels per °C: 65 divisions up

    static IxChartGeometry ForPicture(int width, int height);
    // The window's client area: the picture leaves 20 pixels of it on each axis.
    static IxChartGeometry ForClientArea(int client_width, int client_height);

    // The picture pixel of a chart position.
    PixelPoint pixel(ChartPosition position) const { return {position.cx, height - position.cy}; }
    // The picture pixel of a text given by its chart position.
    PixelPoint pixel(int cx, int cy) const { return {cx, height - cy}; }
};

// Picture positions are whole pixels, rounded to the nearest with halves to even.
int RoundPixel(double value);

ChartPosition ChartToPixel(const IxChartGeometry& geometry, ChartState state);

// The state under a picture pixel (x, y); no clamping.
ChartState PixelToChart(const IxChartGeometry& geometry, int x, int y);

// The cy of a temperature, the cx of a moisture content.
int ChartRow(const IxChartGeometry& geometry, double temperature_c);
int ChartColumn(const IxChartGeometry& geometry, double moisture_kgkg);

} // namespace kalvintera
