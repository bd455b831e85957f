#include "views/month_text.h"

#include "calendar/holidays.h"
#include "calendar/omer.h"
#include "common/number_text.h"

namespace tevorin {

std::string monthHeaderText(const CalendarDay& day) {
  return day.gregorianMonthName() + " " + integerText(day.gregorianYear());
}

std::string hebrewHeaderText(const CalendarDay& firstDay, const CalendarDay& lastDay) {
  std::string text = firstDay.hebrewMonthName();
  if (lastDay.hebrewMonthName() != text) text += "-" + lastDay.hebrewMonthName();
  text += " " + integerText(firstDay.hebrewYear());
  if (lastDay.hebrewYear() != firstDay.hebrewYear())
    text += "-" + integerText(lastDay.hebrewYear());
  return text;
}

std::string boxHebrewDateText(const CalendarDay& day) {
  return day.hebrewMonthName() + " " + integerText(day.hebrewDay());
}

namespace {

// "Saturday, March 3, 2007 - 13 Adar 5767".
std::string datesText(const CalendarDay& day) {
  return day.weekdayName() + ", " + day.gregorianMonthName() + " " +
         integerText(day.gregorianDay()) + ", " + integerText(day.gregorianYear()) + " - " +
         integerText(day.hebrewDay()) + " " + day.hebrewMonthName() + " " +
         integerText(day.hebrewYear());
}

std::string sunAndPlaceText(std::string_view sunTimes, std::string_view placeName) {
  std::string text = " - Sunrise/Sunset: ";
  text += sunTimes;
  text += " - Location: ";
  text += placeName;
  return text;
}

}  // namespace

std::string dayDetailText(const CalendarDay& day, std::string_view sunTimes,
                          std::string_view placeName) {
  return " " + datesText(day) + sunAndPlaceText(sunTimes, placeName);
}

std::string daySpokenText(const CalendarDay& day, std::string_view sunTimes,
                          std::string_view placeName) {
  std::string text = datesText(day);
  if (const auto holiday = holidayName(day)) {
    text += " - ";
    text += *holiday;
  }
  if (omerDay(day) != 0) text += " - " + omerText(day);
  return text + sunAndPlaceText(sunTimes, placeName);
}

std::string monthSpokenText(const CalendarDay& firstDay, const CalendarDay& lastDay) {
  return monthHeaderText(firstDay) + ", " + hebrewHeaderText(firstDay, lastDay);
}

}  // namespace tevorin
