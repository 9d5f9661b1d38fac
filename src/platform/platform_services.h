#pragma once

#include "platform/clock.h"
#include "platform/connectivity.h"
#include "platform/desktop.h"

namespace kalvintera {

// Everything outside the program that a window may reach, in one bundle so tests can
// hand in fakes.
struct PlatformServices {
    Desktop& desktop;
    Connectivity& connectivity;
    Clock& clock;
};

} // namespace kalvintera
