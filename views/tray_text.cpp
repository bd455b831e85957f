#include "views/tray_text.h"

#include "common/number_text.h"
#include "sun/location_list.h"

namespace tevorin {

std::string trayDateLine(const CalendarDay& day) {
  return day.gregorianMonthName() + " " + integerText(day.gregorianDay()) + ", " +
         integerText(day.gregorianYear()) + " - " + integerText(day.hebrewDay()) + " " +
         day.hebrewMonthName() + " " + integerText(day.hebrewYear());
}

std::string trayText(const CalendarDay& day, std::string_view sunTimes,
                     std::string_view placeDisplayText) {
  std::string dateLine = trayDateLine(day);
  std::string full = dateLine + '\r';
  full += sunTimes;
  full += " @ ";
  full += placeOwnName(placeDisplayText);
  return characterCount(full) <= kMaxTrayTextLength ? full : dateLine;
}

std::string trayTextFor(const GregorianDate& date, std::string_view sunTimes,
                        std::string_view placeDisplayText) {
  const CalendarDay day(date.month, date.day, date.year, /*ashkenaziNames=*/false,
                        /*inIsrael=*/false);
  return trayText(day, sunTimes, placeDisplayText);
}

std::size_t characterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char byte : utf8)
    if ((byte & 0xC0) != 0x80) ++count;
  return count;
}

}  // namespace tevorin
