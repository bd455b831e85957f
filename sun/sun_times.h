#pragma once

// Sunrise and sunset in a place's standard time, by the low-precision solar formulas of the
// Astronomical Almanac; about a minute's precision, elevation ignored.

#include <cstdint>
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

// One time of day as "h:mm": hours without a leading zero, minutes truncated toward zero (5.999
// gives "5:59"). Hours outside 0 to 24, or not a number, give "--:--".
std::string hoursText(double hours);

}  // namespace tevorin
