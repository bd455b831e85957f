#include "views/day_step.h"

#include <gtest/gtest.h>

#include <string>

namespace tevorin {
namespace {

std::string text(const GregorianDate& date) {
  return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
         std::to_string(date.day);
}

TEST(DayStep, DaysWeeksAndMonthsRunAcrossTheEndsOfMonthsAndYears) {
  using enum DayStep;
  const struct {
    GregorianDate from;
    DayStep step;
    GregorianDate to;
  } rows[] = {
      {{2007, 3, 15}, kNextDay, {2007, 3, 16}},
      {{2007, 3, 31}, kNextDay, {2007, 4, 1}},
      {{2007, 3, 1}, kPreviousDay, {2007, 2, 28}},
      {{2008, 3, 1}, kPreviousDay, {2008, 2, 29}},  // a leap year
      {{2007, 12, 31}, kNextDay, {2008, 1, 1}},
      {{2008, 1, 1}, kPreviousDay, {2007, 12, 31}},
      {{2007, 3, 15}, kNextWeek, {2007, 3, 22}},
      {{2007, 3, 28}, kNextWeek, {2007, 4, 4}},
      {{2007, 3, 3}, kPreviousWeek, {2007, 2, 24}},
      {{2008, 2, 29}, kNextWeek, {2008, 3, 7}},
      {{2008, 2, 29}, kPreviousWeek, {2008, 2, 22}},
      {{2007, 12, 27}, kNextWeek, {2008, 1, 3}},
      {{2008, 1, 4}, kPreviousWeek, {2007, 12, 28}},
      {{2007, 3, 15}, kNextMonth, {2007, 4, 15}},
      {{2007, 1, 31}, kNextMonth, {2007, 2, 28}},  // the shorter month's last day
      {{2008, 1, 31}, kNextMonth, {2008, 2, 29}},
      {{2008, 2, 29}, kNextMonth, {2008, 3, 29}},
      {{2008, 2, 29}, kPreviousMonth, {2008, 1, 29}},
      {{2007, 3, 31}, kPreviousMonth, {2007, 2, 28}},
      {{2007, 12, 5}, kNextMonth, {2008, 1, 5}},
      {{2008, 1, 5}, kPreviousMonth, {2007, 12, 5}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(text(row.from) + " step " + std::to_string(static_cast<int>(row.step)));
    EXPECT_EQ(text(steppedDay(row.from, row.step)), text(row.to));
  }
}

TEST(DayStep, OnlyTheYearsOfTheMonthPageAreShown) {
  EXPECT_TRUE(isShownDay({1600, 1, 1}));
  EXPECT_TRUE(isShownDay({2500, 12, 31}));
  EXPECT_FALSE(isShownDay(steppedDay({1600, 1, 1}, DayStep::kPreviousDay)));
  EXPECT_FALSE(isShownDay(steppedDay({2500, 12, 31}, DayStep::kNextDay)));
}

}  // namespace
}  // namespace tevorin
