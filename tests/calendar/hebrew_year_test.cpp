#include "calendar/hebrew_year.h"

#include <gtest/gtest.h>

namespace tevorin {
namespace {

TEST(HebrewYear, LengthsLeapYearsAndTheMonthsThatFollowThem) {
  struct Row {
    int32_t year;
    bool leap;
    int32_t days;
    int32_t heshvan, kislev, adar;
  };
  const Row rows[] = {
      {5767, false, 355, 30, 30, 29},  // complete
      {5768, true, 383, 29, 29, 30},   // deficient leap year
      {5769, false, 354, 29, 30, 29},  // regular
      {5771, true, 385, 30, 30, 30},   // complete leap year
      {5773, false, 353, 29, 29, 29},  // deficient
      {5782, true, 384, 29, 30, 30},   // regular leap year
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.year);
    EXPECT_EQ(isHebrewLeapYear(row.year), row.leap);
    EXPECT_EQ(monthsInHebrewYear(row.year), row.leap ? 13 : 12);
    EXPECT_EQ(daysInHebrewYear(row.year), row.days);
    EXPECT_EQ(hebrewMonthLength(Heshvan, row.year), row.heshvan);
    EXPECT_EQ(hebrewMonthLength(Kislev, row.year), row.kislev);
    EXPECT_EQ(hebrewMonthLength(Adar, row.year), row.adar);
    EXPECT_EQ(hebrewMonthLength(Nisan, row.year), 30);
    EXPECT_EQ(hebrewMonthLength(Iyar, row.year), 29);
  }
  // The count starts with 1 Tishri of year 1 as day 1.
  static_assert(hebrewElapsedDays(1) == 1);
}

}  // namespace
}  // namespace tevorin
