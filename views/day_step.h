#pragma once

#include "calendar/calendar_day.h"

namespace tevorin {

// A move of the selected day with the keyboard.
enum class DayStep { kPreviousDay, kNextDay, kPreviousWeek, kNextWeek, kPreviousMonth, kNextMonth };

// The day a step leads to. Days and weeks run across the ends of months and years; a month step
// keeps the day of the month, or takes the month's last day when it is shorter.
GregorianDate steppedDay(const GregorianDate& from, DayStep step);

// True for a day of the years the month page shows, 1600 to 2500.
bool isShownDay(const GregorianDate& day);

}  // namespace tevorin
