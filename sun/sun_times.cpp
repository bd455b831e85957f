// Sunrise and sunset from the sun's position at noon Universal Time, by the low-precision formulas
// of the Astronomical Almanac (section C: the sun's coordinates to about 0.01 degree for 1950-2050,
// and still within a minute or two of the horizon crossing centuries away), with one correction
// for the sun's radius and refraction. Elevation and daylight saving are ignored.
#include "sun/sun_times.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

namespace tevorin {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kRad = kPi * (1.0 / 180);
// Sunrise is the moment the sun's upper edge meets the horizon: half its apparent diameter plus the
// refraction there (34 arc minutes), in degrees.
constexpr double kSunDiameter = 0.53;
constexpr double kRefraction = 0.5666666666666667;
constexpr double kHourAngleClamp = 0.99999;

// Whole days of the calendar date; years far outside any calendar are held where the day count
// cannot overflow, and a value that is not a number counts as 0.
int32_t truncatedWhole(float value) {
  if (!(std::fabs(value) < 1e6F)) return std::isnan(value) ? 0 : (value < 0 ? -999999 : 999999);
  return static_cast<int32_t>(value);
}

// Angle reduced to [0, 2 pi).
double reduce(double x) {
  const double turns = 0.5 * x / kPi;
  double r = (turns - std::trunc(turns)) * 2 * kPi;
  if (r < 0) r += 2 * kPi;
  return r;
}

// A time past midnight loses a day, once, and one before midnight gains a day; an offset that does
// not belong to the longitude can push a time further, and it is brought into the day in whole
// days.
double wrapHours(double t) {
  if (t > 24) t -= 24;
  if (t >= 0 && t <= 24) return t;
  t = std::fmod(t, 24.0);
  return t < 0 ? t + 24 : t;
}

// The minute a time of day shows, or none outside 0 to 24 hours.
std::optional<ShownTime> shownTimeOf(double hours) {
  if (!(hours >= 0 && hours <= 24)) return std::nullopt;
  const auto whole = static_cast<int32_t>(hours);
  // (hours - whole) * 60 can round up to 60 for a fraction just below one.
  const int32_t minutes = std::min(59, static_cast<int32_t>((hours - whole) * 60));
  return ShownTime{0, whole, minutes};
}

// Writes hoursText(hours) at out; returns the end of the text.
char* writeHours(char* out, double hours) {
  const auto shown = shownTimeOf(hours);
  if (!shown) {
    std::memcpy(out, "--:--", 5);
    return out + 5;
  }
  out = std::to_chars(out, out + 2, shown->hours).ptr;
  *out++ = ':';
  *out++ = static_cast<char>('0' + shown->minutes / 10);
  *out++ = static_cast<char>('0' + shown->minutes % 10);
  return out;
}

// Rise and set in hours of standard time from the date's midnight, before they are brought into
// the day; none when the sun stays below the horizon (or an input is not a number).
struct SunHours {
  double rise;
  double set;
  bool staysUp;  // rise and set are then noon less and plus twelve hours
  // The equation of time came out near a whole day (around 21 September): both times are a day
  // late before the wrap brings them back.
  bool dayLate;
};

std::optional<SunHours> sunHours(float latitude, float longitude, double utcOffset, float year,
                                 float month, float day) {
  const int32_t y = truncatedWhole(year);
  const int32_t m = truncatedWhole(month);
  const int32_t dd = truncatedWhole(day);
  const int32_t n = (-7 * (y + (m + 9) / 12)) / 4 + (275 * m) / 9 + dd + 367 * y;
  // Days from 1 January 2000, always at noon Universal Time.
  const double d = n - 730531.5 + 12 * (1.0 / 24);

  // The sun's mean longitude (corrected for aberration) and mean anomaly at 1 January 2000 noon,
  // and the degrees each moves in a day.
  const double meanLongitude = reduce(280.461 * kRad + 0.9856474 * kRad * d);
  const double meanAnomaly = reduce(357.528 * kRad + 0.9856003 * kRad * d);
  // The equation of the centre of the earth's orbit, its eccentricity in two terms.
  const double eclipticLongitude = reduce(meanLongitude + 1.915 * kRad * std::sin(meanAnomaly) +
                                          0.02 * kRad * std::sin(2 * meanAnomaly));
  // The tilt of the earth's axis in 2000, shrinking by 0.47 arc seconds a year.
  const double obliquity = 23.439 * kRad - 0.0000004 * kRad * d;

  const double rightAscension =
      std::atan2(std::cos(obliquity) * std::sin(eclipticLongitude), std::cos(eclipticLongitude));
  const double declination = std::asin(std::sin(obliquity) * std::sin(eclipticLongitude));

  // Equation of time in minutes.
  double delta = meanLongitude - rightAscension;
  if (meanLongitude < kPi) delta += 2 * kPi;
  const double equationOfTime = (1 - delta / kPi * 0.5) * 1440;

  double altitude = (0.5 * kSunDiameter + kRefraction) * kRad;
  if (latitude < 0) altitude = -altitude;
  double x = std::tan(declination + altitude) * std::tan(latitude * kRad);
  const bool staysUp = x > kHourAngleClamp;
  if (staysUp) x = 1;
  // Below -1 the sun stays under the horizon all day (a value that is not a number as well).
  if (!(x >= -1)) return std::nullopt;
  const double halfDay = std::asin(x) + kPi * 0.5;

  // Term by term in this order: another order could move a shown minute.
  const double rise =
      12 - 12 * halfDay / kPi + utcOffset - longitude * (1.0 / 15) + equationOfTime * (1.0 / 60);
  const double set =
      12 + 12 * halfDay / kPi + utcOffset - longitude * (1.0 / 15) + equationOfTime * (1.0 / 60);
  return SunHours{rise, set, staysUp, equationOfTime > 720};
}

// The shown minute of a time and the day it falls on, counted from the date asked for.
std::optional<ShownTime> shownEvent(double hours, bool dayLate) {
  const double wrapped = wrapHours(hours);
  auto shown = shownTimeOf(wrapped);
  if (shown)
    shown->dayShift = static_cast<int32_t>(std::lround((hours - wrapped) / 24)) - (dayLate ? 1 : 0);
  return shown;
}

}  // namespace

std::string computeSunTimes(float latitude, float longitude, double utcOffset, float year,
                            float month, float day) {
  const auto hours = sunHours(latitude, longitude, utcOffset, year, month, day);
  if (!hours) return kNoSunTimes;
  char text[16];
  char* end = writeHours(text, wrapHours(hours->rise));
  *end++ = '/';
  end = writeHours(end, wrapHours(hours->set));
  return std::string(text, end);
}

std::string sunTimesAt(const GeoLocation& place, int32_t year, int32_t month, int32_t day) {
  return computeSunTimes(static_cast<float>(place.latitude), static_cast<float>(place.longitude),
                         place.utcOffset, static_cast<float>(year), static_cast<float>(month),
                         static_cast<float>(day));
}

std::optional<SunEvents> sunEventsAt(const GeoLocation& place, int32_t year, int32_t month,
                                     int32_t day) {
  // Numbers that are no place on earth (an edited place file) give no moments to name; within
  // these the times stay a few days from the date.
  if (!(std::fabs(place.latitude) <= 90 && std::fabs(place.longitude) <= 360 &&
        std::fabs(place.utcOffset) <= 24))
    return std::nullopt;
  const auto hours = sunHours(
      static_cast<float>(place.latitude), static_cast<float>(place.longitude), place.utcOffset,
      static_cast<float>(year), static_cast<float>(month), static_cast<float>(day));
  if (!hours || hours->staysUp) return std::nullopt;
  const auto rise = shownEvent(hours->rise, hours->dayLate);
  const auto set = shownEvent(hours->set, hours->dayLate);
  if (!rise || !set) return std::nullopt;
  return SunEvents{*rise, *set};
}

std::string hoursText(double hours) {
  char text[8];
  return std::string(text, writeHours(text, hours));
}

}  // namespace tevorin
