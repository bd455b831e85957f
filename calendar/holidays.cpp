#include "calendar/holidays.h"

namespace tevorin {

namespace {

using Name = std::optional<std::string_view>;

// The Sephardi form, or the Ashkenazi one when the day asks for it.
Name named(const CalendarDay& day, std::string_view sephardi, std::string_view ashkenazi) {
  return day.ashkenaziNames() ? ashkenazi : sephardi;
}

Name nisan(const CalendarDay& day) {
  const int32_t d = day.hebrewDay();
  if (d == 14) return "Erev Pesach";
  if (d == 15 || d == 21) return "Pesach";
  if ((d == 16 || d == 22) && !day.inIsrael()) return "Pesach";
  if (d >= 16 && d <= 20) return "Chol Hamoed Pesach";
  return std::nullopt;
}

Name tishri(const CalendarDay& day) {
  const int32_t d = day.hebrewDay();
  const bool saturday = day.dayOfWeek() == Saturday;
  if (d == 1 || d == 2) return "Rosh Hashanah";
  // The fast of Gedalia, like every fast but Yom Kippur and 10 Tevet, moves off a Saturday.
  if ((d == 3 && !saturday) || (d == 4 && day.dayOfWeek() == Sunday)) return "Tzom Gedalia";
  if (d == 9) return "Erev Yom Kippur";
  if (d == 10) return "Yom Kippur";
  if (d == 14) return named(day, "Erev Sukkot", "Erev Sukkos");
  if (d == 15 || (d == 16 && !day.inIsrael())) return named(day, "Sukkot", "Sukkos");
  if (d >= 16 && d <= 20) return named(day, "Chol Hamoed Sukkot", "Chol Hamoed Sukkos");
  if (d == 21) return "Hoshana Rabah";
  if (d == 22) return named(day, "Shmini Atzeret", "Shmini Atzeres");
  if (d == 23 && !day.inIsrael()) return named(day, "Simchat Torah", "Simchas Torah");
  return std::nullopt;
}

// Adar of a common year or Adar II of a leap year: the month of Purim.
Name purimMonth(const CalendarDay& day) {
  const int32_t d = day.hebrewDay();
  const int32_t weekday = day.dayOfWeek();
  // Ta'anit Esther falls on 13 Adar, or on Thursday the 11th when the 13th is a Saturday.
  if (((d == 11 || d == 12) && weekday == Thursday) ||
      (d == 13 && weekday != Friday && weekday != Saturday)) {
    return named(day, "Ta'anit Esther", "Ta'anis Esther");
  }
  if (d == 14) return "Purim";
  if (d == 15) return "Shushan Purim";
  return std::nullopt;
}

}  // namespace

std::optional<std::string_view> holidayName(const CalendarDay& day) {
  const int32_t d = day.hebrewDay();
  const int32_t weekday = day.dayOfWeek();
  switch (day.hebrewMonth()) {
    case Nisan:
      return nisan(day);
    case Iyar:
      // The second Pesach is kept a month after the first, on 14 Iyar.
      if (d == 14) return "Pesach Sheni";
      break;
    case Sivan:
      if (d == 6 || (d == 7 && !day.inIsrael())) return named(day, "Shavuot", "Shavuos");
      break;
    case Tammuz:
      if ((d == 17 && weekday != Saturday) || (d == 18 && weekday == Sunday)) return "Tzom Tammuz";
      break;
    case Av:
      if ((d == 10 && weekday == Sunday) || (d == 9 && weekday != Saturday)) return "Tisha B'av";
      if (d == 15) return "Tu B'Av";
      break;
    case Elul:
      if (d == 29) return "Erev Rosh Hashanah";
      break;
    case Tishri:
      return tishri(day);
    case Kislev:
      if (d == 24) return "Erev Chanukah";
      if (d >= 25) return "Chanukah";
      break;
    case Tevet:
      // Chanukah lasts eight days, so it reaches 3 Tevet when Kislev has only 29.
      if (d == 1 || d == 2 || (d == 3 && day.isShortKislev())) return "Chanukah";
      if (d == 10) return named(day, "Tzom Tevet", "Tzom Teves");
      break;
    case Shevat:
      if (d == 15) return "Tu B'Shvat";
      break;
    case Adar:
      if (!day.isHebrewLeapYear(0)) return purimMonth(day);
      if (d == 14) return "Purim Katan";
      break;
    case AdarII:
      return purimMonth(day);
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace tevorin
