#include "calendar/omer.h"

#include <gtest/gtest.h>

namespace tevorin {
namespace {

struct OmerCase {
  int32_t hebrewMonth;
  int32_t hebrewDay;
  int32_t count;
  const char* text;
};

TEST(Omer, CountAndTextFromSixteenNisanToFiveSivan) {
  const OmerCase rows[] = {
      {Nisan, 15, 0, ""},        {Nisan, 16, 1, "Omer 1"},  {Nisan, 30, 15, "Omer 15"},
      {Iyar, 1, 16, "Omer 16"},  {Iyar, 17, 32, "Omer 32"}, {Iyar, 18, 33, "Lag B'Omer"},
      {Iyar, 19, 34, "Omer 34"}, {Iyar, 29, 44, "Omer 44"}, {Sivan, 1, 45, "Omer 45"},
      {Sivan, 5, 49, "Omer 49"}, {Sivan, 6, 0, ""},         {Adar, 16, 0, ""},
      {Tishri, 18, 0, ""},       {AdarII, 20, 0, ""},
  };
  // Neither flag changes the count; the years give different weekdays for the same date.
  const bool flagPairs[][2] = {{false, false}, {true, false}, {false, true}, {true, true}};
  for (const int32_t year : {5767, 5768, 5769, 5770, 5771, 5772, 5773}) {
    for (const auto& flags : flagPairs) {
      CalendarDay day(1, 1, 2000, flags[0], flags[1]);
      for (const OmerCase& row : rows) {
        day.setHebrew(row.hebrewMonth, row.hebrewDay, year);
        if (day.hebrewMonth() != row.hebrewMonth) continue;  // no Adar II in a common year
        SCOPED_TRACE(testing::Message()
                     << row.hebrewDay << " " << day.hebrewMonthName() << " " << year);
        EXPECT_EQ(omerDay(day), row.count);
        EXPECT_EQ(omerText(day), row.text);
      }
    }
  }
}

// The count runs 1 to 49 without a gap, once a year.
TEST(Omer, FortyNineDaysInARow) {
  CalendarDay day(1, 1, 2008, false, false);
  day.setHebrew(Nisan, 1, 0);
  int32_t expected = 0;
  for (int32_t step = 0; step < 90; ++step, day.nextDay()) {
    const int32_t count = omerDay(day);
    if (count != 0) {
      EXPECT_EQ(count, ++expected);
    }
  }
  EXPECT_EQ(expected, 49);
}

}  // namespace
}  // namespace tevorin
