// The count of the Omer: the 49 days from the second day of Pesach (16 Nisan) to the eve of
// Shavuot (Leviticus 23:15-16), 33rd day named Lag B'Omer.
#include "calendar/omer.h"

namespace tevorin {

int32_t omerDay(const CalendarDay& day) {
  const int32_t d = day.hebrewDay();
  switch (day.hebrewMonth()) {
    case Nisan:
      return d >= 16 ? d - 15 : 0;
    case Iyar:
      return d + 15;
    case Sivan:
      return d <= 5 ? d + 44 : 0;
    default:
      return 0;
  }
}

std::string omerText(const CalendarDay& day) {
  const int32_t count = omerDay(day);
  if (count == 0) return {};
  if (count == 33) return "Lag B'Omer";
  return "Omer " + std::to_string(count);
}

}  // namespace tevorin
