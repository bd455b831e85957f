#include "views/tray_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tevorin {
namespace {

struct TextCase {
  const char* what;
  GregorianDate date;
  const char* sunTimes;
  const char* place;
  const char* expected;
};

// "September 17, 2007 - 5 Tishri 5768" is 34 characters; with a carriage return, 10 characters of
// sun times and " @ " a 13-character own name makes exactly 61.
const TextCase kTextCases[] = {
    {"the Jerusalem example, 57 characters",
     {2007, 9, 17},
     "5:25/17:41",
     "Jerusalem, Israel",
     "September 17, 2007 - 5 Tishri 5768\r5:25/17:41 @ Jerusalem"},
    {"exactly 61 characters",
     {2007, 9, 17},
     "5:25/17:41",
     "Abcdefghijklm, Nowhere",
     "September 17, 2007 - 5 Tishri 5768\r5:25/17:41 @ Abcdefghijklm"},
    {"62 characters fall back to the date line",
     {2007, 9, 17},
     "5:25/17:41",
     "Abcdefghijklmn, Nowhere",
     "September 17, 2007 - 5 Tishri 5768"},
    {"61 characters but more bytes",
     {2007, 9, 17},
     "5:25/17:41",
     "Zürichbergxyz, Switzerland",
     "September 17, 2007 - 5 Tishri 5768\r5:25/17:41 @ Zürichbergxyz"},
    {"a place without a comma has no own name",
     {2007, 9, 17},
     "5:25/17:41",
     "Jerusalem",
     "September 17, 2007 - 5 Tishri 5768\r5:25/17:41 @ "},
    {"only the first comma counts",
     {2007, 9, 17},
     "5:25/17:41",
     "Washington, D.C., USA",
     "September 17, 2007 - 5 Tishri 5768\r5:25/17:41 @ Washington"},
    {"no place selected",
     {2007, 9, 17},
     "5:25/17:41",
     "",
     "September 17, 2007 - 5 Tishri 5768\r5:25/17:41 @ "},
    {"Adar of a common year",
     {2007, 3, 19},
     "5:45/17:50",
     "Jerusalem, Israel",
     "March 19, 2007 - 29 Adar 5767\r5:45/17:50 @ Jerusalem"},
    {"Adar I of a leap year",
     {2008, 3, 7},
     "5:55/17:45",
     "Jerusalem, Israel",
     "March 7, 2008 - 30 Adar I 5768\r5:55/17:45 @ Jerusalem"},
    {"Adar II of a leap year",
     {2008, 3, 8},
     "5:54/17:46",
     "Jerusalem, Israel",
     "March 8, 2008 - 1 Adar II 5768\r5:54/17:46 @ Jerusalem"},
    {"the sun that does not rise",
     {2007, 12, 21},
     "--:--/--:--",
     "Longyearbyen, Svalbard",
     "December 21, 2007 - 12 Tevet 5768\r--:--/--:-- @ Longyearbyen"},
};

TEST(TrayText, BuildsTheTooltipText) {
  for (const TextCase& c : kTextCases) {
    SCOPED_TRACE(c.what);
    const CalendarDay day(c.date.month, c.date.day, c.date.year, false, false);
    const std::string text = trayText(day, c.sunTimes, c.place);
    EXPECT_EQ(text, c.expected);
    EXPECT_LE(characterCount(text), kMaxTrayTextLength);
  }
}

TEST(TrayText, DateLineStaysWithinItsLongestForm) {
  // The longest month names meet two-digit days and a two-word Hebrew month.
  const CalendarDay day(2, 29, 2008, false, false);
  EXPECT_EQ(trayDateLine(day), "February 29, 2008 - 23 Adar I 5768");
  CalendarDay walk(1, 1, 1600, false, false);
  std::size_t longest = 0;
  for (; walk.gregorianYear() <= 2500; walk.nextDay())
    longest = std::max(longest, trayDateLine(walk).size());
  EXPECT_LE(longest, 36u);
}

TEST(TrayText, TakesTheDayOfAGregorianDate) {
  EXPECT_EQ(trayTextFor({2007, 9, 17}, "5:25/17:41", "Jerusalem, Israel"),
            "September 17, 2007 - 5 Tishri 5768\r5:25/17:41 @ Jerusalem");
  EXPECT_EQ(trayTextFor({2008, 3, 7}, "--:--/--:--", "Zyryanovsk, Kazakhstan"),
            "March 7, 2008 - 30 Adar I 5768\r--:--/--:-- @ Zyryanovsk");
}

}  // namespace
}  // namespace tevorin
