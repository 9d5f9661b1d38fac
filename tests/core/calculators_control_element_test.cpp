#include "core/calculators/control_element.h"
#include "core/errors.h"
#include "core/input_range.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kalvintera;

namespace {

ControlElementInput RoundDuct()
{
    ControlElementInput input;
    input.pressure_pa = 100;
    input.flow_m3h = 500;
    input.section = DuctSection::Round;
    input.diameter_or_side_a_mm = 200;
    input.density_kgm3 = 1.2;
    return input;
}

} // namespace

TEST(ControlElement, OrificeAndDamperOfTheRoundDuctExample)
{
    const ControlElementResult result = ComputeControlElement(RoundDuct());
    EXPECT_NEAR(result.velocity_ms, 4.421, 0.001);
    EXPECT_NEAR(result.velocity_ms * result.characteristic_size_m, 0.884, 0.001);
    EXPECT_NEAR(result.pressure_correction, 1.0498, 0.0001);
    EXPECT_NEAR(result.corrected_pressure_pa, 104.98, 0.01);
    EXPECT_NEAR(result.loss_coefficient, 8.95, 0.01);
    EXPECT_NEAR(result.free_area_ratio, 0.389, 0.001);
    EXPECT_EQ(result.orifice_diameter_mm, 125);
    EXPECT_EQ(result.damper_angle_deg, 38);
}

TEST(ControlElement, FreeAreaIsTheFirstStepThatPasses)
{
    const double m = FreeAreaRatio(8.95);
    const auto c = [](double ratio) { return std::pow((1 + 0.707 * std::sqrt(1 - ratio)) / ratio - 1, 2); };
    EXPECT_LE(c(m), 8.95);
    EXPECT_GT(c(m - 0.00001), 8.95);
    EXPECT_DOUBLE_EQ(FreeAreaRatio(0), 1.0);      // only the fully open element loses nothing
    EXPECT_DOUBLE_EQ(FreeAreaRatio(1e12), 0.00001); // the first step already throttles enough
}

TEST(ControlElement, RectangularDuctKeepsItsProportions)
{
    ControlElementInput input = RoundDuct();
    input.section = DuctSection::Rectangular;
    input.diameter_or_side_a_mm = 400;
    input.side_b_mm = 200;
    const ControlElementResult result = ComputeControlElement(input);
    EXPECT_NEAR(result.characteristic_size_m, 2 * 0.4 * 0.2 / 0.6, 1e-12);
    EXPECT_NEAR(result.velocity_ms, 500.0 / 3600 / 0.08, 1e-12);
    const double open_area = result.free_area_ratio * 0.4 * 0.2;
    // The opening is twice as wide as it is high and just reaches the free area.
    EXPECT_NEAR(result.orifice_side_a_mm, 2 * result.orifice_side_b_mm, 1.0);
    EXPECT_GE(result.orifice_side_a_mm * result.orifice_side_b_mm / 1e6, open_area * 0.99);
    EXPECT_NEAR(result.orifice_side_b_mm, std::sqrt(open_area / 2) * 1000, 0.6);
    EXPECT_EQ(result.damper_angle_deg, std::round(std::asin(1 - result.free_area_ratio) * 180 / std::numbers::pi));
}

TEST(ControlElement, InputsWithoutASolutionAreNamed)
{
    auto problem = [](auto change) {
        ControlElementInput input = RoundDuct();
        change(input);
        return CheckControlElementInput(input);
    };
    EXPECT_EQ(problem([](ControlElementInput&) {}), ControlElementProblem::None);
    EXPECT_EQ(problem([](ControlElementInput& i) { i.pressure_pa = 0; }), ControlElementProblem::Pressure);
    EXPECT_EQ(problem([](ControlElementInput& i) { i.pressure_pa = -20; }), ControlElementProblem::Pressure);
    EXPECT_EQ(problem([](ControlElementInput& i) { i.flow_m3h = 0; }), ControlElementProblem::Flow);
    EXPECT_EQ(problem([](ControlElementInput& i) { i.diameter_or_side_a_mm = 0; }), ControlElementProblem::Diameter);
    EXPECT_EQ(problem([](ControlElementInput& i) { i.density_kgm3 = NAN; }), ControlElementProblem::Density);
    EXPECT_EQ(problem([](ControlElementInput& i) {
                  i.section = DuctSection::Rectangular;
                  i.side_b_mm = 0;
              }),
              ControlElementProblem::SideB);
    EXPECT_EQ(problem([](ControlElementInput& i) {
                  i.section = DuctSection::Rectangular;
                  i.diameter_or_side_a_mm = -1;
              }),
              ControlElementProblem::SideA);

    ControlElementInput zero_pressure = RoundDuct();
    zero_pressure.pressure_pa = 0;
    EXPECT_THROW(ComputeControlElement(zero_pressure), DataError);
}

TEST(ControlElement, ValuesAboveAnyDuctOrFanAreRefusedNotAnswered)
{
    auto problem = [](auto change) {
        ControlElementInput input = RoundDuct();
        change(input);
        return CheckControlElementInput(input);
    };
    // A 1E308 mm duct gave a damper at 90°.
    EXPECT_EQ(problem([](ControlElementInput& i) { i.diameter_or_side_a_mm = 1e308; }),
              ControlElementProblem::DiameterTooLarge);
    EXPECT_EQ(problem([](ControlElementInput& i) { i.diameter_or_side_a_mm = kMaxControlDuctSizeMm; }),
              ControlElementProblem::None);
    EXPECT_EQ(problem([](ControlElementInput& i) { i.pressure_pa = 10001; }), ControlElementProblem::PressureTooHigh);
    EXPECT_EQ(problem([](ControlElementInput& i) { i.flow_m3h = 2e6; }), ControlElementProblem::FlowTooHigh);
    EXPECT_EQ(problem([](ControlElementInput& i) {
                  i.section = DuctSection::Rectangular;
                  i.side_b_mm = 200;
                  i.diameter_or_side_a_mm = 9000;
              }),
              ControlElementProblem::SideATooLarge);
    EXPECT_EQ(problem([](ControlElementInput& i) {
                  i.section = DuctSection::Rectangular;
                  i.side_b_mm = 1e20;
              }),
              ControlElementProblem::SideBTooLarge);

    const UserMessage message =
        ControlElementRangeMessage(ControlElementProblem::DiameterTooLarge, "1E308", NumberFormat::comma());
    EXPECT_EQ(message.line, message_line::kAboveLowUpToHigh);
    EXPECT_EQ(message.values, (std::vector<std::string>{"Φ", "1E308 mm", "0 mm", "8000 mm"}));
    ControlElementInput huge = RoundDuct();
    huge.diameter_or_side_a_mm = 1e308;
    try {
        ComputeControlElement(huge);
        ADD_FAILURE() << "a 1E308 mm duct was computed";
    } catch (const DataError& error) {
        EXPECT_EQ(error.userMessage().line, message_line::kAboveLowUpToHigh);
    }
}

TEST(ControlElement, ThrottlingPrefillsOneDecimalInCubicMetresPerHour)
{
    const ControlElementPrefill point = PrefillFromThrottling(37.26, 0.5, NumberFormat::point());
    EXPECT_EQ(point.pressure_text, "37.3");
    EXPECT_EQ(point.flow_text, "1800");
    const ControlElementPrefill comma = PrefillFromThrottling(12.0, 0.123456, NumberFormat::comma());
    EXPECT_EQ(comma.pressure_text, "12");
    EXPECT_EQ(comma.flow_text, "444,4");
}
