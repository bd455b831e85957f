#pragma once

// The weekly Torah portions and the fifteen yearly schedules that assign them to Saturdays, for
// Israel and the diaspora (Shulchan Aruch, Orach Chaim 428).

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "calendar/calendar_day.h"

namespace tevorin {

struct PortionName {
  std::string_view sephardi;
  std::string_view ashkenazi;
};

// 0..52 the single portions in reading order, 53..59 the combined ones.
extern const std::array<PortionName, 60> portionNames;

// One entry per Saturday of the year from the first Saturday on or after 1 Tishri: an index into
// portionNames, or -1 when no weekly portion is read.
using PortionSchedule = std::span<const int32_t>;
// Schedules 1 to 15; index 0 is unused.
PortionSchedule portionSchedule(int32_t number);

enum YearLengthClass : int32_t { Deficient = 0, Regular = 1, Complete = 2 };
YearLengthClass yearLengthClass(const CalendarDay& day);

// The schedule number (1..15) for the day's Hebrew year and rule flags, or none.
std::optional<int32_t> portionScheduleNumber(const CalendarDay& day);

// The portion read on a Saturday, or none (not a Saturday, or a festival Saturday).
std::optional<std::string_view> weeklyPortion(const CalendarDay& day);

}  // namespace tevorin
