#pragma once

#include "core/drawing/display_list.h"
#include "core/text/number_format.h"

#include <string>

namespace kalvintera {

// Chart pictures: the pressure chart is 500 × 308 pixels, the power and efficiency charts
// 500 × 300.
constexpr int kCharacteristicWidth = 500;
constexpr int kPressureCharacteristicHeight = 308;
constexpr int kCharacteristicHeight = 300;

// A pixel coordinate from a computed one: to the nearest integer, halves to even. Values
// far outside any picture (a curve running off to infinity) are held at a distance the
// painter still handles.
int PixelFromValue(double value);

// The scales of a chart: flow on x in m³/h from 0 to flow_axis, the chart's value on y
// from 0 to value_axis, the origin 20 pixels in from the left and bottom edges.
struct CharacteristicScale {
    int width = kCharacteristicWidth;
    int height = kCharacteristicHeight;
    double flow_axis_m3h = 1;
    double value_axis = 1;

    double sx() const { return (width - 60) / flow_axis_m3h; }
    double sy() const { return (height - 60) / value_axis; }
    PixelPoint at(double flow_m3h, double value) const;
};

// Grid steps: the flow step Vaxis / 10 to a multiple of 10, the value step Yaxis / 10 to a
// whole number (halves to even both). A step that would round to 0 takes the smallest
// one there is, so the grid always ends.
double FlowGridStep(double flow_axis_m3h);
double ValueGridStep(double value_axis);
int GridCount(double axis, double step);

struct CharacteristicLegend {
    std::string value_title;     // "dps [Pa]" …; empty: none
    std::string curve_name;      // "dps=f(V)" …; empty: none
    bool accessory_line = false; // the second polynomial's entry "dps=f(V)+BDS"
};

// Grid with its labels, the blanked top rows, the two axes with arrow heads, the axis
// titles and the legend box.
void DrawCharacteristicFrame(DisplayList& picture, const CharacteristicScale& scale, const CharacteristicLegend& legend, NumberFormat numbers);

// A value rounded to one decimal in the shortest form with the locale's separator.
std::string OneDecimalText(double value, NumberFormat numbers);

// A circle of radius 5 around the point and "(flow ; value)" at the given offset from it.
void DrawPointMarker(DisplayList& picture, PixelPoint at, Colour colour, double flow_m3h, double value,
                     PixelPoint text_offset, NumberFormat numbers);

// What the pointer at (x, y) reads on a chart: whole numbers, 0 left of or below the origin,
// and on the efficiency chart never more than `value_cap`.
struct CharacteristicReadout {
    long long flow_m3h = 0;
    long long value = 0;
};
CharacteristicReadout ReadCharacteristicAt(const CharacteristicScale& scale, int x, int y, double value_cap);

} // namespace kalvintera
