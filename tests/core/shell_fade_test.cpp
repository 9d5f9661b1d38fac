#include "core/shell/fade.h"

#include <gtest/gtest.h>

using namespace kalvintera;

TEST(Fade, SliderPositionIsLimitedAndNeverZero)
{
    EXPECT_EQ(ClampFadePosition(0), 1);
    EXPECT_EQ(ClampFadePosition(-7), 1);
    EXPECT_EQ(ClampFadePosition(15), 10);
    EXPECT_EQ(ClampFadePosition(4), 4);
    EXPECT_EQ(EffectSpeedFor(1), 2);
    EXPECT_EQ(EffectSpeedFor(10), 20);
    EXPECT_EQ(EffectSpeedFor(0), 2);
}

TEST(Fade, FadeInClimbsByTheSpeedAndEndsOpaque)
{
    const auto slow = FadeInSteps(2);
    ASSERT_EQ(slow.size(), 128u);
    for (int i = 0; i < 127; ++i) EXPECT_EQ(slow[static_cast<std::size_t>(i)], 2 * (i + 1));
    EXPECT_EQ(slow.back(), 255);

    const std::vector<int> fast{20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 240, 255, 255};
    EXPECT_EQ(FadeInSteps(20), fast);
    EXPECT_EQ(FadeInSteps(1000), (std::vector<int>{255, 255}));
}

TEST(Fade, FadeOutFallsByTheSpeedAndEndsTransparent)
{
    const std::vector<int> fast{254, 234, 214, 194, 174, 154, 134, 114, 94, 74, 54, 34, 14, 0};
    EXPECT_EQ(FadeOutSteps(20), fast);
    EXPECT_EQ(FadeOutSteps(2).size(), 127u); // 254 … 4, then 0
}

TEST(Fade, SpeedBelowOneStillEnds)
{
    EXPECT_EQ(FadeInSteps(0), FadeInSteps(1));
    EXPECT_EQ(FadeOutSteps(-5), FadeOutSteps(1));
    EXPECT_EQ(FadeInSteps(1).size(), 254u);
}
