#include "calendar/holidays.h"

#include <gtest/gtest.h>

#include <string>

namespace tevorin {
namespace {

struct HolidayCase {
  int32_t year;
  int32_t month;
  int32_t day;
  const char* hebrewDate;  // the day the row means, checked too
  bool israel;
  bool ashkenazi;
  const char* expected;  // "" for no name
};

void PrintTo(const HolidayCase& row, std::ostream* os) {
  *os << row.hebrewDate << (row.israel ? " Israel" : "") << (row.ashkenazi ? " Ashkenazi" : "");
}

class Holidays : public testing::TestWithParam<HolidayCase> {};

TEST_P(Holidays, NameOfTheDay) {
  const HolidayCase& row = GetParam();
  const CalendarDay day(row.month, row.day, row.year, row.ashkenazi, row.israel);
  ASSERT_EQ(std::to_string(day.hebrewDay()) + " " + day.hebrewMonthName() + " " +
                std::to_string(day.hebrewYear()),
            row.hebrewDate);
  EXPECT_EQ(std::string(holidayName(day).value_or("")), row.expected);
}

constexpr bool kDiaspora = false;
constexpr bool kIsrael = true;
constexpr bool kSephardi = false;
constexpr bool kAshkenazi = true;

INSTANTIATE_TEST_SUITE_P(
    Fasts, Holidays,
    testing::Values(
        // A fast that falls on a Saturday moves to the Sunday after it.
        HolidayCase{2012, 7, 28, "9 Av 5772", kDiaspora, kSephardi, ""},
        HolidayCase{2012, 7, 29, "10 Av 5772", kDiaspora, kSephardi, "Tisha B'av"},
        HolidayCase{2009, 7, 30, "9 Av 5769", kDiaspora, kSephardi, "Tisha B'av"},
        HolidayCase{2008, 8, 11, "10 Av 5768", kDiaspora, kSephardi, ""},
        HolidayCase{2012, 7, 7, "17 Tammuz 5772", kDiaspora, kSephardi, ""},
        HolidayCase{2012, 7, 8, "18 Tammuz 5772", kDiaspora, kSephardi, "Tzom Tammuz"},
        HolidayCase{2008, 7, 20, "17 Tammuz 5768", kDiaspora, kSephardi, "Tzom Tammuz"},
        HolidayCase{2008, 7, 21, "18 Tammuz 5768", kDiaspora, kSephardi, ""},
        HolidayCase{2004, 9, 18, "3 Tishri 5765", kDiaspora, kSephardi, ""},
        HolidayCase{2004, 9, 19, "4 Tishri 5765", kDiaspora, kSephardi, "Tzom Gedalia"},
        HolidayCase{2006, 9, 25, "3 Tishri 5767", kDiaspora, kSephardi, "Tzom Gedalia"},
        HolidayCase{2007, 12, 19, "10 Tevet 5768", kDiaspora, kSephardi, "Tzom Tevet"},
        HolidayCase{2007, 12, 19, "10 Tevet 5768", kDiaspora, kAshkenazi, "Tzom Teves"},
        // Ta'anit Esther moves back to Thursday when 13 Adar is a Saturday.
        HolidayCase{2007, 3, 1, "11 Adar 5767", kDiaspora, kSephardi, "Ta'anit Esther"},
        HolidayCase{2007, 3, 2, "12 Adar 5767", kDiaspora, kSephardi, ""},
        HolidayCase{2007, 3, 3, "13 Adar 5767", kDiaspora, kSephardi, ""},
        HolidayCase{2010, 2, 25, "11 Adar 5770", kDiaspora, kAshkenazi, "Ta'anis Esther"},
        HolidayCase{2009, 3, 9, "13 Adar 5769", kDiaspora, kSephardi, "Ta'anit Esther"},
        HolidayCase{2009, 3, 7, "11 Adar 5769", kDiaspora, kSephardi, ""},
        HolidayCase{2008, 3, 20, "13 Adar II 5768", kDiaspora, kSephardi, "Ta'anit Esther"},
        HolidayCase{2008, 2, 19, "13 Adar I 5768", kDiaspora, kSephardi, ""}));

INSTANTIATE_TEST_SUITE_P(
    Purim, Holidays,
    testing::Values(HolidayCase{2007, 3, 4, "14 Adar 5767", kDiaspora, kSephardi, "Purim"},
                    HolidayCase{2007, 3, 5, "15 Adar 5767", kIsrael, kSephardi, "Shushan Purim"},
                    HolidayCase{2008, 2, 20, "14 Adar I 5768", kDiaspora, kSephardi, "Purim Katan"},
                    HolidayCase{2008, 2, 21, "15 Adar I 5768", kDiaspora, kSephardi, ""},
                    HolidayCase{2008, 3, 21, "14 Adar II 5768", kDiaspora, kSephardi, "Purim"},
                    HolidayCase{2008, 3, 22, "15 Adar II 5768", kDiaspora, kSephardi,
                                "Shushan Purim"}));

INSTANTIATE_TEST_SUITE_P(
    PesachAndShavuot, Holidays,
    testing::Values(
        HolidayCase{2008, 4, 19, "14 Nisan 5768", kDiaspora, kSephardi, "Erev Pesach"},
        HolidayCase{2008, 4, 20, "15 Nisan 5768", kIsrael, kSephardi, "Pesach"},
        HolidayCase{2008, 4, 21, "16 Nisan 5768", kDiaspora, kSephardi, "Pesach"},
        HolidayCase{2008, 4, 21, "16 Nisan 5768", kIsrael, kSephardi, "Chol Hamoed Pesach"},
        HolidayCase{2008, 4, 22, "17 Nisan 5768", kDiaspora, kSephardi, "Chol Hamoed Pesach"},
        HolidayCase{2008, 4, 25, "20 Nisan 5768", kIsrael, kSephardi, "Chol Hamoed Pesach"},
        HolidayCase{2008, 4, 26, "21 Nisan 5768", kIsrael, kSephardi, "Pesach"},
        HolidayCase{2008, 4, 27, "22 Nisan 5768", kDiaspora, kSephardi, "Pesach"},
        HolidayCase{2008, 4, 27, "22 Nisan 5768", kIsrael, kSephardi, ""},
        // The second Pesach is on 14 Iyar, a month after the first.
        HolidayCase{2007, 5, 2, "14 Iyar 5767", kDiaspora, kSephardi, "Pesach Sheni"},
        HolidayCase{2007, 5, 2, "14 Iyar 5767", kIsrael, kAshkenazi, "Pesach Sheni"},
        HolidayCase{2007, 5, 3, "15 Iyar 5767", kDiaspora, kSephardi, ""},
        HolidayCase{2008, 6, 8, "5 Sivan 5768", kDiaspora, kSephardi, ""},
        HolidayCase{2008, 6, 9, "6 Sivan 5768", kDiaspora, kSephardi, "Shavuot"},
        HolidayCase{2008, 6, 9, "6 Sivan 5768", kDiaspora, kAshkenazi, "Shavuos"},
        HolidayCase{2008, 6, 9, "6 Sivan 5768", kIsrael, kSephardi, "Shavuot"},
        HolidayCase{2008, 6, 10, "7 Sivan 5768", kDiaspora, kSephardi, "Shavuot"},
        HolidayCase{2008, 6, 10, "7 Sivan 5768", kIsrael, kSephardi, ""},
        HolidayCase{2008, 8, 16, "15 Av 5768", kDiaspora, kSephardi, "Tu B'Av"}));

INSTANTIATE_TEST_SUITE_P(
    Tishri, Holidays,
    testing::Values(
        HolidayCase{2008, 9, 29, "29 Elul 5768", kDiaspora, kSephardi, "Erev Rosh Hashanah"},
        HolidayCase{2007, 9, 13, "1 Tishri 5768", kIsrael, kSephardi, "Rosh Hashanah"},
        HolidayCase{2007, 9, 14, "2 Tishri 5768", kIsrael, kSephardi, "Rosh Hashanah"},
        HolidayCase{2007, 9, 21, "9 Tishri 5768", kDiaspora, kSephardi, "Erev Yom Kippur"},
        HolidayCase{2007, 9, 22, "10 Tishri 5768", kDiaspora, kSephardi, "Yom Kippur"},
        HolidayCase{2007, 9, 26, "14 Tishri 5768", kDiaspora, kAshkenazi, "Erev Sukkos"},
        HolidayCase{2007, 9, 27, "15 Tishri 5768", kDiaspora, kSephardi, "Sukkot"},
        HolidayCase{2007, 9, 28, "16 Tishri 5768", kDiaspora, kAshkenazi, "Sukkos"},
        HolidayCase{2007, 9, 28, "16 Tishri 5768", kIsrael, kSephardi, "Chol Hamoed Sukkot"},
        HolidayCase{2007, 10, 2, "20 Tishri 5768", kDiaspora, kAshkenazi, "Chol Hamoed Sukkos"},
        HolidayCase{2007, 10, 3, "21 Tishri 5768", kDiaspora, kSephardi, "Hoshana Rabah"},
        HolidayCase{2007, 10, 4, "22 Tishri 5768", kIsrael, kSephardi, "Shmini Atzeret"},
        HolidayCase{2007, 10, 4, "22 Tishri 5768", kDiaspora, kAshkenazi, "Shmini Atzeres"},
        HolidayCase{2007, 10, 5, "23 Tishri 5768", kDiaspora, kSephardi, "Simchat Torah"},
        HolidayCase{2007, 10, 5, "23 Tishri 5768", kDiaspora, kAshkenazi, "Simchas Torah"},
        HolidayCase{2007, 10, 5, "23 Tishri 5768", kIsrael, kSephardi, ""},
        HolidayCase{2007, 10, 6, "24 Tishri 5768", kDiaspora, kSephardi, ""}));

INSTANTIATE_TEST_SUITE_P(
    WinterMonths, Holidays,
    testing::Values(
        HolidayCase{2007, 10, 27, "15 Heshvan 5768", kDiaspora, kSephardi, ""},
        HolidayCase{2007, 12, 4, "24 Kislev 5768", kDiaspora, kSephardi, "Erev Chanukah"},
        HolidayCase{2007, 12, 9, "29 Kislev 5768", kDiaspora, kSephardi, "Chanukah"},
        HolidayCase{2006, 12, 21, "30 Kislev 5767", kDiaspora, kSephardi, "Chanukah"},
        // Chanukah's eighth day is 3 Tevet only when Kislev has 29 days.
        HolidayCase{2006, 12, 23, "2 Tevet 5767", kDiaspora, kSephardi, "Chanukah"},
        HolidayCase{2006, 12, 24, "3 Tevet 5767", kDiaspora, kSephardi, ""},
        HolidayCase{2007, 12, 12, "3 Tevet 5768", kDiaspora, kSephardi, "Chanukah"},
        HolidayCase{2008, 1, 22, "15 Shevat 5768", kDiaspora, kSephardi, "Tu B'Shvat"}));

// Every day carries at most one name, and only where a rule names it: no day of Heshvan, no eve
// of Shavuot, nothing on 15 Iyar.
TEST(Holidays, WholeYearsHaveOnlyTheirNamedDays) {
  for (const bool israel : {false, true}) {
    CalendarDay day(9, 13, 2007, false, israel);  // 1 Tishri 5768
    int32_t named = 0;
    while (day.hebrewYear() == 5768) {
      const auto name = holidayName(day);
      if (name) ++named;
      if (day.hebrewMonth() == Heshvan || (day.hebrewMonth() == Sivan && day.hebrewDay() == 5) ||
          (day.hebrewMonth() == Iyar && day.hebrewDay() == 15)) {
        EXPECT_FALSE(name) << day.hebrewDay() << " " << day.hebrewMonthName();
      }
      day.nextDay();
    }
    // 5768: Tishri 15 (Israel 14), Chanukah with its eve 9, 10 Tevet, Tu B'Shvat, Purim Katan,
    // Adar II 3, Nisan 9 (Israel 8), Pesach Sheni, Shavuot 2 (Israel 1), Tammuz, Av 2, Elul 1.
    EXPECT_EQ(named, israel ? 43 : 46);
  }
}

}  // namespace
}  // namespace tevorin
