#pragma once

#include <string>

namespace tevorin {

// Sunrise and sunset in the place's standard time as "h:mm/h:mm", e.g. "6:03/18:03"; "--:--/--:--"
// when the sun does not rise. Year, month and day are truncated toward zero on entry.
std::string computeSunTimes(float latitude, float longitude, double utcOffset, float year,
                            float month, float day);

// One time of day as "h:mm": hours without a leading zero, minutes truncated toward zero (5.999
// gives "5:59"). Hours outside 0 to 24, or not a number, give "--:--".
std::string hoursText(double hours);

}  // namespace tevorin
