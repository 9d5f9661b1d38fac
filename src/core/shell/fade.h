#pragma once

#include <vector>

namespace kalvintera {

constexpr int kFadeSlowest = 1;
constexpr int kFadeFastest = 10;
constexpr int kDefaultFadePosition = 5;

// The fade slider's position as the slider keeps it: limited to 0..10, and 0 (which would
// stop the fade) moved to 1.
int ClampFadePosition(int position);

// Opacity step of the dialog fade for a slider position: twice the (limited) position.
int EffectSpeedFor(int position);

// The opacities (0 transparent .. 255 opaque) a fading dialog passes through, in order.
// An effect speed below 1 counts as 1, so the sequences are always finite.
std::vector<int> FadeInSteps(int effect_speed);
std::vector<int> FadeOutSteps(int effect_speed);

} // namespace kalvintera
