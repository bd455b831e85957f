#include "sun/sun_times.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "calendar/calendar_day.h"

namespace tevorin {
namespace {

// Minutes since midnight of one "h:mm" half, or none when the half is not a time of 0:00..24:00.
std::optional<int> minutesOf(std::string_view half) {
  const std::size_t colon = half.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 2 || half.size() != colon + 3) {
    return std::nullopt;
  }
  int hours = 0;
  for (std::size_t i = 0; i < colon; ++i) {
    if (half[i] < '0' || half[i] > '9') return std::nullopt;
    hours = hours * 10 + (half[i] - '0');
  }
  if (colon == 2 && half[0] == '0') return std::nullopt;  // no leading zero
  const char tens = half[colon + 1];
  const char ones = half[colon + 2];
  if (tens < '0' || tens > '5' || ones < '0' || ones > '9') return std::nullopt;
  const int minutes = hours * 60 + (tens - '0') * 10 + (ones - '0');
  if (minutes > 24 * 60) return std::nullopt;
  return minutes;
}

// Two times of the day, or the dashes of a day without sunrise.
bool isSunTimesText(std::string_view text) {
  if (text == "--:--/--:--") return true;
  const std::size_t slash = text.find('/');
  return slash != std::string_view::npos && minutesOf(text.substr(0, slash)) &&
         minutesOf(text.substr(slash + 1));
}

struct SunCase {
  float latitude;
  float longitude;
  double utcOffset;
  int year;
  int month;
  int day;
  const char* expected;
};

void PrintTo(const SunCase& row, std::ostream* os) {
  *os << row.latitude << "," << row.longitude << " UTC" << row.utcOffset << " " << row.year << "-"
      << row.month << "-" << row.day;
}

class SunTimes : public testing::TestWithParam<SunCase> {};

TEST_P(SunTimes, RiseAndSet) {
  const SunCase& row = GetParam();
  EXPECT_EQ(
      computeSunTimes(row.latitude, row.longitude, row.utcOffset, static_cast<float>(row.year),
                      static_cast<float>(row.month), static_cast<float>(row.day)),
      row.expected);
  // The same through the call for a place and a date, which the pages and the writer use.
  EXPECT_EQ(sunTimesAt(GeoLocation{row.latitude, row.longitude, row.utcOffset}, row.year, row.month,
                       row.day),
            row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, SunTimes,
    testing::Values(SunCase{0, 0, 0, 2000, 1, 1, "6:03/18:03"},
                    SunCase{40.71F, -74.01F, -5, 2007, 6, 21, "4:26/19:29"},
                    // South of the equator the altitude correction turns its sign.
                    SunCase{-33.87F, 151.21F, 10, 2007, 12, 21, "4:42/19:03"},
                    SunCase{31.78F, 35.22F, 2, 2007, 9, 17, "5:25/17:41"},
                    // The equation of time comes out near a whole day here; the wrap keeps
                    // both times in line with the days around them.
                    SunCase{31.78F, 35.22F, 2, 2007, 9, 22, "5:29/17:34"}));

INSTANTIATE_TEST_SUITE_P(
    PolarDaysAndNights, SunTimes,
    testing::Values(
        // The sun stays up: rise and set 24 hours apart around solar noon, set wrapped once.
        SunCase{68.97F, 33.08F, 3, 2007, 6, 21, "0:49/0:49"},
        // Solar noon before 12:00 puts the rise before midnight; it gains a day once.
        SunCase{68.97F, 33.08F, 2, 2007, 6, 21, "23:49/23:49"},
        SunCase{-90, 0, 0, 2007, 12, 21, "23:57/23:57"},
        // The sun does not rise at all.
        SunCase{78, 15, 1, 2007, 12, 21, "--:--/--:--"},
        SunCase{-78, 166, 12, 2007, 6, 21, "--:--/--:--"},
        // An offset a whole day off its longitude still lands within the day.
        SunCase{0, -180, 24, 2007, 6, 21, "18:01/6:01"}));

// The minutes of the text, each on its own day: a sunset past midnight belongs to the next day,
// and days whose shown times are no sunrise and sunset have none.
TEST(SunTimes, EventsCarryTheShownMinutesOnTheirDays) {
  const struct {
    GeoLocation place;
    int month;
    int day;
    std::optional<SunEvents> expected;
  } cases[] = {
      {{40.71, -74.01, -5}, 6, 21, SunEvents{{0, 4, 26}, {0, 19, 29}}},
      {{31.78, 35.22, 2}, 9, 22, SunEvents{{0, 5, 29}, {0, 17, 34}}},
      // Reykjavik, whose text shows 2:55/0:02.
      {{64.1467, -21.94, 0}, 6, 19, SunEvents{{0, 2, 55}, {1, 0, 2}}},
      {{64.1467, -21.94, 0}, 6, 17, SunEvents{{0, 2, 56}, {1, 0, 0}}},
      // An offset a whole day off its longitude: the text shows 18:01/6:01.
      {{0, -180, 24}, 6, 21, SunEvents{{1, 18, 1}, {2, 6, 1}}},
      {{68.97, 33.08, 3}, 6, 21, std::nullopt},  // sun up all day, shown as 0:49/0:49
      {{68.97, 33.08, 2}, 6, 21, std::nullopt},
      {{78, 15, 1}, 12, 21, std::nullopt},
      // No place on earth.
      {{91, 0, 0}, 6, 21, std::nullopt},
      {{40.71, -74.01, 1e20}, 6, 21, std::nullopt},
      {{40.71, 1e10, -5}, 6, 21, std::nullopt},
      {{40.71, -74.01, -24.5}, 6, 21, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.place.latitude << "," << c.place.longitude << " " << c.month << "-" << c.day);
    const auto events = sunEventsAt(c.place, 2007, c.month, c.day);
    ASSERT_EQ(events.has_value(), c.expected.has_value());
    if (!events) continue;
    for (const auto& [got, want] :
         {std::pair{events->rise, c.expected->rise}, std::pair{events->set, c.expected->set}}) {
      EXPECT_EQ(got.dayShift, want.dayShift);
      EXPECT_EQ(got.hours, want.hours);
      EXPECT_EQ(got.minutes, want.minutes);
    }
  }
}

// Placed on their days, each sunrise and sunset comes about a day after the one before, also where
// sunsets pass midnight and on the days whose equation of time comes out near a whole day.
TEST(SunTimes, EventsFollowEachOtherByAboutADay) {
  const GeoLocation places[] = {
      {31.78, 35.22, 2}, {64.1467, -21.94, 0}, {-36.85, 174.76, 12}, {68.97, 33.08, 3}};
  for (const GeoLocation& place : places) {
    CalendarDay date(1, 1, 2007, false, false);
    std::optional<int> lastRise;
    std::optional<int> lastSet;
    for (; date.gregorianYear() == 2007; date.nextDay()) {
      const auto events = sunEventsAt(place, 2007, date.gregorianMonth(), date.gregorianDay());
      const auto minuteOf = [&](const ShownTime& t) {
        return (date.absoluteDay() + t.dayShift) * 1440 + t.hours * 60 + t.minutes;
      };
      const std::optional<int> rise = events ? std::optional(minuteOf(events->rise)) : std::nullopt;
      const std::optional<int> set = events ? std::optional(minuteOf(events->set)) : std::nullopt;
      SCOPED_TRACE(::testing::Message()
                   << place.latitude << " " << date.gregorianMonth() << "-" << date.gregorianDay());
      // Near the polar night days lengthen by up to half an hour a day.
      if (rise && lastRise) {
        EXPECT_NEAR(*rise - *lastRise, 1440, 60);
      }
      if (set && lastSet) {
        EXPECT_NEAR(*set - *lastSet, 1440, 60);
      }
      if (rise) {
        EXPECT_LT(*rise, *set);
      }
      lastRise = rise;
      lastSet = set;
    }
  }
}

TEST(SunTimes, DateArgumentsAreTruncated) {
  EXPECT_EQ(computeSunTimes(31.78F, 35.22F, 2, 2007.9F, 9.8F, 22.7F),
            computeSunTimes(31.78F, 35.22F, 2, 2007, 9, 22));
}

TEST(SunTimes, InputsThatAreNotNumbersGiveDashes) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(computeSunTimes(nan, 35.22F, 2, 2007, 9, 22), "--:--/--:--");
  EXPECT_EQ(computeSunTimes(31.78F, nan, 2, 2007, 9, 22), "--:--/--:--");
  EXPECT_EQ(computeSunTimes(31.78F, 35.22F, std::nan(""), 2007, 9, 22), "--:--/--:--");
  EXPECT_TRUE(isSunTimesText(computeSunTimes(31.78F, 35.22F, 2, nan, nan, nan)));
}

TEST(SunTimes, HoursTextTruncatesMinutes) {
  struct Row {
    double hours;
    const char* expected;
  };
  const Row rows[] = {
      {0, "0:00"},
      {5.999, "5:59"},
      {17.99, "17:59"},
      {9.5, "9:30"},
      {std::nextafter(1.0, 0.0), "0:59"},
      {23.99999999999, "23:59"},
      {24, "24:00"},
      {-0.01, "--:--"},
      {24.01, "--:--"},
      {std::nan(""), "--:--"},
      {std::numeric_limits<double>::infinity(), "--:--"},
  };
  for (const Row& row : rows) EXPECT_EQ(hoursText(row.hours), row.expected) << row.hours;
}

// Everywhere on earth, every season, with fitting and unfitting offsets: either two times of the
// day or the dashes of a day without sunrise; never a negative number, NaN or minute 60.
TEST(SunTimes, EveryPlaceAndSeasonGivesTimesOfTheDay) {
  for (const int year : {1, 1600, 2007, 2500, 9999}) {
    CalendarDay date(1, 1, year, false, false);
    for (int week = 0; week < 52; ++week) {
      for (int step = 0; step < 7; ++step) date.nextDay();
      for (float latitude = -90; latitude <= 90; latitude += 2.5F) {
        for (float longitude = -180; longitude <= 180; longitude += 45) {
          const double fitting = std::round(longitude / 15);
          for (const double offset : {fitting, fitting + 12, fitting - 12}) {
            const std::string text = computeSunTimes(
                latitude, longitude, offset, static_cast<float>(year),
                static_cast<float>(date.gregorianMonth()), static_cast<float>(date.gregorianDay()));
            ASSERT_TRUE(isSunTimesText(text)) << text;
          }
        }
      }
    }
  }
}

// Day after day the times move by a minute or two, also on the days whose equation of time comes
// out near a whole day.
TEST(SunTimes, ConsecutiveDaysChangeSmoothly) {
  for (const int year : {1600, 2007, 2500}) {
    CalendarDay date(1, 1, year, false, false);
    std::optional<int> lastRise;
    std::optional<int> lastSet;
    for (; date.gregorianYear() == year; date.nextDay()) {
      const std::string text = computeSunTimes(31.78F, 35.22F, 2, static_cast<float>(year),
                                               static_cast<float>(date.gregorianMonth()),
                                               static_cast<float>(date.gregorianDay()));
      const std::size_t slash = text.find('/');
      const std::optional<int> rise = minutesOf(std::string_view(text).substr(0, slash));
      const std::optional<int> set = minutesOf(std::string_view(text).substr(slash + 1));
      ASSERT_TRUE(rise && set) << text;
      if (lastRise) {
        ASSERT_LE(std::abs(*rise - *lastRise), 2)
            << year << "-" << date.gregorianMonth() << "-" << date.gregorianDay() << " " << text;
        ASSERT_LE(std::abs(*set - *lastSet), 2)
            << year << "-" << date.gregorianMonth() << "-" << date.gregorianDay() << " " << text;
      }
      lastRise = rise;
      lastSet = set;
    }
  }
}

}  // namespace
}  // namespace tevorin
