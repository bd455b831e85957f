#include "views/month_text.h"

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

std::string dayDetailText(const CalendarDay& day, std::string_view sunTimes,
                          std::string_view placeName) {
  std::string text = " " + day.weekdayName() + ", " + day.gregorianMonthName() + " " +
                     integerText(day.gregorianDay()) + ", " + integerText(day.gregorianYear()) +
                     " - " + integerText(day.hebrewDay()) + " " + day.hebrewMonthName() + " " +
                     integerText(day.hebrewYear()) + " - Sunrise/Sunset: ";
  text += sunTimes;
  text += " - Location: ";
  text += placeName;
  return text;
}

}  // namespace tevorin
