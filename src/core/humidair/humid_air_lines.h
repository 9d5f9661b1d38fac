#pragma once

// Language lines of the humid-air messages (their texts: data/languages/humid_air.txt).
namespace kalvintera::humid_air_line {

inline constexpr int kFogRegion = 1130;          // a click above the saturation line
inline constexpr int kSaveBeforeClosing = 1131;  // the chart is closed with unsaved points or processes
inline constexpr int kTooManyPoints = 1132;      // %1 file, %2 points in it, %3 limit
inline constexpr int kTooManyProcesses = 1133;   // %1 file, %2 processes in it, %3 limit
inline constexpr int kProcessFileClash = 1134;   // %1 chart file whose process file has its name
inline constexpr int kNoDewPoint = 1135;         // %1 vapour pressure with its unit
inline constexpr int kPointsFull = 1136;         // %1 the most points a chart holds
inline constexpr int kProcessesFull = 1137;      // %1 the most processes a chart holds

} // namespace kalvintera::humid_air_line
