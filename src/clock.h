// Time for the pages: a monotonic millisecond clock (CPU time would break
// the game's pace) and the calendar; Sleep comes with the vocabulary.
#pragma once

#include <ctime>

#include "wintypes.h"

clock_t ClockMs();
// Seconds of the calendar clock, as time(NULL) gives them.
long CalendarTime();
