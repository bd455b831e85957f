#pragma once

#include <string>
#include <string_view>

#include "calendar/calendar_day.h"

namespace tevorin {

// "March 2007": the month page's Gregorian header.
std::string monthHeaderText(const CalendarDay& day);

// "Adar-Nisan 5767", "Elul-Tishri 5767-5768": the Hebrew months and years from the first to the
// last day of the shown month, each named once when it does not change.
std::string hebrewHeaderText(const CalendarDay& firstDay, const CalendarDay& lastDay);

// "Adar 11": the Hebrew date line of a day box.
std::string boxHebrewDateText(const CalendarDay& day);

// " Saturday, March 3, 2007 - 13 Adar 5767 - Sunrise/Sunset: 6:06/17:36 - Location: Jerusalem,
// Israel": a day's detail line, as the message bar shows it.
std::string dayDetailText(const CalendarDay& day, std::string_view sunTimes,
                          std::string_view placeName);

// "Sunday, March 4, 2007 - 14 Adar 5767 - Purim - Sunrise/Sunset: 5:56/17:41 - Location:
// Jerusalem, Israel": all that a day box says, read aloud by a screen reader; the holiday and the
// Omer count come after the dates when the day has them.
std::string daySpokenText(const CalendarDay& day, std::string_view sunTimes,
                          std::string_view placeName);

// "February 2007, Shevat-Adar 5767": the grid of the month, read aloud.
std::string monthSpokenText(const CalendarDay& firstDay, const CalendarDay& lastDay);

}  // namespace tevorin
