#include "core/details/chart_frame.h"

#include "core/text/rounding.h"

#include <algorithm>
#include <cmath>

namespace kalvintera {
namespace {

// Far beyond any chart picture, yet well inside what the painter computes with.
constexpr double kFarPixel = 100000;

constexpr Pen kAxisPen{colours::kRed, 1, PenStyle::Solid};
constexpr Pen kFlowGridPen{colours::kSilver, 1, PenStyle::Dash};
constexpr Pen kValueGridPen{colours::kGray, 1, PenStyle::Dash};
constexpr Pen kCurveSamplePen{colours::kRed, 2, PenStyle::Solid};
constexpr Pen kAccessorySamplePen{colours::kDarkRed, 2, PenStyle::Solid};

double GridStep(double axis, int decimals, double smallest)
{
    const double step = RoundHalfEven(axis / 10.0, decimals);
    return step > 0 ? step : smallest;
}

void DrawGrid(DisplayList& picture, const CharacteristicScale& scale, NumberFormat numbers)
{
    const int w = scale.width;
    const int h = scale.height;
    const double flow_step = FlowGridStep(scale.flow_axis_m3h);
    const int flow_steps = GridCount(scale.flow_axis_m3h, flow_step);
    for (int i = 0; i <= flow_steps; ++i) {
        const int x = PixelFromValue(i * flow_step * scale.sx()) + 20;
        picture.line({x, h - 25}, {x, h - 15}, kAxisPen);
        picture.text(x - 5, h - 14, OneDecimalText(i * flow_step, numbers));
        picture.line({x, h - 25}, {x, 40}, kFlowGridPen);
    }
    const double value_step = ValueGridStep(scale.value_axis);
    const int value_steps = GridCount(scale.value_axis, value_step);
    for (int i = 1; i <= value_steps; ++i) {
        const int y = PixelFromValue((h - 20) - i * value_step * scale.sy());
        picture.line({15, y}, {25, y}, kAxisPen);
        picture.text(4, y - 6, OneDecimalText(i * value_step, numbers));
        picture.line({25, y}, {w - 25, y}, kValueGridPen);
    }
}

void DrawAxes(DisplayList& picture, int w, int h)
{
    picture.line({20, h - 20}, {w - 20, h - 20}, kAxisPen);
    picture.line({w - 20, h - 20}, {w - 30, h - 25}, kAxisPen);
    picture.line({w - 20, h - 20}, {w - 30, h - 15}, kAxisPen);
    picture.line({20, h - 20}, {20, 20}, kAxisPen);
    picture.line({20, 20}, {25, 30}, kAxisPen);
    picture.line({20, 20}, {15, 30}, kAxisPen);
}

void DrawLegend(DisplayList& picture, int w, const CharacteristicLegend& legend)
{
    picture.rectangle(w - 155, 5, w - 5, legend.accessory_line ? 60 : 35, kAxisPen, colours::kWhite);
    picture.line({w - 150, 15}, {w - 110, 15}, kCurveSamplePen);
    if (!legend.curve_name.empty()) picture.text(w - 100, 10, legend.curve_name);
    if (legend.accessory_line) {
        picture.line({w - 150, 40}, {w - 110, 40}, kAccessorySamplePen);
        picture.text(w - 100, 35, "dps=f(V)+BDS");
    }
}

} // namespace

int PixelFromValue(double value)
{
    if (std::isnan(value)) return static_cast<int>(-kFarPixel);
    return static_cast<int>(RoundHalfEven(std::clamp(value, -kFarPixel, kFarPixel), 0));
}

PixelPoint CharacteristicScale::at(double flow_m3h, double value) const
{
    return {PixelFromValue(flow_m3h * sx()) + 20, PixelFromValue((height - 20) - value * sy())};
}

double FlowGridStep(double flow_axis_m3h) { return GridStep(flow_axis_m3h, -1, 10); }

double ValueGridStep(double value_axis) { return GridStep(value_axis, 0, 1); }

int GridCount(double axis, double step)
{
    // Axes are positive and finite here; the cap only keeps a wild one from flooding the list.
    return static_cast<int>(std::clamp(RoundHalfEven(axis / step, 0), 0.0, 1000.0));
}

void DrawCharacteristicFrame(DisplayList& picture, const CharacteristicScale& scale, const CharacteristicLegend& legend, NumberFormat numbers)
{
    const int w = scale.width;
    const int h = scale.height;
    DrawGrid(picture, scale, numbers);
    picture.rectangle(0, 0, w, 25, Pen{colours::kWhite, 1, PenStyle::Solid}, colours::kWhite);
    DrawAxes(picture, w, h);
    picture.text(w - 50, h - 40, "V [m3/h]");
    if (!legend.value_title.empty()) picture.text(30, 20, legend.value_title);
    DrawLegend(picture, w, legend);
}

std::string OneDecimalText(double value, NumberFormat numbers)
{
    return FormatShortest(RoundHalfEven(value, 1), numbers);
}

void DrawPointMarker(DisplayList& picture, PixelPoint at, Colour colour, double flow_m3h, double value,
                     PixelPoint text_offset, NumberFormat numbers)
{
    picture.ellipse(at.x - 5, at.y - 5, at.x + 5, at.y + 5, Pen{colour, 2, PenStyle::Solid}, colours::kWhite);
    picture.text(at.x + text_offset.x, at.y + text_offset.y,
                 "(" + OneDecimalText(flow_m3h, numbers) + " ; " + OneDecimalText(value, numbers) + ")", colour);
}

CharacteristicReadout ReadCharacteristicAt(const CharacteristicScale& scale, int x, int y, double value_cap)
{
    const double flow = std::max(0.0, RoundHalfEven((x - 20) / scale.sx(), 0));
    const double value = std::clamp(RoundHalfEven(((scale.height - 20) - y) / scale.sy(), 0), 0.0, value_cap);
    return {static_cast<long long>(flow), static_cast<long long>(value)};
}

} // namespace kalvintera
