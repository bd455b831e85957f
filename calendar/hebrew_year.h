#pragma once

// The fixed arithmetic Hebrew calendar's years: the 19-year cycle of leap years, the molad of
// Tishri with the four postponement rules, and the month lengths that follow from a year's length.
// Source: the rules of the fixed calendar as Maimonides gives them (Sanctification of the New
// Moon, chapters 6 to 8); every constant below is exact.

#include <cstdint>

namespace tevorin {

// Hebrew months are numbered from Nisan; the year changes on 1 Tishri.
enum HebrewMonth : int32_t {
  Nisan = 1,
  Iyar,
  Sivan,
  Tammuz,
  Av,
  Elul,
  Tishri,
  Heshvan,
  Kislev,
  Tevet,
  Shevat,
  Adar,  // Adar I in a leap year
  AdarII,
};

// Years 3, 6, 8, 11, 14, 17 and 19 of each 19-year cycle have a thirteenth month.
constexpr bool isHebrewLeapYear(int32_t year) {
  return (7 * year + 1) % 19 < 7;
}

constexpr int32_t monthsInHebrewYear(int32_t year) {
  return isHebrewLeapYear(year) ? 13 : 12;
}

// Days from the Hebrew epoch to 1 Tishri of year, counted so that 1 Tishri of year 1 gives 1: the
// molad of Tishri in days, hours and parts (1080 to the hour) from the molad of year 1, moved by
// the postponement rules.
constexpr int32_t hebrewElapsedDays(int32_t year) {
  // 235 months in 19 years; 12 or 13 in each year of the cycle.
  const int32_t cycles = (year - 1) / 19;
  const int32_t yearInCycle = (year - 1) % 19;
  const int32_t months = 235 * cycles + 12 * yearInCycle + (7 * yearInCycle + 1) / 19;
  // A mean month is 29 days, 12 hours and 793 parts; the first molad fell 5 hours 204 parts into
  // its day (which starts at 6 in the evening).
  const int32_t parts = 204 + 793 * (months % 1080);
  const int32_t hours = 5 + 12 * months + 793 * (months / 1080) + parts / 1080;
  int32_t day = 1 + 29 * months + hours / 24;
  const int32_t dayParts = 1080 * (hours % 24) + parts % 1080;
  // A molad at or after noon (18 hours, 19440 parts) moves the new year a day on; so do a molad on
  // Tuesday at 9 hours 204 parts or later in a common year (9924 parts), and one on Monday at 15
  // hours 589 parts or later after a leap year (16789 parts), which would make the year too long
  // or too short. Day 1 of the count is a Monday, so day % 7 gives 2 for Tuesday, 1 for Monday.
  if (dayParts >= 19440 || (day % 7 == 2 && dayParts >= 9924 && !isHebrewLeapYear(year)) ||
      (day % 7 == 1 && dayParts >= 16789 && isHebrewLeapYear(year - 1))) {
    ++day;
  }
  // 1 Tishri never falls on Sunday, Wednesday or Friday.
  if (day % 7 == 0 || day % 7 == 3 || day % 7 == 5) ++day;
  return day;
}

// 353, 354, 355, 383, 384 or 385: deficient, regular or complete, common or leap.
constexpr int32_t daysInHebrewYear(int32_t year) {
  return hebrewElapsedDays(year + 1) - hebrewElapsedDays(year);
}

// Days in a Hebrew month of a year that is yearLength days long: Heshvan and Kislev follow the
// length, and Adar (Adar I) has 30 days in a leap year, which is over 380 days long.
constexpr int32_t hebrewMonthLengthInYearOf(int32_t month, int32_t yearLength) {
  switch (month) {
    case Iyar:
    case Tammuz:
    case Elul:
    case Tevet:
    case AdarII:
      return 29;
    case Heshvan:
      return yearLength % 10 == 5 ? 30 : 29;
    case Kislev:
      return yearLength % 10 == 3 ? 29 : 30;
    case Adar:
      return yearLength > 380 ? 30 : 29;
    default:
      return 30;
  }
}

constexpr int32_t hebrewMonthLength(int32_t month, int32_t year) {
  return hebrewMonthLengthInYearOf(month, daysInHebrewYear(year));
}

}  // namespace tevorin
