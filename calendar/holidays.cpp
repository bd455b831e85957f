// The holidays, festival days, eves and fasts of the Jewish year by their Hebrew date, with the
// rules that move the fasts off the Sabbath and give Israel one festival day where the diaspora
// keeps two. Source: the laws of the festivals and fasts (Shulchan Aruch, Orach Chaim 417-697).
#include "calendar/holidays.h"

#include <initializer_list>

namespace tevorin {

namespace {

using Name = std::optional<std::string_view>;

enum class Kept { Everywhere, DiasporaOnly, IsraelOnly };

// Adar I of a leap year is a month of its own in the tables; Adar II then holds what Adar holds
// in a common year.
constexpr int32_t kAdarI = 0;

// A day or run of days with a fixed Hebrew date. An empty Ashkenazi name is the Sephardi one.
struct FixedDay {
  int32_t month;
  int32_t firstDay;
  int32_t lastDay;
  std::string_view sephardi;
  std::string_view ashkenazi = {};
  Kept kept = Kept::Everywhere;
};

// No two rows kept in the same place share a day.
constexpr FixedDay kFixedDays[] = {
    {Nisan, 14, 14, "Erev Pesach"},
    {Nisan, 15, 15, "Pesach"},
    {Nisan, 16, 16, "Pesach", {}, Kept::DiasporaOnly},
    {Nisan, 16, 16, "Chol Hamoed Pesach", {}, Kept::IsraelOnly},
    {Nisan, 17, 20, "Chol Hamoed Pesach"},
    {Nisan, 21, 21, "Pesach"},
    {Nisan, 22, 22, "Pesach", {}, Kept::DiasporaOnly},
    // The second Pesach is kept a month after the first.
    {Iyar, 14, 14, "Pesach Sheni"},
    {Sivan, 6, 6, "Shavuot", "Shavuos"},
    {Sivan, 7, 7, "Shavuot", "Shavuos", Kept::DiasporaOnly},
    {Av, 15, 15, "Tu B'Av"},
    {Elul, 29, 29, "Erev Rosh Hashanah"},
    {Tishri, 1, 2, "Rosh Hashanah"},
    {Tishri, 9, 9, "Erev Yom Kippur"},
    {Tishri, 10, 10, "Yom Kippur"},
    {Tishri, 14, 14, "Erev Sukkot", "Erev Sukkos"},
    {Tishri, 15, 15, "Sukkot", "Sukkos"},
    {Tishri, 16, 16, "Sukkot", "Sukkos", Kept::DiasporaOnly},
    {Tishri, 16, 16, "Chol Hamoed Sukkot", "Chol Hamoed Sukkos", Kept::IsraelOnly},
    {Tishri, 17, 20, "Chol Hamoed Sukkot", "Chol Hamoed Sukkos"},
    {Tishri, 21, 21, "Hoshana Rabah"},
    {Tishri, 22, 22, "Shmini Atzeret", "Shmini Atzeres"},
    {Tishri, 23, 23, "Simchat Torah", "Simchas Torah", Kept::DiasporaOnly},
    {Kislev, 24, 24, "Erev Chanukah"},
    {Kislev, 25, 30, "Chanukah"},
    {Tevet, 1, 2, "Chanukah"},
    {Tevet, 10, 10, "Tzom Tevet", "Tzom Teves"},
    {Shevat, 15, 15, "Tu B'Shvat"},
    {kAdarI, 14, 14, "Purim Katan"},
    {Adar, 14, 14, "Purim"},
    {Adar, 15, 15, "Shushan Purim"},
};

// Fasts that fall on a Saturday are kept on the Sunday after it (10 Tevet never falls on one).
struct SundayMovingFast {
  int32_t month;
  int32_t day;
  std::string_view name;
};

constexpr SundayMovingFast kSundayMovingFasts[] = {
    {Tammuz, 17, "Tzom Tammuz"},
    {Av, 9, "Tisha B'av"},
    {Tishri, 3, "Tzom Gedalia"},
};

// The month the tables know the day by.
int32_t tableMonth(const CalendarDay& day) {
  if (!day.isHebrewLeapYear(0)) return day.hebrewMonth();
  if (day.hebrewMonth() == Adar) return kAdarI;
  return day.hebrewMonth() == AdarII ? Adar : day.hebrewMonth();
}

bool keptHere(Kept kept, const CalendarDay& day) {
  return kept == Kept::Everywhere || (kept == Kept::IsraelOnly) == day.inIsrael();
}

Name fixedDay(const CalendarDay& day, int32_t month) {
  const int32_t d = day.hebrewDay();
  for (const FixedDay& row : kFixedDays) {
    if (row.month != month || d < row.firstDay || d > row.lastDay || !keptHere(row.kept, day))
      continue;
    return day.ashkenaziNames() && !row.ashkenazi.empty() ? row.ashkenazi : row.sephardi;
  }
  return std::nullopt;
}

Name sundayMovingFast(const CalendarDay& day, int32_t month) {
  const int32_t d = day.hebrewDay();
  for (const SundayMovingFast& fast : kSundayMovingFasts) {
    if (fast.month != month) continue;
    if ((d == fast.day && day.dayOfWeek() != Saturday) ||
        (d == fast.day + 1 && day.dayOfWeek() == Sunday))
      return fast.name;
  }
  return std::nullopt;
}

// Ta'anit Esther falls on 13 Adar, or on Thursday the 11th when the 13th is a Saturday.
Name taanitEsther(const CalendarDay& day, int32_t month) {
  const int32_t d = day.hebrewDay();
  const int32_t weekday = day.dayOfWeek();
  if (month != Adar) return std::nullopt;
  if (((d == 11 || d == 12) && weekday == Thursday) ||
      (d == 13 && weekday != Friday && weekday != Saturday))
    return day.ashkenaziNames() ? "Ta'anis Esther" : "Ta'anit Esther";
  return std::nullopt;
}

// Chanukah lasts eight days, so it reaches 3 Tevet when Kislev has only 29.
Name chanukahEnd(const CalendarDay& day, int32_t month) {
  if (month == Tevet && day.hebrewDay() == 3 && day.isShortKislev()) return "Chanukah";
  return std::nullopt;
}

}  // namespace

std::optional<std::string_view> holidayName(const CalendarDay& day) {
  const int32_t month = tableMonth(day);
  for (const auto rule : {fixedDay, sundayMovingFast, taanitEsther, chanukahEnd}) {
    if (const Name name = rule(day, month)) return name;
  }
  return std::nullopt;
}

}  // namespace tevorin
