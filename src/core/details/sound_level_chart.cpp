#include "core/details/sound_level_chart.h"

#include "core/details/chart_frame.h"
#include "core/text/contains_text.h"

#include <array>

namespace kalvintera {
namespace {

constexpr std::array<const char*, 9> kBandLabels{"63", "125", "250", "500", "1000", "2000", "4000", "8000", "TOTAL"};
constexpr int kSilencerSlots = 14;
constexpr DeviceIndex kLastSilencerRecord = 499;
constexpr Pen kAxisPen{colours::kRed, 1, PenStyle::Solid};
constexpr Pen kDevicePen{colours::kBlue, 1, PenStyle::Solid};
constexpr Pen kSilencerPen{colours::kDarkRed, 1, PenStyle::Solid};

void DrawAxes(DisplayList& picture, int w, int h)
{
    const int y0 = h - 20;
    picture.line({20, y0}, {w - 20, y0}, kAxisPen);
    picture.line({w - 20, y0}, {w - 30, h - 25}, kAxisPen);
    picture.line({w - 20, y0}, {w - 30, h - 15}, kAxisPen);
    picture.line({20, y0}, {20, 20}, kAxisPen);
    picture.line({20, 20}, {25, 30}, kAxisPen);
    picture.line({20, 20}, {15, 30}, kAxisPen);
    picture.text(5, 5, "Lw [dB(A)]");
    picture.text(w - 20, h - 15, "Hz");
}

int BarTop(int y0, double level) { return PixelFromValue(y0 - 3.0 * level); }

} // namespace

std::optional<DeviceRecord> FindSilencer(const DeviceRecord& device, const DeviceTable& devices)
{
    for (int slot = 0; slot < kSilencerSlots; ++slot) {
        const std::string& code = device.Accessories[static_cast<std::size_t>(slot)];
        if (!ContainsText("SLT", code)) continue;
        // Silencers stand at the head of the catalogue; the search looks no further.
        for (DeviceIndex i = 1; i <= kLastSilencerRecord; ++i) {
            if (devices.at(i).Model == code) return devices.at(i);
        }
        return std::nullopt;
    }
    return std::nullopt;
}

void DrawSpectrum(const SpectrumInput& input, SpectrumDrawing& drawing)
{
    drawing = SpectrumDrawing{};
    DisplayList& picture = drawing.picture;
    const int w = kSpectrumWidth;
    const int h = kSpectrumHeight;
    const int y0 = h - 20;
    picture.width = w;
    picture.height = h;
    const DeviceRecord& device = input.device;
    if (device.SoundSpectrum[0].empty()) return;

    DrawAxes(picture, w, h);
    drawing.heading_line = kDeviceSpectrumHeadingLine;
    const int legend_x = PixelFromValue(w / 2.0);
    picture.text(legend_x, 5, input.legend_title, colours::kBlue);
    picture.rectangle(legend_x, 20, legend_x + 20, 50, kDevicePen, colours::kWhite);
    picture.text(legend_x + 25, 30, " - " + device.Model, colours::kBlue);

    std::array<double, 9> levels{};
    for (int b = 0; b < 9; ++b) {
        const std::string& text = device.SoundSpectrum[static_cast<std::size_t>(b)];
        levels[static_cast<std::size_t>(b)] = ParseNumber(text, input.numbers);
        const double level = levels[static_cast<std::size_t>(b)];
        picture.rectangle(20 + 40 * b, BarTop(y0, level), 60 + 40 * b, y0, kDevicePen, colours::kWhite);
        picture.text(25 + 40 * b, h - 12, kBandLabels[static_cast<std::size_t>(b)]);
        picture.text(25 + 40 * b, PixelFromValue((h - 35) - 3.0 * level), text, colours::kBlue);
    }

    if (!ContainsText("WENTYLATOR", device.NamePl)) return;
    drawing.heading_line = kFanSpectrumHeadingLine;
    drawing.silencer = FindSilencer(device, input.devices);
    if (!drawing.silencer) return;
    picture.rectangle(legend_x, 60, legend_x + 20, 90, kSilencerPen, colours::kWhite);
    picture.text(legend_x + 25, 70, " - " + device.Model + " + SLT/BDS", colours::kDarkRed);
    for (int b = 0; b < 9; ++b) {
        const double attenuation = ParseNumber(drawing.silencer->SoundSpectrum[static_cast<std::size_t>(b)], input.numbers);
        const double left = levels[static_cast<std::size_t>(b)] - attenuation;
        picture.rectangle(20 + 40 * b, BarTop(y0, left), 60 + 40 * b, y0, kSilencerPen, colours::kWhite);
        picture.text(25 + 40 * b, PixelFromValue((h - 15) - 3.0 * left), FormatShortest(left, input.numbers),
                     colours::kDarkRed);
    }
}

} // namespace kalvintera
