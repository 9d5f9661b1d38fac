#include "core/ductloss/fitting_kind.h"
#include "core/ductloss/fitting_loss.h"
#include "core/errors.h"
#include "core/input_range.h"
#include "core/text/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kalvintera;

namespace {

constexpr AirState kAir{1.2, 1.5e-5};

FittingInput RoundDuct(double d1_mm, double flow_m3h, double length_mm = 2000)
{
    FittingInput in;
    in.kind = 1;
    in.d1_m = d1_mm / 1000;
    in.length_m = length_mm / 1000;
    in.flow_m3h = flow_m3h;
    in.roughness_m = 0.007 / 1000;
    return in;
}

} // namespace

TEST(FittingVelocities, FollowTheRoundAndRectangularFormulas)
{
    // 4·100 / (3.1415 · 0.01 · 3600)
    const FittingVelocityResult round = FittingVelocities(RoundDuct(100, 100));
    EXPECT_DOUBLE_EQ(RoundHalfEven(round.w1_ms, 3), 3.537);
    EXPECT_DOUBLE_EQ(round.dh1_m, 0.1);
    EXPECT_EQ(round.w2_ms, 0.0);

    FittingInput reducer = RoundDuct(100, 100);
    reducer.kind = 8;
    reducer.d2_m = 0.2;
    EXPECT_DOUBLE_EQ(FittingVelocities(reducer).w2_ms, FittingVelocities(reducer).w1_ms / 4);

    FittingInput tee = RoundDuct(100, 100);
    tee.kind = 4;
    tee.d2_m = 0.1;
    tee.branch_flow_m3h = 50;
    EXPECT_DOUBLE_EQ(FittingVelocities(tee).w2_ms, FittingVelocities(tee).w1_ms / 2);

    FittingInput rect;
    rect.kind = 13;
    rect.a_m = 0.2;
    rect.b_m = 0.1;
    rect.c_m = 0.1;
    rect.d_m = 0.1;
    rect.flow_m3h = 360;
    rect.branch_flow_m3h = 72;
    const FittingVelocityResult r = FittingVelocities(rect);
    EXPECT_NEAR(r.w1_ms, 5.0, 1e-12); // 0.1 m³/s through 0.02 m²
    EXPECT_NEAR(r.dh1_m, 0.4 * 0.1 / 0.3, 1e-15);
    EXPECT_NEAR(r.w2_ms, 2.0, 1e-12);
    EXPECT_DOUBLE_EQ(r.dh2_m, 0.1);
}

TEST(FrictionFactor, StepsUpToTheFirstValueBelowTheEquation)
{
    const FrictionSearch galvanised = SearchFrictionFactor(100000, 0.15 / 1000, 0.2);
    EXPECT_EQ(galvanised.steps, 2130);
    EXPECT_NEAR(galvanised.lambda, 0.0213, 1e-12);
    const FrictionSearch pvc = SearchFrictionFactor(100000, 0.007 / 1000, 0.1);
    EXPECT_EQ(pvc.steps, 1836);
    EXPECT_NEAR(pvc.lambda, 0.01836, 1e-12);
    EXPECT_EQ(FrictionFactor(100000, 0.007 / 1000, 0.1), pvc.lambda);
    // A smooth duct has a root too.
    EXPECT_GT(FrictionFactor(100000, 0, 0.1), 0.0);
}

TEST(FrictionFactor, RefusesInputsWithoutAReachableRoot)
{
    // 0.27·k/dh ≥ 1: the right-hand side never rises above the left.
    EXPECT_THROW(FrictionFactor(100000, 0.1 / 0.27, 0.1), DataError);
    EXPECT_THROW(FrictionFactor(100000, 1.0, 0.1), DataError);
    EXPECT_THROW(FrictionFactor(0, 0.00015, 0.1), DataError);
    EXPECT_THROW(FrictionFactor(-5000, 0.00015, 0.1), DataError);
    EXPECT_THROW(FrictionFactor(std::nan(""), 0.00015, 0.1), DataError);
    EXPECT_THROW(FrictionFactor(100000, -0.001, 0.1), DataError);
    // A root the search would need millions of steps for is refused, not waited for.
    EXPECT_THROW(FrictionFactor(100000, 0.0999 / 0.27, 0.1), DataError);
}

TEST(TeeLossCoefficients, DividingFlow)
{
    // No branch flow: r1 = 0, so ζo = sin²α + cos²α = 1; r2 = 1, so ζp = 0.
    const TeeCoefficients closed = TeeLossCoefficients({1000, 0, 0.1, 0.1, 45, TeeFlow::Dividing});
    EXPECT_NEAR(closed.branch, 1.0, 1e-15);
    EXPECT_EQ(closed.passage, 0.0);

    // At 90° cos α is not exactly 0: r1 is huge and ζo ≈ 1 + 0.5·(wo/wc)².
    const TeeCoefficients square = TeeLossCoefficients({1000, 400, 0.2, 0.1, 90, TeeFlow::Dividing});
    const double wo_wc = (400 / 0.01) / (1000 / 0.04);
    EXPECT_NEAR(square.branch, 1 + 0.5 * wo_wc * wo_wc, 1e-9);
    EXPECT_NEAR(square.passage, (1 - 0.6) * (1 - 0.6), 1e-15);

    // At 0° with equal velocities r1 = 1 exactly: ζo = sin²0 = 0, and the three branches meet there.
    const double at = TeeLossCoefficients({1000, 1000, 0.2, 0.2, 0, TeeFlow::Dividing}).branch;
    const double below = TeeLossCoefficients({1000, 999.999, 0.2, 0.2, 0, TeeFlow::Dividing}).branch;
    const double above = TeeLossCoefficients({1000, 1000.001, 0.2, 0.2, 0, TeeFlow::Dividing}).branch;
    EXPECT_EQ(at, 0.0);
    EXPECT_NEAR(below, at, 1e-9);
    EXPECT_NEAR(above, at, 1e-6);

    // A passage faster than the inlet (the branch feeding in against the division): r2 > 1.
    const TeeCoefficients backflow = TeeLossCoefficients({1000, -500, 0.1, 0.1, 45, TeeFlow::Dividing});
    const double ratio = 1000.0 / 1500.0;
    EXPECT_NEAR(backflow.passage, 0.7 * (1 - ratio) - 0.2 * std::pow(1 - ratio, 3) * 2.25, 1e-12);
}

TEST(TeeLossCoefficients, ConvergingFlow)
{
    const double alpha = 45 * 2 * std::numbers::pi / 360;
    const TeeCoefficients c = TeeLossCoefficients({1000, 400, 0.2, 0.1, 45, TeeFlow::Converging});
    const double a1 = std::numbers::pi / 4 * 0.04;
    const double a2 = std::numbers::pi / 4 * 0.01;
    const double wc = 1000 / a1, wo = 400 / a2, wp = 600 / a1;
    const double m = std::cos(alpha) * 0.4 * wo + 0.6 * wp;
    EXPECT_NEAR(c.branch, (wo / wc) * (wo / wc) + 1 - 2 * m / wc, 1e-12);
    EXPECT_NEAR(c.passage, (wp / wc) * (wp / wc) + 1 - 2 * m / wc, 1e-12);
}

TEST(LocalLossCoefficient, ReadsTheTablesOfEachKind)
{
    FittingInput elbow = RoundDuct(200, 1000);
    elbow.kind = 2;
    elbow.radius_m = 0.25; // r/d = 1.25
    elbow.angle_deg = 90;
    const FittingVelocityResult v = FittingVelocities(elbow);
    EXPECT_NEAR(LocalLossCoefficient(elbow, v, 1e5), 0.185, 1e-12);
    elbow.angle_deg = 45;
    EXPECT_NEAR(LocalLossCoefficient(elbow, v, 1e5), 0.185 * 0.6, 1e-12);
    elbow.round_elbow_type = 1; // mitre: table at α times the Reynolds factor
    EXPECT_NEAR(LocalLossCoefficient(elbow, v, 1e5), 0.34 * 1.04, 1e-12);
    elbow.round_elbow_type = 3; // 4 segments at r/d 1.25
    EXPECT_NEAR(LocalLossCoefficient(elbow, v, 1e5), (0.37 + 0.27) / 2 * 0.6, 1e-12);

    FittingInput rect_reducer;
    rect_reducer.kind = 17;
    rect_reducer.a_m = 0.3;
    rect_reducer.b_m = 0.1;
    rect_reducer.c_m = 0.1;
    rect_reducer.d_m = 0.1;
    rect_reducer.angle_deg = 75;
    // A1/A2 = 3 at 75°: s1 = 0.41, s2 = 1.95 in the rectangular table.
    EXPECT_NEAR(LocalLossCoefficient(rect_reducer, {}, 1e5), 1.18, 1e-12);
    rect_reducer.c_m = 0.3;
    EXPECT_EQ(LocalLossCoefficient(rect_reducer, {}, 1e5), 0.0);

    FittingInput round_reducer = RoundDuct(std::sqrt(3.0) * 100, 100);
    round_reducer.kind = 8;
    round_reducer.d2_m = 0.1;
    round_reducer.angle_deg = 75;
    EXPECT_NEAR(LocalLossCoefficient(round_reducer, {}, 1e5), 1.13, 1e-9);

    FittingInput offset = RoundDuct(125, 100, 500);
    offset.kind = 3;
    offset.offset_m = 0.25; // e/L = 0.5, D = 125 mm
    EXPECT_NEAR(LocalLossCoefficient(offset, FittingVelocities(offset), 1e5), 0.35, 1e-12);

    FittingInput rect_elbow;
    rect_elbow.kind = 11;
    rect_elbow.a_m = 0.2;
    rect_elbow.b_m = 0.2;
    rect_elbow.radius_m = 0.2; // r/A = 1, B/A = 1
    rect_elbow.angle_deg = 90;
    EXPECT_NEAR(LocalLossCoefficient(rect_elbow, {}, 300000), 1.0 * 1.0 * 0.21, 1e-12);
    rect_elbow.rect_elbow_type = 1;
    EXPECT_NEAR(LocalLossCoefficient(rect_elbow, {}, 20000), 1.2 * 1.26, 1e-12);

    for (int kind : {1, 5, 6, 7, 9, 10, 14, 15, 16, 18}) {
        FittingInput plain = RoundDuct(100, 100);
        plain.kind = kind;
        EXPECT_EQ(LocalLossCoefficient(plain, {}, 1e5), 0.0) << kind;
    }
}

TEST(FittingLoss, AddsFrictionLocalAndAdditionalLosses)
{
    // Round duct of 100 mm, 2 m, 100 m³/h, PVC: Re ≈ 23579, λ after 2504 steps.
    const FittingResult duct = FittingLoss(RoundDuct(100, 100), kAir);
    EXPECT_NEAR(duct.reynolds, 23579.2054986707, 1e-6);
    EXPECT_NEAR(duct.lambda, 0.02504, 1e-12);
    EXPECT_NEAR(duct.friction_pa, 3.758862363117585, 1e-9);
    EXPECT_EQ(duct.zeta, 0.0);
    EXPECT_EQ(duct.total_pa, duct.friction_pa);

    // A grille has no length and no ζ: its total is the additional loss.
    FittingInput grille = RoundDuct(100, 100, 0);
    grille.kind = 9;
    grille.additional_loss_pa = 12.5;
    const FittingResult g = FittingLoss(grille, kAir);
    EXPECT_EQ(g.friction_pa, 0.0);
    EXPECT_EQ(g.local_pa, 0.0);
    EXPECT_EQ(g.total_pa, 12.5);

    FittingInput elbow = RoundDuct(200, 1000, 0);
    elbow.kind = 2;
    elbow.radius_m = 0.25;
    const FittingResult e = FittingLoss(elbow, kAir);
    EXPECT_NEAR(e.local_pa, 8.678483640884295, 1e-9);
}

TEST(FittingLoss, RefusesInputsTheFormulasCannotTake)
{
    FittingInput zero_size = RoundDuct(0, 100);
    EXPECT_THROW(FittingLoss(zero_size, kAir), DataError);
    EXPECT_THROW(FittingLoss(RoundDuct(100, 0), kAir), DataError);
    EXPECT_THROW(FittingLoss(RoundDuct(100, -10), kAir), DataError);
    EXPECT_THROW(FittingLoss(RoundDuct(100, 100, -1), kAir), DataError);
    EXPECT_THROW(FittingLoss(RoundDuct(100, 100), AirState{}), DataError);

    FittingInput offset = RoundDuct(100, 100, 0);
    offset.kind = 3;
    EXPECT_THROW(FittingLoss(offset, kAir), DataError); // e/L needs a length

    FittingInput rect;
    rect.kind = 17;
    rect.a_m = 0.1;
    rect.b_m = 0.1;
    rect.c_m = 0.1;
    rect.flow_m3h = 100;
    rect.length_m = 0.3;
    EXPECT_THROW(FittingLoss(rect, kAir), DataError); // D = 0

    FittingInput rough = RoundDuct(100, 100);
    rough.roughness_m = 0.5;
    EXPECT_THROW(FittingLoss(rough, kAir), DataError);

    // Each refusal carries a message in the user's units, not the formulas' metres.
    try {
        FittingLoss(RoundDuct(100, 100, -100), kAir);
        ADD_FAILURE() << "a negative length was taken";
    } catch (const DataError& error) {
        EXPECT_EQ(error.userMessage().line, message_line::kNotNegative);
        EXPECT_EQ(error.userMessage().values, (std::vector<std::string>{"L", "-100 mm"}));
    }
    try {
        FrictionFactor(INFINITY, 0.00015, 0.2);
        ADD_FAILURE() << "an infinite Reynolds number was taken";
    } catch (const DataError& error) {
        EXPECT_EQ(error.userMessage().line, kNoFrictionFactorLine);
    }

    // A size the kind does not use may be zero.
    FittingInput duct = RoundDuct(100, 100);
    duct.d2_m = 0;
    duct.a_m = 0;
    EXPECT_NO_THROW(FittingLoss(duct, kAir));
}

TEST(AdditionalLoss, ConvertsBetweenPascalAndCoefficient)
{
    EXPECT_DOUBLE_EQ(AdditionalLossToCoefficient(12, 4, 1.2), 2 * 12 / (1.2 * 16));
    EXPECT_DOUBLE_EQ(AdditionalCoefficientToLoss(1.25, 4, 1.2), 1.25 * 0.5 * 1.2 * 16);
    EXPECT_NEAR(AdditionalCoefficientToLoss(AdditionalLossToCoefficient(7.3, 3.2, 1.19), 3.2, 1.19), 7.3, 1e-12);
}

TEST(DefaultRadius, TakesTheFirstListEntryNotBelowTheThreshold)
{
    EXPECT_EQ(DefaultRadius(2, 200), "100"); // threshold 100
    EXPECT_EQ(DefaultRadius(2, 315), "200"); // 157.5
    EXPECT_EQ(DefaultRadius(2, 100), "100"); // the scan starts at 100, never 50
    EXPECT_EQ(DefaultRadius(2, 1000), "500");
    EXPECT_EQ(DefaultRadius(11, 100), "100"); // 75
    EXPECT_EQ(DefaultRadius(11, 1000), "800"); // 750
    EXPECT_EQ(DefaultRadius(11, 6000), "4000"); // 4500: no entry reaches it
    EXPECT_EQ(DefaultRadius(2, 20000), "4000");
}

TEST(FittingKinds, CarryTheirNamesCodesPicturesAndDefaults)
{
    ASSERT_FALSE(FindFittingKind(0));
    ASSERT_FALSE(FindFittingKind(19));
    int with_length = 0;
    for (int number = 1; number <= kFittingKindCount; ++number) {
        const FittingKindInfo kind = *FindFittingKind(number);
        EXPECT_EQ(kind.number, number);
        EXPECT_EQ(kind.picture.substr(0, 6), "/calc/");
        EXPECT_EQ(kind.name.find(' '), std::string_view::npos); // the export splits at spaces
        EXPECT_EQ(HasLength(number), (kind.inputs & kInputLength) != 0) << number;
        if (!HasLength(number)) {
            EXPECT_EQ(kind.length, "0");
        }
        with_length += HasLength(number);
    }
    EXPECT_EQ(with_length, 14);
    EXPECT_EQ(FittingKindOf(2).picture, "/calc/KOLANO_O.BMP");
    EXPECT_EQ(FittingKindOf(13).type_code, "XF13");
    EXPECT_EQ(FittingKindOf(17).c, "125");
    EXPECT_EQ(FittingKindOf(99).number, 1);
    EXPECT_EQ(AngleList().size(), 21u);
    EXPECT_EQ(AngleList().back(), "180");
    EXPECT_EQ(SizeList().size(), 75u);
    EXPECT_EQ(RadiusList().front(), "50");
}
