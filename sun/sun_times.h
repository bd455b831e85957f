#pragma once

#include <string>

namespace tevorin {

// Sunrise and sunset in the place's standard time as "h:mm/h:mm", e.g. "6:03/18:03"; "--:--/--:--"
// when the sun does not rise. Year, month and day are truncated toward zero on entry.
std::string computeSunTimes(float latitude, float longitude, double utcOffset, float year, float month,
                            float day);

}  // namespace tevorin
