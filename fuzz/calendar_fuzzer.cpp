// The calendar day from any 32-bit arguments: every setter leaves a day whose fields agree, and a
// walk of any length in either direction ends on the day a fresh conversion gives.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "calendar/calendar_day.h"
#include "calendar/holidays.h"
#include "calendar/omer.h"
#include "calendar/portions.h"
#include "fuzz/fuzz_support.h"

namespace {

using tevorin::CalendarDay;

bool sameDay(const CalendarDay& a, const CalendarDay& b) {
  return a.gregorianYear() == b.gregorianYear() && a.gregorianMonth() == b.gregorianMonth() &&
         a.gregorianDay() == b.gregorianDay() && a.hebrewYear() == b.hebrewYear() &&
         a.hebrewMonth() == b.hebrewMonth() && a.hebrewDay() == b.hebrewDay() &&
         a.dayOfWeek() == b.dayOfWeek() && a.absoluteDay() == b.absoluteDay();
}

// The day as its Gregorian date and as its Hebrew date, converted afresh; the texts of the day.
void checkDay(const CalendarDay& day) {
  FUZZ_CHECK(day.gregorianYear() >= tevorin::kMinSafeYear &&
             day.gregorianYear() <= tevorin::kMaxSafeYear);
  FUZZ_CHECK(day.gregorianMonth() >= 1 && day.gregorianMonth() <= 12);
  FUZZ_CHECK(day.gregorianDay() >= 1 &&
             day.gregorianDay() <= day.gregorianMonthLength(day.gregorianMonth()));
  FUZZ_CHECK(day.hebrewMonth() >= 1 && day.hebrewMonth() <= day.monthsInHebrewYear());
  FUZZ_CHECK(day.hebrewDay() >= 1 && day.hebrewDay() <= day.hebrewMonthLength(day.hebrewMonth()));
  FUZZ_CHECK(day.dayOfWeek() == tevorin::weekdayOf(day.absoluteDay()));

  const CalendarDay gregorian(day.gregorianMonth(), day.gregorianDay(), day.gregorianYear(),
                              day.ashkenaziNames(), day.inIsrael());
  FUZZ_CHECK(sameDay(gregorian, day));
  CalendarDay hebrew = gregorian;
  hebrew.setHebrew(day.hebrewMonth(), day.hebrewDay(), day.hebrewYear());
  FUZZ_CHECK(sameDay(hebrew, day));

  const int32_t omer = tevorin::omerDay(day);
  FUZZ_CHECK(omer >= 0 && omer <= 49);
  FUZZ_CHECK(tevorin::omerText(day).empty() == (omer == 0));
  if (const auto name = tevorin::holidayName(day)) FUZZ_CHECK(!name->empty());
  if (const auto portion = tevorin::weeklyPortion(day)) {
    FUZZ_CHECK(day.dayOfWeek() == tevorin::Saturday && !portion->empty());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const bool ashkenaziNames = in.ConsumeBool();
  const bool inIsrael = in.ConsumeBool();
  const auto month = in.ConsumeIntegral<int32_t>();
  const auto day = in.ConsumeIntegral<int32_t>();
  const auto year = in.ConsumeIntegral<int32_t>();
  CalendarDay cursor(month, day, year, ashkenaziNames, inIsrael);
  checkDay(cursor);

  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange(0, 2)) {
      case 0: {
        const auto m = in.ConsumeIntegral<int32_t>();
        const auto d = in.ConsumeIntegral<int32_t>();
        const auto y = in.ConsumeIntegral<int32_t>();
        cursor.setGregorian(m, d, y);
        // A date of the safe years is taken as it is.
        if (y >= tevorin::kMinSafeYear && y <= tevorin::kMaxSafeYear && m >= 1 && m <= 12 &&
            d >= 1 && d <= tevorin::daysInGregorianMonth(m, y)) {
          FUZZ_CHECK(cursor.gregorianYear() == y && cursor.gregorianMonth() == m &&
                     cursor.gregorianDay() == d);
        }
        break;
      }
      case 1:
        cursor.setHebrew(in.ConsumeIntegral<int32_t>(), in.ConsumeIntegral<int32_t>(),
                         in.ConsumeIntegral<int32_t>());
        break;
      default: {
        // A walk stays within the safe years, as every caller's does.
        const int32_t steps = in.ConsumeIntegralInRange(-1000, 1000);
        const tevorin::AbsoluteDay target = cursor.absoluteDay() + steps;
        const CalendarDay first(1, 1, tevorin::kMinSafeYear, false, false);
        const CalendarDay last(12, 31, tevorin::kMaxSafeYear, false, false);
        if (target < first.absoluteDay() || target > last.absoluteDay()) break;
        for (int32_t i = 0; i < steps; ++i) cursor.nextDay();
        for (int32_t i = 0; i > steps; --i) cursor.previousDay();
        FUZZ_CHECK(cursor.absoluteDay() == target);
        break;
      }
    }
    checkDay(cursor);
  }
  return 0;
}
