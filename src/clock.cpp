#include "clock.h"

#include "platform/platform.h"

clock_t ClockMs() {
    return static_cast<clock_t>(platform::Current().Milliseconds());
}

long CalendarTime() {
    return platform::Current().CalendarSeconds();
}
