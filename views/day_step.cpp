#include "views/day_step.h"

#include <algorithm>

namespace tevorin {

namespace {

// Months count from 0 here, so that a year is twelve of them.
GregorianDate monthsLater(const GregorianDate& from, int32_t months) {
  const int32_t count = from.year * 12 + from.month - 1 + months;
  const int32_t year = count / 12;
  const int32_t month = count % 12 + 1;
  return {year, month, std::min(from.day, daysInGregorianMonth(month, year))};
}

// At most a week, so a date moves into the next or the previous month at most.
GregorianDate daysLater(GregorianDate date, int32_t days) {
  date.day += days;
  if (date.day < 1) {
    const GregorianDate before = monthsLater({date.year, date.month, 1}, -1);
    return {before.year, before.month, date.day + daysInGregorianMonth(before.month, before.year)};
  }
  const int32_t length = daysInGregorianMonth(date.month, date.year);
  if (date.day > length) {
    const GregorianDate after = monthsLater({date.year, date.month, 1}, 1);
    return {after.year, after.month, date.day - length};
  }
  return date;
}

}  // namespace

GregorianDate steppedDay(const GregorianDate& from, DayStep step) {
  switch (step) {
    case DayStep::kPreviousDay:
      return daysLater(from, -1);
    case DayStep::kNextDay:
      return daysLater(from, 1);
    case DayStep::kPreviousWeek:
      return daysLater(from, -7);
    case DayStep::kNextWeek:
      return daysLater(from, 7);
    case DayStep::kPreviousMonth:
      return monthsLater(from, -1);
    case DayStep::kNextMonth:
      return monthsLater(from, 1);
  }
  return from;
}

bool isShownDay(const GregorianDate& day) {
  return day.year >= kFirstShownYear && day.year <= kLastShownYear;
}

}  // namespace tevorin
