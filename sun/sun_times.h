#pragma once

// Sunrise and sunset in a place's standard time, by the low-precision solar formulas of the
// Astronomical Almanac; about a minute's precision, elevation ignored.

#include <cstdint>
#include <optional>
#include <string>

#include "sun/location_list.h"

namespace tevorin {

// The sun-times text of a day without sunrise, or of a place that could not be read.
inline constexpr char kNoSunTimes[] = "--:--/--:--";

// Sunrise and sunset in the place's standard time as "h:mm/h:mm", e.g. "6:03/18:03"; kNoSunTimes
// when the sun does not rise. Year, month and day are truncated toward zero on entry.
std::string computeSunTimes(float latitude, float longitude, double utcOffset, float year,
                            float month, float day);

// computeSunTimes for a place and a Gregorian date, narrowed to the routine's argument types.
std::string sunTimesAt(const GeoLocation& place, int32_t year, int32_t month, int32_t day);

// A time as the program shows it, h:mm in the place's standard time, and the day it falls on
// counted from the date asked for: 1 for a sunset after midnight, -1 for a sunrise before it.
struct ShownTime {
  int32_t dayShift = 0;
  int32_t hours = 0;    // 0..24
  int32_t minutes = 0;  // 0..59
};

struct SunEvents {
  ShownTime rise;
  ShownTime set;
};

// The minutes sunTimesAt shows, each on the day it falls on; none when the sun stays below the
// horizon all day or above it (the times shown then are no sunrise and sunset), and none for
// numbers that are no place (latitude beyond 90 degrees, longitude beyond 360, an offset of more
// than 24 hours).
std::optional<SunEvents> sunEventsAt(const GeoLocation& place, int32_t year, int32_t month,
                                     int32_t day);

// One time of day as "h:mm": hours without a leading zero, minutes truncated toward zero (5.999
// gives "5:59"). Hours outside 0 to 24, or not a number, give "--:--".
std::string hoursText(double hours);

}  // namespace tevorin
