#include "core/details/regulation.h"

#include "core/errors.h"
#include "core/text/rounding.h"

#include <cmath>

namespace kalvintera {
namespace {

constexpr Pen kSystemCurvePen{colours::kBlue, 2, PenStyle::Solid};
constexpr Pen kCurvePen{colours::kRed, 2, PenStyle::Solid};
constexpr PixelPoint kMarkerTextBelow{10, 10};

double PressureAtDutyFlow(const FanCharacteristic& fan, double flow_m3s)
{
    const int segment = fan.tabulated ? SegmentAt(fan.pressure_table, flow_m3s * 3600.0) : 1;
    return FanPressure(fan, flow_m3s, segment);
}

} // namespace

long long TransposedSpeed(long long speed_rpm, double duty_flow_m3s, double operating_flow_m3s)
{
    if (speed_rpm <= 0) throw DataError("The fan's speed must be given to change it");
    if (!(operating_flow_m3s > 0)) throw DataError("The fan has no operating point to change its speed for");
    const double speed = RoundHalfEven(duty_flow_m3s / operating_flow_m3s * static_cast<double>(speed_rpm), 0);
    // An operating flow next to nothing (a flow range of 1E-300) asks for a speed no number holds.
    if (!(std::fabs(speed) < 9e18)) throw DataError("The fan's operating point gives no speed to change to");
    return static_cast<long long>(speed);
}

std::vector<PixelPoint> SystemCurvePixels(const CharacteristicScale& scale, double k, double step, double to_m3h, double end_pa)
{
    std::vector<PixelPoint> pixels{scale.at(0, 0)};
    double flow = 0;
    double pressure = 0;
    // On a chart whose ranges are far beyond any fan's (1E300 m³/s, 1E300 Pa) the curve
    // neither rises to its end nor moves across the picture for longer than anyone waits.
    for (long long steps = 0; pressure < end_pa && pixels.back().x <= scale.width; ++steps) {
        if (steps == kMaxOperatingPointSteps) {
            throw DataError("The system curve does not leave the chart: its flow and pressure ranges are too large");
        }
        flow = flow + step;
        pressure = k * flow * flow;
        const PixelPoint pixel = scale.at(flow * to_m3h, pressure);
        if (!(pixels.back() == pixel)) pixels.push_back(pixel);
        if (std::isnan(pressure)) break;
    }
    return pixels;
}

ThrottlingValues DrawThrottling(DisplayList& picture, const CharacteristicScale& scale, const RegulationInput& input)
{
    const double duty_flow = input.duty.flow_m3s;
    const double fan_pressure = PressureAtDutyFlow(input.characteristic.fan, duty_flow);
    const double throttled_k = fan_pressure / (duty_flow * duty_flow);
    picture.polyline(SystemCurvePixels(scale, throttled_k, kPowerSearchStep, 3600.0, input.curve_end_pa), kSystemCurvePen);
    DrawPointMarker(picture, scale.at(duty_flow * 3600.0, fan_pressure), colours::kGreen, duty_flow * 3600.0,
                    fan_pressure, kMarkerTextBelow, input.numbers);
    // k·Vd² of the system curve is the duty pressure itself.
    return {RoundHalfEven(fan_pressure - input.duty.pressure_pa, 1), RoundHalfEven(duty_flow * 3600.0, 1)};
}

SpeedChange DrawSpeedChange(DisplayList& picture, const CharacteristicScale& scale, const RegulationInput& input,
                            MarkedOperatingPoint operating, long long speed_rpm)
{
    SpeedChange change;
    change.speed_rpm = speed_rpm;
    change.new_speed_rpm = TransposedSpeed(speed_rpm, input.duty.flow_m3s, operating.flow_m3s);
    change.ratio = static_cast<double>(change.new_speed_rpm) / static_cast<double>(speed_rpm);
    const double r = change.ratio;

    std::vector<CurveSample> curve = PressureCurve(input.characteristic);
    for (CurveSample& point : curve) point = {r * point.flow_m3h, r * r * point.value};
    picture.polyline(ToPixels(scale, curve), kCurvePen);

    change.flow_m3s = r * operating.flow_m3s;
    change.pressure_pa = r * r * operating.pressure_pa;
    DrawPointMarker(picture, scale.at(change.flow_m3s * 3600.0, change.pressure_pa), colours::kGreen,
                    change.flow_m3s * 3600.0, change.pressure_pa, kMarkerTextBelow, input.numbers);
    return change;
}

TransposedParameters TransposedParameterTexts(const SpeedChange& change, double candidate_power_w,
                                              const std::string& sound_level_text, NumberFormat numbers)
{
    const double r = change.ratio;
    TransposedParameters texts;
    texts.flow_m3h = OneDecimalText(change.flow_m3s * 3600.0, numbers);
    texts.pressure_pa = OneDecimalText(change.pressure_pa, numbers);
    texts.power_w = OneDecimalText(r * r * r * candidate_power_w, numbers);
    if (!sound_level_text.empty()) {
        const double level = ParseNumber(sound_level_text, numbers) + 50.0 * std::log10(r);
        if (std::isfinite(level)) texts.sound_level_db = OneDecimalText(level, numbers);
    }
    texts.speed_rpm = std::to_string(change.new_speed_rpm);
    return texts;
}

} // namespace kalvintera
