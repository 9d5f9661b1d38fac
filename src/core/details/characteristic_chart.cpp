#include "core/details/characteristic_chart.h"

#include "core/catalogue/fan_curves.h"
#include "core/details/energy_rows.h"
#include "core/selection/energy_figures.h"
#include "core/errors.h"
#include "core/text/contains_text.h"

#include <cmath>

namespace kalvintera {
namespace {

constexpr Pen kCurvePen{colours::kRed, 2, PenStyle::Solid};
constexpr Pen kSecondCurvePen{colours::kDarkRed, 2, PenStyle::Solid};
// Dashed lines keep a one-pixel pen: the dashes of wider pens run together.
constexpr Pen kAccessoryCurvePen{colours::kGreen, 1, PenStyle::Dash};
constexpr Pen kSystemCurvePen{colours::kBlue, 2, PenStyle::Solid};
constexpr PixelPoint kMarkerTextAbove{10, -20};
constexpr PixelPoint kMarkerTextBelow{10, 12};
constexpr Colour kBestEfficiencyColour = colours::kPurple;

CharacteristicLegend LegendFor(CharacteristicKind kind, const DeviceRecord& device)
{
    switch (kind) {
    case CharacteristicKind::Power: return {"Nel [W]", "Nel=f(V)", false};
    case CharacteristicKind::Efficiency: return {"eta [%]", "eta=f(V)", false};
    case CharacteristicKind::Pressure: break;
    }
    CharacteristicLegend legend;
    if (ContainsText("WENTYLATOR DACHOWY", device.NamePl)) {
        legend = {"dps [Pa]", "dps=f(V)", false};
    } else if (ContainsText("WENTYLATOR PROMIENIOWY", device.NamePl) || ContainsText("WENTYLATOR KANAŁOWY", device.NamePl)) {
        legend = {"dpc [Pa]", "dpc=f(V)", false};
    }
    legend.accessory_line = !device.ExtraCoef[0][4].empty();
    return legend;
}

CharacteristicScale ScaleFor(const DisplayList& picture, CharacteristicAxes axes)
{
    const auto usable = [](double axis) { return std::isfinite(axis) && axis > 0; };
    if (!usable(axes.flow_axis_m3h)) throw DataError("The device has no flow range to chart");
    if (!usable(axes.value_axis)) throw DataError("The device's characteristic has no positive values to chart");
    return CharacteristicScale{picture.width, picture.height, axes.flow_axis_m3h, axes.value_axis};
}

void DrawMarker(CharacteristicDrawing& drawing, const CharacteristicScale& scale, Colour colour, double flow_m3s, double pressure_pa,
                double value, NumberFormat numbers)
{
    drawing.operating_point = CharacteristicOperatingPoint{flow_m3s, pressure_pa, value};
    DrawPointMarker(drawing.picture, scale.at(flow_m3s * 3600.0, value), colour, flow_m3s * 3600.0, value,
                    kMarkerTextAbove, numbers);
}

// The catalogue's polynomials hold for 1.2 kg/m³; pressures and losses scale with the density.
Polynomial4 ScaledPolynomial(Polynomial4 polynomial, double density_ratio)
{
    if (density_ratio == 1.0) return polynomial;
    for (double& c : polynomial) c *= density_ratio;
    return polynomial;
}

// A diamond around the best efficiency point, with its label and values below it and on the
// side away from the operating point, whose values stand above that one.
void DrawBestEfficiencyMark(CharacteristicDrawing& drawing, CharacteristicKind kind, const CharacteristicCurves& c,
                            const std::string& label, NumberFormat numbers)
{
    if (!drawing.scale) return;
    const CharacteristicScale& scale = *drawing.scale;
    const BestEfficiencyPoint best = FindBestEfficiencyPoint(c.fan, c.range);
    if (!(best.efficiency > 0)) return;
    const OperatingPoint at = CharacteristicAt(c.fan, best.flow_m3s);
    const double value = kind == CharacteristicKind::Pressure ? at.Pressure
                         : kind == CharacteristicKind::Power  ? at.Power
                                                              : 100.0 * best.efficiency;
    if (!std::isfinite(value)) return;
    drawing.best_efficiency = CharacteristicOperatingPoint{best.flow_m3s, at.Pressure, value};
    const PixelPoint p = scale.at(best.flow_m3s * 3600.0, value);
    const Pen pen{kBestEfficiencyColour, 2, PenStyle::Solid};
    drawing.picture.polyline({{p.x, p.y - 6}, {p.x + 6, p.y}, {p.x, p.y + 6}, {p.x - 6, p.y}, {p.x, p.y - 6}}, pen);
    const std::string text =
        label + " (" + OneDecimalText(best.flow_m3s * 3600.0, numbers) + " ; " + OneDecimalText(value, numbers) + ")";
    const bool operating_point_right = drawing.operating_point && drawing.operating_point->flow_m3s > best.flow_m3s;
    // About 7 pixels a character at the charts' 8 points.
    const int text_x = operating_point_right ? p.x - kMarkerTextBelow.x - 7 * static_cast<int>(text.size())
                                             : p.x + kMarkerTextBelow.x;
    drawing.picture.text(text_x, p.y + kMarkerTextBelow.y, text, kBestEfficiencyColour);
}

void DrawPressureChart(const CharacteristicSource& source, const CharacteristicRequest& request, const CharacteristicCurves& c,
                       CharacteristicDrawing& drawing)
{
    const DeviceRecord& device = source.device;
    const NumberFormat numbers = source.numbers;
    const std::optional<DeviceRecord> accessory = MountedAccessoryOf(device, source.devices);
    CharacteristicAxes axes = PressureChartAxes(device, accessory, numbers);
    // Denser air lifts the curves above the catalogue's; the chart grows to hold them.
    const double density_ratio = source.air_density / kCatalogueAirDensity;
    if (density_ratio > 1.0) axes.value_axis *= density_ratio;
    const CharacteristicScale scale = ScaleFor(drawing.picture, axes);
    drawing.scale = scale;
    DisplayList& picture = drawing.picture;
    DrawCharacteristicFrame(picture, scale, LegendFor(CharacteristicKind::Pressure, device), numbers);
    picture.polyline(ToPixels(scale, PressureCurve(c)), kCurvePen);
    if (!c.fan.tabulated) {
        if (!device.ExtraCoef[0][4].empty()) {
            const Polynomial4 with_accessory = ScaledPolynomial(ReadPolynomial(device.ExtraCoef[0], numbers), density_ratio);
            const double from = ParseNumber(device.ExtraCoef[2][0], numbers);
            const double to = ParseNumber(device.ExtraCoef[2][1], numbers);
            picture.polyline(ToPixels(scale, PolynomialCurve(with_accessory, from, to, true)), kSecondCurvePen);
        }
        if (accessory) {
            const FlowRange range = ReadFlowRange(*accessory, numbers);
            const Polynomial4 loss = ScaledPolynomial(ReadPolynomial(accessory->PressureCoef, numbers), density_ratio);
            picture.polyline(ToPixels(scale, PolynomialCurve(loss, range.min_m3s, range.max_m3s, false)),
                             kAccessoryCurvePen);
        }
    }
    if (!request.duty) return;

    const DutyPoint duty = *request.duty;
    const double curve_end_pa = ParseNumber(device.Pressure2, numbers) + 10.0;
    const double duty_flow_m3h = duty.flow_m3s * 3600.0;
    picture.polyline(SystemCurvePixels(scale, duty.pressure_pa / (duty_flow_m3h * duty_flow_m3h), 1.0, 1.0, curve_end_pa),
                     kSystemCurvePen);

    const double k = SystemCoefficient(duty.flow_m3s, duty.pressure_pa);
    const OperatingPoint point = FindOperatingPoint(c.fan, c.range, k);
    const double pressure = ScanPassedFlowMax(point, c.range) ? ParseNumber(device.Pressure1, numbers)
                                                               : LastStepSystemPressure(point, k);
    DrawMarker(drawing, scale, colours::kGreen, point.Flow, pressure, pressure, numbers);

    const RegulationInput regulation{c, duty, curve_end_pa, numbers};
    if (request.regulation == Regulation::Throttling) {
        drawing.throttling = DrawThrottling(picture, scale, regulation);
    } else if (request.regulation == Regulation::SpeedChange) {
        drawing.speed_change =
            DrawSpeedChange(picture, scale, regulation, {point.Flow, pressure}, ParseInteger(device.Speed));
    }
}

void DrawPowerOrEfficiencyChart(const CharacteristicSource& source, const CharacteristicRequest& request, const CharacteristicCurves& c,
                                CharacteristicDrawing& drawing)
{
    const bool power = request.kind == CharacteristicKind::Power;
    const double value_axis = power ? 1.1 * LargestPower(c) : 100.0;
    const CharacteristicScale scale = ScaleFor(drawing.picture, {1.1 * c.range.max_m3s * 3600.0, value_axis});
    drawing.scale = scale;
    DrawCharacteristicFrame(drawing.picture, scale, LegendFor(request.kind, source.device), source.numbers);
    drawing.picture.polyline(ToPixels(scale, power ? PowerCurve(c) : EfficiencyCurve(c)), kCurvePen);
    if (!request.duty) return;

    const double k = SystemCoefficient(request.duty->flow_m3s, request.duty->pressure_pa);
    const OperatingPoint point = FindOperatingPoint(c.fan, c.range, k);
    const Colour colour = power && !c.fan.tabulated ? colours::kBlue : colours::kGreen;
    DrawMarker(drawing, scale, colour, point.Flow, point.Pressure, power ? point.Power : 100.0 * point.Efficiency,
               source.numbers);
}

} // namespace

std::optional<DeviceRecord> MountedAccessoryOf(const DeviceRecord& device, const DeviceTable& devices)
{
    if (device.MountedAccessory.empty()) return std::nullopt;
    // A code that names no record draws no accessory curve and leaves the ranges to the fan.
    const std::optional<DeviceIndex> index = FindDeviceByModel(devices, device.MountedAccessory);
    if (!index) return std::nullopt;
    return devices.at(*index);
}

CharacteristicAxes PressureChartAxes(const DeviceRecord& device, const std::optional<DeviceRecord>& accessory,
                            NumberFormat numbers)
{
    const DeviceRecord* ranges = &device;
    if (accessory && ParseNumber(accessory->FlowMax, numbers) >= ParseNumber(device.FlowMax, numbers)) {
        ranges = &*accessory;
    }
    return {1.1 * ParseNumber(ranges->FlowMax, numbers) * 3600.0, 1.1 * ParseNumber(ranges->Pressure2, numbers)};
}

bool ScanPassedFlowMax(const OperatingPoint& point, FlowRange range)
{
    return point.Flow >= range.max_m3s;
}

double LastStepSystemPressure(const OperatingPoint& point, double k)
{
    const double flow = point.Flow - kFlowStep;
    return k * flow * flow;
}

void DrawCharacteristicChart(const CharacteristicSource& source, const CharacteristicRequest& request, CharacteristicDrawing& drawing)
{
    drawing = CharacteristicDrawing{};
    drawing.picture.width = kCharacteristicWidth;
    drawing.picture.height = request.kind == CharacteristicKind::Pressure ? kPressureCharacteristicHeight : kCharacteristicHeight;
    const CharacteristicCurves c{
        ForAirDensity(ReadFanCharacteristic(source.device, source.data, source.numbers), source.air_density),
        ReadFlowRange(source.device, source.numbers)};
    if (request.kind == CharacteristicKind::Pressure) {
        DrawPressureChart(source, request, c, drawing);
    } else {
        DrawPowerOrEfficiencyChart(source, request, c, drawing);
    }
    if (request.best_efficiency_label) {
        DrawBestEfficiencyMark(drawing, request.kind, c, *request.best_efficiency_label, source.numbers);
    }
}

} // namespace kalvintera
