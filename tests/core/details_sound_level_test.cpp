#include "core/details/sound_level_chart.h"
#include "core/errors.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kalvintera;

namespace {

DeviceRecord FanWithSpectrum()
{
    DeviceRecord fan;
    fan.NamePl = "WENTYLATOR DACHOWY";
    fan.Model = "KDH-355";
    fan.SoundSpectrum = {"49", "58", "64", "67", "75", "66", "62", "55", "73"};
    return fan;
}

DeviceRecord Silencer(const std::string& model)
{
    DeviceRecord silencer;
    silencer.Model = model;
    silencer.SoundSpectrum = {"2", "5", "10", "17", "12", "22", "16", "11", "15"};
    return silencer;
}

struct Spectrum {
    DeviceTable devices;
    SpectrumDrawing drawing;

    const SpectrumDrawing& draw(const DeviceRecord& device)
    {
        DrawSpectrum({device, devices, "Legenda:", NumberFormat::point()}, drawing);
        return drawing;
    }
    std::vector<RectangleItem> bars(Colour colour) const
    {
        std::vector<RectangleItem> found;
        for (const RectangleItem& r : drawing.picture.all<RectangleItem>()) {
            if (r.pen.colour == colour && r.bottom == kSpectrumHeight - 20) found.push_back(r);
        }
        return found;
    }
    bool hasText(const std::string& text) const
    {
        const auto all = drawing.picture.all<TextItem>();
        return std::any_of(all.begin(), all.end(), [&](const TextItem& t) { return t.text == text; });
    }
};

} // namespace

TEST(Spectrum, BarsRiseThreePixelsPerDecibelAndTheSilencerBarsShowWhatIsLeft)
{
    Spectrum spectrum;
    spectrum.devices.slot(3) = Silencer("SLT-315");
    DeviceRecord fan = FanWithSpectrum();
    fan.Accessories[2] = "SLT-315";
    spectrum.draw(fan);

    const auto device_bars = spectrum.bars(colours::kBlue);
    ASSERT_EQ(device_bars.size(), 9u);
    EXPECT_EQ(device_bars[4].left, 180);
    EXPECT_EQ(device_bars[4].right, 220);
    EXPECT_EQ(device_bars[4].top, 301 - 225);
    EXPECT_TRUE(spectrum.hasText("TOTAL"));
    EXPECT_TRUE(spectrum.hasText("1000"));
    EXPECT_TRUE(spectrum.hasText(" - KDH-355"));
    EXPECT_TRUE(spectrum.hasText("Legenda:"));

    ASSERT_TRUE(spectrum.drawing.silencer);
    EXPECT_EQ(spectrum.drawing.heading_line, kFanSpectrumHeadingLine);
    const auto silencer_bars = spectrum.bars(colours::kDarkRed);
    ASSERT_EQ(silencer_bars.size(), 9u);
    EXPECT_EQ(silencer_bars[4].top, 301 - 189); // 75 − 12 = 63 dB
    const auto texts = spectrum.drawing.picture.all<TextItem>();
    const auto label = std::find_if(texts.begin(), texts.end(), [](const TextItem& t) {
        return t.text == "63" && t.colour == colours::kDarkRed;
    });
    ASSERT_NE(label, texts.end());
    EXPECT_EQ(label->x, 185);
    EXPECT_EQ(label->y, 306 - 189);
    EXPECT_TRUE(spectrum.hasText("58")); // the total: 73 − 15, never summed from the bands
    EXPECT_TRUE(spectrum.hasText(" - KDH-355 + SLT/BDS"));
}

TEST(Spectrum, SilencerIsLookedForOnlyWhereTheCatalogueKeepsIt)
{
    Spectrum spectrum;
    spectrum.devices.slot(3) = Silencer("SLT-315");
    spectrum.devices.slot(500) = Silencer("SLT-900");
    DeviceRecord fan = FanWithSpectrum();

    fan.Accessories[14] = "SLT-315"; // slots from 14 on are not searched
    spectrum.draw(fan);
    EXPECT_FALSE(spectrum.drawing.silencer);
    EXPECT_TRUE(spectrum.bars(colours::kDarkRed).empty());

    fan.Accessories[13] = "SLT-900"; // record 500 lies beyond the search
    spectrum.draw(fan);
    EXPECT_FALSE(spectrum.drawing.silencer);

    DeviceRecord base = FanWithSpectrum();
    base.NamePl = "PODSTAWA DACHOWA";
    base.Accessories[0] = "SLT-315";
    spectrum.draw(base);
    EXPECT_FALSE(spectrum.drawing.silencer);
    EXPECT_EQ(spectrum.drawing.heading_line, kDeviceSpectrumHeadingLine);
    EXPECT_EQ(spectrum.bars(colours::kBlue).size(), 9u);
}

TEST(Spectrum, EmptyLowestBandLeavesTheChartBlankAndABadBandStopsIt)
{
    Spectrum spectrum;
    DeviceRecord fan = FanWithSpectrum();
    fan.SoundSpectrum[0] = "";
    spectrum.draw(fan);
    EXPECT_TRUE(spectrum.drawing.picture.items.empty());
    EXPECT_FALSE(spectrum.drawing.heading_line);
    EXPECT_EQ(spectrum.drawing.picture.width, kSpectrumWidth);

    fan = FanWithSpectrum();
    fan.SoundSpectrum[3] = "x";
    EXPECT_THROW(spectrum.draw(fan), ConversionError);
    EXPECT_EQ(spectrum.bars(colours::kBlue).size(), 3u);
}
