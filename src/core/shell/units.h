#pragma once

namespace kalvintera {

// The units the selection window's flow and pressure are typed in; every computation
// works in m³/s and Pa.
enum class FlowUnit { CubicMetresPerHour, CubicMetresPerSecond };
enum class PressureUnit { Pascal, Decapascal };

inline const char* FlowUnitCaption(FlowUnit unit) { return unit == FlowUnit::CubicMetresPerHour ? "m3/h" : "m3/s"; }
inline const char* PressureUnitCaption(PressureUnit unit) { return unit == PressureUnit::Pascal ? "Pa" : "daPa"; }

inline double FlowToM3s(double flow, FlowUnit unit)
{
    return unit == FlowUnit::CubicMetresPerHour ? flow / 3600.0 : flow;
}

inline double PressureToPa(double pressure, PressureUnit unit)
{
    return unit == PressureUnit::Decapascal ? pressure * 10.0 : pressure;
}

} // namespace kalvintera
