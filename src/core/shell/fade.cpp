#include "core/shell/fade.h"

#include <algorithm>

namespace kalvintera {

int ClampFadePosition(int position)
{
    return std::clamp(position, kFadeSlowest, kFadeFastest);
}

int EffectSpeedFor(int position)
{
    return 2 * ClampFadePosition(position);
}

std::vector<int> FadeInSteps(int effect_speed)
{
    const int step = std::max(effect_speed, 1);
    std::vector<int> steps;
    int opacity = 0;
    do {
        opacity += step;
        steps.push_back(std::min(opacity, 255));
    } while (opacity <= 252);
    steps.push_back(255);
    return steps;
}

std::vector<int> FadeOutSteps(int effect_speed)
{
    const int step = std::max(effect_speed, 1);
    std::vector<int> steps;
    int opacity = 254;
    do {
        steps.push_back(opacity);
        opacity -= step;
    } while (opacity >= 4);
    steps.push_back(0);
    return steps;
}

} // namespace kalvintera
