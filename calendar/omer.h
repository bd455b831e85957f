#pragma once

// The Omer count: days 1 to 49 from 16 Nisan to 5 Sivan (Leviticus 23:15-16).

#include <cstdint>
#include <string>

#include "calendar/calendar_day.h"

namespace tevorin {

// 1 to 49 from 16 Nisan to 5 Sivan, else 0.
int32_t omerDay(const CalendarDay& day);
// "Omer N", "Lag B'Omer" on day 33, empty outside the count.
std::string omerText(const CalendarDay& day);

}  // namespace tevorin
