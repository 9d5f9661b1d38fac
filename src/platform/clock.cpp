#include "platform/clock.h"

#include <QDate>

namespace kalvintera {

CalendarDate SystemClock::today()
{
    const QDate date = QDate::currentDate();
    return CalendarDate{date.year(), date.month(), date.day()};
}

} // namespace kalvintera
