#pragma once

#include "core/catalogue/device_table.h"
#include "core/drawing/display_list.h"
#include "core/text/number_format.h"

#include <optional>
#include <string>

namespace kalvintera {

constexpr int kSpectrumWidth = 433;
constexpr int kSpectrumHeight = 321;

// Language lines of the heading above the spectrum.
constexpr int kDeviceSpectrumHeadingLine = 1012;
constexpr int kFanSpectrumHeadingLine = 1010;
constexpr int kSpectrumLegendLine = 1011;

// The silencer among a fan's accessories: the first of slots 0 … 13 whose code contains
// "SLT", found among records 1 … 499.
std::optional<DeviceRecord> FindSilencer(const DeviceRecord& device, const DeviceTable& devices);

struct SpectrumInput {
    const DeviceRecord& device;
    const DeviceTable& devices;
    std::string legend_title; // language line 1011
    NumberFormat numbers;
};

// The spectrum as far as it was drawn: a band that is not a number ends the drawing there.
struct SpectrumDrawing {
    DisplayList picture;
    std::optional<int> heading_line; // none: the chart stayed blank and the heading as it was
    std::optional<DeviceRecord> silencer;
};

// Bars of the eight octave bands and the total, 3 pixels per dB over the zero line 20
// pixels above the bottom; for a fan with a silencer also the levels left after it.
// ConversionError for a band that is not a number, with the drawing kept as far as it got.
void DrawSpectrum(const SpectrumInput& input, SpectrumDrawing& drawing);

} // namespace kalvintera
