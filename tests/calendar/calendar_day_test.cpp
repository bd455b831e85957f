#include "calendar/calendar_day.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tevorin {
namespace {

// "2007-01-01 Monday 11 Tevet 5767": every field at once, so a failure shows the whole day.
std::string describe(const CalendarDay& day) {
  char date[16];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.gregorianYear(), day.gregorianMonth(),
                day.gregorianDay());
  return std::string(date) + " " + day.weekdayName() + " " + std::to_string(day.hebrewDay()) + " " +
         day.hebrewMonthName() + " " + std::to_string(day.hebrewYear());
}

CalendarDay gregorian(int32_t year, int32_t month, int32_t day) {
  return CalendarDay(month, day, year, false, false);
}

struct KnownDay {
  int32_t year;
  int32_t month;
  int32_t day;
  const char* expected;
};

void PrintTo(const KnownDay& row, std::ostream* os) {
  *os << row.expected;
}

class KnownDays : public testing::TestWithParam<KnownDay> {};

TEST_P(KnownDays, GregorianDateGivesHebrewDateAndWeekday) {
  const KnownDay& row = GetParam();
  const CalendarDay day = gregorian(row.year, row.month, row.day);
  EXPECT_EQ(describe(day), row.expected);
  EXPECT_EQ(day.dayOfWeek(), day.absoluteDay() % 7 + 1);
  EXPECT_EQ(day.absoluteDay(), day.gregorianToAbsolute(row.month, row.day, row.year));
}

TEST_P(KnownDays, HebrewDateGivesGregorianDateBack) {
  const KnownDay& row = GetParam();
  const CalendarDay fromGregorian = gregorian(row.year, row.month, row.day);
  CalendarDay day = gregorian(2000, 1, 1);
  day.setHebrew(fromGregorian.hebrewMonth(), fromGregorian.hebrewDay(), fromGregorian.hebrewYear());
  EXPECT_EQ(describe(day), row.expected);
  EXPECT_EQ(day.absoluteDay(), fromGregorian.absoluteDay());
  EXPECT_EQ(day.dayOfWeek(), fromGregorian.dayOfWeek());
}

INSTANTIATE_TEST_SUITE_P(
    CalendarDay, KnownDays,
    testing::Values(KnownDay{1600, 1, 1, "1600-01-01 Saturday 14 Tevet 5360"},
                    KnownDay{2007, 1, 1, "2007-01-01 Monday 11 Tevet 5767"},
                    KnownDay{2007, 9, 12, "2007-09-12 Wednesday 29 Elul 5767"},
                    KnownDay{2007, 9, 13, "2007-09-13 Thursday 1 Tishri 5768"},
                    KnownDay{2008, 3, 7, "2008-03-07 Friday 30 Adar I 5768"},
                    KnownDay{2008, 3, 8, "2008-03-08 Saturday 1 Adar II 5768"},
                    KnownDay{2008, 4, 5, "2008-04-05 Saturday 29 Adar II 5768"},
                    KnownDay{2008, 4, 6, "2008-04-06 Sunday 1 Nisan 5768"},
                    KnownDay{2007, 3, 19, "2007-03-19 Monday 29 Adar 5767"},
                    KnownDay{2007, 3, 20, "2007-03-20 Tuesday 1 Nisan 5767"},
                    KnownDay{2007, 12, 5, "2007-12-05 Wednesday 25 Kislev 5768"},
                    KnownDay{2008, 1, 1, "2008-01-01 Tuesday 23 Tevet 5768"},
                    KnownDay{2008, 11, 27, "2008-11-27 Thursday 29 Heshvan 5769"},
                    KnownDay{2000, 2, 29, "2000-02-29 Tuesday 23 Adar I 5760"},
                    KnownDay{2500, 12, 31, "2500-12-31 Friday 8 Tevet 6261"},
                    // The ends of the years the engine serves.
                    KnownDay{1, 1, 1, "0001-01-01 Monday 18 Tevet 3761"},
                    KnownDay{9999, 12, 31, "9999-12-31 Friday 28 Heshvan 13760"}));

TEST(CalendarDay, FirstDayOfTheCountIsMondayFirstJanuaryOfYearOne) {
  const CalendarDay day = gregorian(1, 1, 1);
  EXPECT_EQ(day.gregorianToAbsolute(1, 1, 1), 1);
  EXPECT_EQ(day.absoluteDay(), 1);
  EXPECT_EQ(day.dayOfWeek(), Monday);
}

TEST(CalendarDay, YearLengthsAndTheirMonths) {
  struct Row {
    int32_t hebrewYear;
    int32_t length;
    bool leap;
    bool longHeshvan;
    bool shortKislev;
  };
  const Row rows[] = {
      {5767, 355, false, true, false},
      {5768, 383, true, false, true},
      {5769, 354, false, false, false},
      {5771, 385, true, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.hebrewYear);
    CalendarDay day = gregorian(2000, 1, 1);
    day.setHebrew(Tishri, 1, row.hebrewYear);
    EXPECT_EQ(day.daysInHebrewYear(), row.length);
    EXPECT_EQ(day.isHebrewLeapYear(0), row.leap);
    EXPECT_EQ(day.monthsInHebrewYear(), row.leap ? 13 : 12);
    EXPECT_EQ(day.isLongHeshvan(), row.longHeshvan);
    EXPECT_EQ(day.isShortKislev(), row.shortKislev);
    EXPECT_EQ(day.hebrewMonthLength(Heshvan), row.longHeshvan ? 30 : 29);
    EXPECT_EQ(day.hebrewMonthLength(Kislev), row.shortKislev ? 29 : 30);
    EXPECT_EQ(day.hebrewMonthLength(Adar), row.leap ? 30 : 29);
    EXPECT_EQ(day.hebrewToAbsolute(Tishri, 1, row.hebrewYear + 1) - day.absoluteDay(), row.length);
  }
}

// Every Hebrew year the engine serves has a lawful length and a lawful weekday for 1 Tishri and
// for Pesach, so no table that reads them can be asked for a combination it lacks.
TEST(CalendarDay, EveryServedHebrewYearKeepsTheCalendarRules) {
  CalendarDay day = gregorian(1, 1, 1);
  for (int32_t year = 3762; year < 13760; ++year) {
    day.setHebrew(Tishri, 1, year);
    ASSERT_EQ(day.hebrewYear(), year);
    const int32_t length = day.daysInHebrewYear();
    const bool leap = day.isHebrewLeapYear(0);
    ASSERT_TRUE(leap ? (length >= 383 && length <= 385) : (length >= 353 && length <= 355))
        << year << " has " << length << " days";
    // The last day of a year is where a conversion's year search could start too high.
    const CalendarDay eve =
        gregorian(day.gregorianYear(), day.gregorianMonth(), day.gregorianDay()).previousDay();
    const CalendarDay freshEve =
        gregorian(eve.gregorianYear(), eve.gregorianMonth(), eve.gregorianDay());
    ASSERT_EQ(describe(freshEve), describe(eve));
    ASSERT_EQ(freshEve.hebrewDay(), 29);
    ASSERT_EQ(freshEve.hebrewMonth(), Elul);
    const int32_t tishriWeekday = day.dayOfWeek();
    ASSERT_TRUE(tishriWeekday == Monday || tishriWeekday == Tuesday || tishriWeekday == Thursday ||
                tishriWeekday == Saturday)
        << year;
    day.setHebrew(Nisan, 15, year);
    const int32_t pesachWeekday = day.dayOfWeek();
    ASSERT_TRUE(pesachWeekday == Sunday || pesachWeekday == Tuesday || pesachWeekday == Thursday ||
                pesachWeekday == Saturday)
        << year;
  }
}

TEST(CalendarDay, MonthAndWeekdayNames) {
  struct Row {
    int32_t year;
    int32_t month;
    int32_t day;
    const char* gregorianMonth;
    const char* hebrewMonth;
    const char* weekday;
  };
  const Row rows[] = {
      {2008, 2, 20, "February", "Adar I", "Wednesday"},
      {2008, 3, 20, "March", "Adar II", "Thursday"},
      {2007, 3, 1, "March", "Adar", "Thursday"},
      {2007, 9, 13, "September", "Tishri", "Thursday"},
      {2006, 10, 21, "October", "Tishri", "Saturday"},
      {2007, 11, 1, "November", "Heshvan", "Thursday"},
  };
  for (const Row& row : rows) {
    const CalendarDay day = gregorian(row.year, row.month, row.day);
    EXPECT_EQ(day.gregorianMonthName(), row.gregorianMonth);
    EXPECT_EQ(day.hebrewMonthName(), row.hebrewMonth);
    EXPECT_EQ(day.weekdayName(), row.weekday);
  }
}

TEST(CalendarDay, StepsAcrossMonthAndYearEnds) {
  struct Row {
    int32_t year;
    int32_t month;
    int32_t day;
    const char* next;
  };
  const Row rows[] = {
      {2007, 9, 12, "2007-09-13 Thursday 1 Tishri 5768"},
      {2008, 3, 7, "2008-03-08 Saturday 1 Adar II 5768"},
      {2007, 3, 19, "2007-03-20 Tuesday 1 Nisan 5767"},
      {2008, 4, 5, "2008-04-06 Sunday 1 Nisan 5768"},
      {2007, 12, 31, "2008-01-01 Tuesday 23 Tevet 5768"},
      {2008, 2, 28, "2008-02-29 Friday 23 Adar I 5768"},
      {1900, 2, 28, "1900-03-01 Thursday 30 Adar I 5660"},
      {2006, 10, 21, "2006-10-22 Sunday 30 Tishri 5767"},
  };
  for (const Row& row : rows) {
    CalendarDay day = gregorian(row.year, row.month, row.day);
    const std::string before = describe(day);
    EXPECT_EQ(describe(day.nextDay()), row.next);
    EXPECT_EQ(describe(day.previousDay()), before);
  }
}

TEST(CalendarDay, SetGregorianClampsTooLargeAndTooSmallParts) {
  struct Row {
    int32_t month;
    int32_t day;
    int32_t year;
    const char* expected;
  };
  const Row rows[] = {
      {2, 30, 2007, "2007-02-28 Wednesday 10 Adar 5767"},
      {2, 29, 1900, "1900-02-28 Wednesday 29 Adar I 5660"},
      {2, 29, 2000, "2000-02-29 Tuesday 23 Adar I 5760"},
      {13, 5, 2007, "2007-12-05 Wednesday 25 Kislev 5768"},
      {4, 31, 2007, "2007-04-30 Monday 12 Iyar 5767"},
      {-3, -7, 2007, "2007-01-01 Monday 11 Tevet 5767"},
      {12, 31, 10000, "9999-12-31 Friday 28 Heshvan 13760"},
      {1, 1, -5, "0001-01-01 Monday 18 Tevet 3761"},
      {6, 15, 2147483647, "9999-06-15 Tuesday 6 Iyar 13759"},
  };
  for (const Row& row : rows) {
    CalendarDay day = gregorian(1990, 6, 6);
    day.setGregorian(row.month, row.day, row.year);
    EXPECT_EQ(describe(day), row.expected);
  }
}

TEST(CalendarDay, SetHebrewClampsIntoTheYearAndTheServedDays) {
  struct Row {
    int32_t month;
    int32_t day;
    int32_t year;
    const char* expected;
  };
  const Row rows[] = {
      {13, 1, 5767, "2007-02-19 Monday 1 Adar 5767"},
      {8, 30, 5769, "2008-11-27 Thursday 29 Heshvan 5769"},
      {0, 40, 5768, "2007-10-12 Friday 30 Tishri 5768"},
      {-2, 1, 5768, "2008-04-06 Sunday 1 Nisan 5768"},
      {7, 1, 3761, "0001-01-01 Monday 18 Tevet 3761"},
      {7, 1, -2147483647, "0001-01-01 Monday 18 Tevet 3761"},
      {6, 29, 2147483647, "9999-12-31 Friday 28 Heshvan 13760"},
  };
  for (const Row& row : rows) {
    CalendarDay day = gregorian(2007, 10, 1);  // 19 Tishri 5768
    day.setHebrew(row.month, row.day, row.year);
    EXPECT_EQ(describe(day), row.expected);
  }
}

TEST(CalendarDay, ZeroPartsTakeTodaysDate) {
  const GregorianDate today = todayLocalDate();
  const CalendarDay full = gregorian(today.year, today.month, today.day);
  const CalendarDay byParts[] = {
      CalendarDay(0, 0, 0, false, false),
      CalendarDay(today.month, 0, 0, false, false),
      CalendarDay(0, today.day, today.year, false, false),
  };
  for (const CalendarDay& day : byParts) {
    // A run across midnight sees the next day; the date of the clock decides then.
    if (todayLocalDate().day != today.day) GTEST_SKIP() << "the date changed during the test";
    EXPECT_EQ(describe(day), describe(full));
  }
}

TEST(CalendarDay, FlagsAreKeptInArgumentOrderAndThroughEveryChange) {
  CalendarDay day(1, 1, 2007, true, false);
  EXPECT_TRUE(day.ashkenaziNames());
  EXPECT_FALSE(day.inIsrael());
  day.setGregorian(5, 5, 2010);
  day.setHebrew(Tishri, 1, 5770);
  day.nextDay();
  day.previousDay();
  EXPECT_TRUE(day.ashkenaziNames());
  EXPECT_FALSE(day.inIsrael());
  const CalendarDay israel(1, 1, 2007, false, true);
  EXPECT_TRUE(israel.inIsrael());
  EXPECT_FALSE(israel.ashkenaziNames());
}

// The walk with nextDay must agree with a fresh conversion on every day the program shows, and
// previousDay must undo it step for step.
TEST(CalendarDay, SteppingAgreesWithConversionOverTheWholeSpan) {
  CalendarDay walker = gregorian(1600, 1, 1);
  CalendarDay fresh = walker;
  const auto agree = [&] {
    fresh.setGregorian(walker.gregorianMonth(), walker.gregorianDay(), walker.gregorianYear());
    return walker.hebrewYear() == fresh.hebrewYear() &&
           walker.hebrewMonth() == fresh.hebrewMonth() && walker.hebrewDay() == fresh.hebrewDay() &&
           walker.dayOfWeek() == fresh.dayOfWeek() && walker.absoluteDay() == fresh.absoluteDay() &&
           walker.gregorianMonth() == fresh.gregorianMonth() &&
           walker.gregorianDay() == fresh.gregorianDay();
  };
  const AbsoluteDay first = walker.absoluteDay();
  const AbsoluteDay last = walker.gregorianToAbsolute(12, 31, 2500);
  int32_t days = 1;
  ASSERT_TRUE(agree());
  while (walker.absoluteDay() < last) {
    walker.nextDay();
    ++days;
    ASSERT_TRUE(agree()) << describe(walker) << " against " << describe(fresh);
  }
  EXPECT_EQ(days, 329084);
  EXPECT_EQ(describe(walker), "2500-12-31 Friday 8 Tevet 6261");
  while (walker.absoluteDay() > first) {
    walker.previousDay();
    ASSERT_TRUE(agree()) << describe(walker) << " against " << describe(fresh);
  }
  EXPECT_EQ(describe(walker), "1600-01-01 Saturday 14 Tevet 5360");
}

// The first and last years of the engine's range, stepped through and converted afresh.
TEST(CalendarDay, SteppingAgreesWithConversionAtTheEndsOfTheRange) {
  for (const int32_t startYear : {1, 9997}) {
    CalendarDay walker = gregorian(startYear, 1, 1);
    CalendarDay fresh = walker;
    // Three common years: from 1 January of the first to 31 December of the last.
    for (int32_t step = 1; step < 3 * 365; ++step) {
      walker.nextDay();
      fresh.setGregorian(walker.gregorianMonth(), walker.gregorianDay(), walker.gregorianYear());
      ASSERT_EQ(describe(walker), describe(fresh));
      ASSERT_EQ(walker.absoluteDay(), fresh.absoluteDay());
    }
    EXPECT_EQ(walker.gregorianYear(), startYear + 2);
    EXPECT_EQ(walker.gregorianMonth(), 12);
    EXPECT_EQ(walker.gregorianDay(), 31);
  }
}

}  // namespace
}  // namespace tevorin
