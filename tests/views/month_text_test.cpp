#include "views/month_text.h"

#include <gtest/gtest.h>

namespace tevorin {
namespace {

CalendarDay dayOf(int32_t year, int32_t month, int32_t day) {
  return CalendarDay(month, day, year, /*ashkenaziNames=*/false, /*inIsrael=*/false);
}

TEST(MonthText, HeadersNameTheMonthAndItsHebrewMonthsAndYears) {
  struct Row {
    int32_t year, month, days;
    const char* header;
    const char* hebrew;
  };
  const Row rows[] = {
      {2007, 3, 31, "March 2007", "Adar-Nisan 5767"},
      {2007, 9, 30, "September 2007", "Elul-Tishri 5767-5768"},
      {2008, 3, 31, "March 2008", "Adar I-Adar II 5768"},
      {2014, 2, 28, "February 2014", "Adar I 5774"},
      {1600, 1, 31, "January 1600", "Tevet-Shevat 5360"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.header);
    const CalendarDay first = dayOf(row.year, row.month, 1);
    EXPECT_EQ(monthHeaderText(first), row.header);
    EXPECT_EQ(hebrewHeaderText(first, dayOf(row.year, row.month, row.days)), row.hebrew);
  }
}

TEST(MonthText, BoxAndDetailLinesOfADay) {
  struct Row {
    int32_t year, month, day;
    const char* sunTimes;
    const char* place;
    const char* box;
    const char* detail;
  };
  const Row rows[] = {
      {2007, 3, 3, "6:06/17:36", "Jerusalem, Israel", "Adar 13",
       " Saturday, March 3, 2007 - 13 Adar 5767 - Sunrise/Sunset: 6:06/17:36 - Location: "
       "Jerusalem, Israel"},
      {2008, 2, 20, "6:18/17:27", "Jerusalem, Israel", "Adar I 14",
       " Wednesday, February 20, 2008 - 14 Adar I 5768 - Sunrise/Sunset: 6:18/17:27 - Location: "
       "Jerusalem, Israel"},
      // No places loaded: no sun times and no name.
      {2007, 12, 21, "--:--/--:--", "", "Tevet 12",
       " Friday, December 21, 2007 - 12 Tevet 5768 - Sunrise/Sunset: --:--/--:-- - Location: "},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.box);
    const CalendarDay day = dayOf(row.year, row.month, row.day);
    EXPECT_EQ(boxHebrewDateText(day), row.box);
    EXPECT_EQ(dayDetailText(day, row.sunTimes, row.place), row.detail);
  }
}

// All a box says, for a screen reader: the holiday and the Omer after the dates.
TEST(MonthText, SpokenDayAndMonth) {
  struct Row {
    int32_t year, month, day;
    const char* spoken;
  };
  const Row rows[] = {
      {2007, 3, 3,
       "Saturday, March 3, 2007 - 13 Adar 5767 - Sunrise/Sunset: 6:06/17:36 - Location: "
       "Jerusalem, Israel"},
      {2007, 3, 4,
       "Sunday, March 4, 2007 - 14 Adar 5767 - Purim - Sunrise/Sunset: 6:06/17:36 - Location: "
       "Jerusalem, Israel"},
      {2007, 4, 4,
       "Wednesday, April 4, 2007 - 16 Nisan 5767 - Pesach - Omer 1 - Sunrise/Sunset: 6:06/17:36 - "
       "Location: Jerusalem, Israel"},
      {2007, 4, 11,
       "Wednesday, April 11, 2007 - 23 Nisan 5767 - Omer 8 - Sunrise/Sunset: 6:06/17:36 - "
       "Location: Jerusalem, Israel"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.spoken);
    EXPECT_EQ(daySpokenText(dayOf(row.year, row.month, row.day), "6:06/17:36", "Jerusalem, Israel"),
              row.spoken);
  }
  EXPECT_EQ(monthSpokenText(dayOf(2007, 2, 1), dayOf(2007, 2, 28)),
            "February 2007, Shevat-Adar 5767");
  EXPECT_EQ(monthSpokenText(dayOf(2007, 9, 1), dayOf(2007, 9, 30)),
            "September 2007, Elul-Tishri 5767-5768");
}

}  // namespace
}  // namespace tevorin
