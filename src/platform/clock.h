#pragma once

#include "core/shell/calendar_date.h"

namespace kalvintera {

class Clock {
public:
    virtual ~Clock() = default;
    virtual CalendarDate today() = 0;
};

class SystemClock final : public Clock {
public:
    CalendarDate today() override;
};

} // namespace kalvintera
