#pragma once

// One day of the proleptic Gregorian calendar and of the fixed Hebrew calendar at once, with the
// day of the week and a running day count. The Gregorian rules are those of the 1582 reform
// applied to every year; the Hebrew rules are in calendar/hebrew_year.h.

#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/hebrew_year.h"

namespace tevorin {

// A signed day count; day 1 is Monday, 1 January of year 1 (proleptic Gregorian).
using AbsoluteDay = int32_t;

enum Weekday : int32_t { Sunday = 1, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

// The weekday of an AbsoluteDay: day 1 is a Monday.
constexpr int32_t weekdayOf(AbsoluteDay day) {
  return day % 7 + 1;
}

// Gregorian years for which every operation stays exact and inside int32_t; callers refuse others.
inline constexpr int32_t kMinSafeYear = 1;
inline constexpr int32_t kMaxSafeYear = 9999;

// True for a Gregorian leap year (proleptic rules).
constexpr bool isGregorianLeapYear(int32_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days in a Gregorian month; any month above 12 gives 31, like CalendarDay::gregorianMonthLength.
constexpr int32_t daysInGregorianMonth(int32_t month, int32_t year) {
  if (month == 2) return isGregorianLeapYear(year) ? 29 : 28;
  if (month == 4 || month == 6 || month == 9 || month == 11) return 30;
  return 31;
}

// The years the program shows and publishes.
inline constexpr int32_t kFirstShownYear = 1600;
inline constexpr int32_t kLastShownYear = 2500;

// "January" .. "December" for months 1..12.
std::string_view gregorianMonthNameOf(int32_t month);

// A date of the proleptic Gregorian calendar.
struct GregorianDate {
  int32_t year;
  int32_t month;
  int32_t day;
};
// Today's local date, as the constructor and setGregorian use it for 0 arguments.
GregorianDate todayLocalDate();

// One day at once as a Gregorian date, a Hebrew date, a weekday and an AbsoluteDay, plus the two
// rule flags read by the holiday and portion lookups. A plain value: copy it freely.
class CalendarDay {
 public:
  // Starts from today's local date, then applies setGregorian(month, day, year); note the flag
  // order.
  CalendarDay(int32_t gregorianMonth, int32_t gregorianDay, int32_t gregorianYear,
              bool ashkenaziNames, bool inIsrael);

  // A 0 argument takes that part of today's date; a month above 12 and a day past the month's end
  // clamp, and so do a month or day below 1 and a year outside kMinSafeYear..kMaxSafeYear.
  void setGregorian(int32_t month, int32_t day, int32_t year);
  // A 0 argument keeps the record's own Hebrew field; month and day clamp into the year, and a date
  // outside the Gregorian years kMinSafeYear..kMaxSafeYear clamps to the first or last day of them.
  void setHebrew(int32_t month, int32_t day, int32_t year);

  CalendarDay& nextDay();
  CalendarDay& previousDay();

  int32_t hebrewMonth() const { return hebrewMonth_; }
  int32_t hebrewDay() const { return hebrewDay_; }
  int32_t hebrewYear() const { return hebrewYear_; }
  int32_t gregorianMonth() const { return gregorianMonth_; }
  int32_t gregorianDay() const { return gregorianDay_; }
  int32_t gregorianYear() const { return gregorianYear_; }
  int32_t dayOfWeek() const { return dayOfWeek_; }
  AbsoluteDay absoluteDay() const { return absoluteDay_; }
  bool inIsrael() const { return inIsrael_; }
  bool ashkenaziNames() const { return ashkenaziNames_; }

  std::string gregorianMonthName() const;
  // "Adar I" for month 12 of a leap year.
  std::string hebrewMonthName() const;
  std::string weekdayName() const;

  // Calendar functions: a 0 month or year argument means the record's own field. Years are those
  // of the safe range (Hebrew years 3761 to 13760); hebrewToAbsolute takes the month lengths of
  // its own year argument. The Hebrew ones wrap the free functions of calendar/hebrew_year.h.
  int32_t gregorianMonthLength(int32_t month) const;
  AbsoluteDay gregorianToAbsolute(int32_t month, int32_t day, int32_t year) const;
  void absoluteToGregorian();
  bool isHebrewLeapYear(int32_t year) const;
  int32_t monthsInHebrewYear() const;
  // Days from the Hebrew epoch to 1 Tishri of year; 1 Tishri of year 1 gives 1.
  int32_t hebrewElapsedDays(int32_t year) const;
  // 353, 354, 355, 383, 384 or 385.
  int32_t daysInHebrewYear() const;
  bool isLongHeshvan() const;
  bool isShortKislev() const;
  int32_t hebrewMonthLength(int32_t month) const;
  AbsoluteDay hebrewToAbsolute(int32_t month, int32_t day, int32_t year) const;
  void absoluteToHebrew();

 private:
  int32_t hebrewMonth_ = 0;
  int32_t hebrewDay_ = 0;
  int32_t hebrewYear_ = 0;
  int32_t gregorianMonth_ = 0;
  int32_t gregorianDay_ = 0;
  int32_t gregorianYear_ = 0;
  int32_t dayOfWeek_ = 0;
  AbsoluteDay absoluteDay_ = 0;
  bool inIsrael_ = false;
  bool ashkenaziNames_ = false;
};

}  // namespace tevorin
