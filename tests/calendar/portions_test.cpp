#include "calendar/portions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "calendar/holidays.h"

namespace tevorin {
namespace {

struct PortionCase {
  int32_t year;
  int32_t month;
  int32_t day;
  bool israel;
  bool ashkenazi;
  const char* expected;  // "" for none
};

class WeeklyPortion : public testing::TestWithParam<PortionCase> {};

TEST_P(WeeklyPortion, PortionOfTheDay) {
  const PortionCase& row = GetParam();
  const CalendarDay day(row.month, row.day, row.year, row.ashkenazi, row.israel);
  EXPECT_EQ(std::string(weeklyPortion(day).value_or("")), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Years5767To5772, WeeklyPortion,
    testing::Values(
        PortionCase{2006, 10, 20, false, false, ""},  // a Friday
        PortionCase{2006, 9, 23, false, false, ""},   // Rosh Hashanah
        PortionCase{2006, 9, 30, false, false, "Ha'Azinu"},
        PortionCase{2006, 10, 7, false, false, ""}, PortionCase{2006, 10, 14, false, false, ""},
        PortionCase{2006, 10, 21, false, false, "Bereshit"},
        PortionCase{2006, 10, 21, false, true, "Bereshis"},
        PortionCase{2007, 3, 17, false, false, "Vayakhel Pekudei"},
        PortionCase{2007, 4, 7, false, false, ""},
        PortionCase{2007, 4, 21, false, false, "Tazria Metzora"},
        PortionCase{2007, 4, 21, false, true, "Sazria Metzora"},
        PortionCase{2007, 7, 14, false, false, "Matot Masei"},
        PortionCase{2007, 9, 8, false, false, "Nitzavim Vayeilech"},
        PortionCase{2007, 9, 15, false, false, "Ha'Azinu"},
        PortionCase{2007, 9, 22, false, false, ""}, PortionCase{2007, 9, 29, false, false, ""},
        PortionCase{2007, 10, 6, false, false, "Bereshit"},
        PortionCase{2012, 4, 14, false, false, ""}, PortionCase{2012, 4, 14, true, false, "Shmini"},
        PortionCase{2012, 5, 19, false, false, "Behar Bechukotai"},
        PortionCase{2012, 5, 19, true, false, "Bechukotai"},
        PortionCase{2012, 5, 19, true, true, "Bechukosai"}));

TEST(WeeklyPortion, ScheduleOfTheYear) {
  struct Row {
    int32_t year;
    int32_t month;
    int32_t day;
    int32_t diaspora;
    int32_t israel;
  };
  const Row rows[] = {{2006, 9, 23, 7, 7}, {2007, 9, 13, 12, 12}, {2011, 9, 29, 3, 4}};
  for (const Row& row : rows) {
    EXPECT_EQ(portionScheduleNumber(CalendarDay(row.month, row.day, row.year, false, false)),
              row.diaspora);
    EXPECT_EQ(portionScheduleNumber(CalendarDay(row.month, row.day, row.year, false, true)),
              row.israel);
  }
}

TEST(WeeklyPortion, SchedulesHoldTheirSaturdaysAndNamesOnly) {
  const std::size_t sizes[] = {0, 50, 50, 51, 51, 51, 51, 51, 54, 54, 55, 55, 55, 55, 55, 55};
  for (int32_t number = 0; number <= 16; ++number) {
    const PortionSchedule schedule = portionSchedule(number);
    EXPECT_EQ(schedule.size(), number <= 15 ? sizes[number] : 0) << number;
    for (const int32_t entry : schedule) EXPECT_TRUE(entry >= -1 && entry < 60) << number;
  }
  EXPECT_TRUE(portionSchedule(-1).empty());
}

// Every Hebrew year has as many Saturdays as its schedule has entries, so the last entry is
// reached and none is read past.
TEST(WeeklyPortion, EveryServedYearFillsItsScheduleExactly) {
  for (const bool israel : {false, true}) {
    CalendarDay day(1, 1, 2000, false, israel);
    for (int32_t year = 3762; year < 13760; ++year) {
      day.setHebrew(Tishri, 1, year);
      const std::optional<int32_t> number = portionScheduleNumber(day);
      ASSERT_TRUE(number) << year;
      const int32_t firstSaturday = day.absoluteDay() + (Saturday - day.dayOfWeek());
      const int32_t saturdays =
          (day.absoluteDay() + day.daysInHebrewYear() - firstSaturday + 6) / 7;
      ASSERT_EQ(static_cast<std::size_t>(saturdays), portionSchedule(*number).size())
          << year << " schedule " << *number;
    }
  }
}

// The combined portions, as the single portions they join.
std::vector<int32_t> singles(int32_t portion) {
  switch (portion) {
    case 53:
      return {21, 22};
    case 54:
      return {26, 27};
    case 55:
      return {28, 29};
    case 56:
      return {31, 32};
    case 57:
      return {38, 39};
    case 58:
      return {41, 42};
    case 59:
      return {50, 51};
    default:
      return {portion};
  }
}

bool isFestivalDay(std::string_view name) {
  static const std::set<std::string_view> festivals = {
      "Pesach", "Chol Hamoed Pesach", "Shavuot",        "Rosh Hashanah", "Yom Kippur",
      "Sukkot", "Chol Hamoed Sukkot", "Shmini Atzeret", "Simchat Torah"};
  return festivals.count(name) != 0;
}

// Over the whole span the portions are read in order, none skipped and none twice, the cycle
// starting again after Ha'Azinu; a Saturday reads nothing exactly when it is a festival day, and
// no other weekday reads anything.
TEST(WeeklyPortion, WholeSpanReadsTheCycleInOrder) {
  for (const bool israel : {false, true}) {
    SCOPED_TRACE(israel ? "Israel" : "diaspora");
    CalendarDay day(1, 1, 1600, false, israel);
    const AbsoluteDay last = day.gregorianToAbsolute(12, 31, 2500);
    int32_t previous = -1;
    int32_t read = 0;
    for (; day.absoluteDay() <= last; day.nextDay()) {
      const auto portion = weeklyPortion(day);
      if (day.dayOfWeek() != Saturday) {
        ASSERT_FALSE(portion);
        continue;
      }
      const auto holiday = holidayName(day);
      ASSERT_EQ(!portion, holiday && isFestivalDay(*holiday))
          << day.gregorianYear() << "-" << day.gregorianMonth() << "-" << day.gregorianDay();
      if (!portion) continue;
      int32_t index = 0;
      while (portionNames[static_cast<std::size_t>(index)].sephardi != *portion) ++index;
      for (const int32_t single : singles(index)) {
        if (previous >= 0) {
          ASSERT_EQ(single, (previous + 1) % 53)
              << day.gregorianYear() << "-" << day.gregorianMonth() << "-" << day.gregorianDay();
        }
        previous = single;
        ++read;
      }
    }
    EXPECT_GT(read, 53 * 900);
  }
}

}  // namespace
}  // namespace tevorin
