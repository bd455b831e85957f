#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calendar/calendar_day.h"

namespace tevorin {

// The notification area refuses a tooltip of 64 characters or more; staying at 61 keeps clear of
// it.
inline constexpr std::size_t kMaxTrayTextLength = 61;

// "September 17, 2007 - 5 Tishri 5768": never longer than 36 characters.
std::string trayDateLine(const CalendarDay& day);

// The date line, one carriage return, the sun times, " @ " and the place's own name (the display
// text before its first comma); the date line alone when that would exceed kMaxTrayTextLength.
std::string trayText(const CalendarDay& day, std::string_view sunTimes,
                     std::string_view placeDisplayText);

// The whole text for a date and its sun times, by the diaspora rules and the Sephardi name forms.
std::string trayTextFor(const GregorianDate& date, std::string_view sunTimes,
                        std::string_view placeDisplayText);

// Characters, not bytes, of UTF-8 text: what the notification area counts.
std::size_t characterCount(std::string_view utf8);

}  // namespace tevorin
