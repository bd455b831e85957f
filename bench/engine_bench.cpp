// Costs of the engine's operations as the views use them: one day built per month or document,
// then stepped; sun times once per day shown.
#include <benchmark/benchmark.h>

#include "calendar/calendar_day.h"
#include "calendar/holidays.h"
#include "calendar/omer.h"
#include "calendar/portions.h"
#include "sun/sun_times.h"

namespace tevorin {
namespace {

// The month walks through the span so no single year's cost hides the others.
int32_t spanYear(int64_t i) {
  return 1600 + static_cast<int32_t>(i % 901);
}
int32_t spanMonth(int64_t i) {
  return 1 + static_cast<int32_t>(i % 12);
}

void constructCalendarDay(benchmark::State& state) {
  int64_t i = 0;
  for (auto _ : state) {
    CalendarDay day(spanMonth(i), 1, spanYear(i), false, false);
    benchmark::DoNotOptimize(day);
    ++i;
  }
}
BENCHMARK(constructCalendarDay);

void setGregorian(benchmark::State& state) {
  CalendarDay day(1, 1, 2000, false, false);
  int64_t i = 0;
  for (auto _ : state) {
    day.setGregorian(spanMonth(i), 15, spanYear(i));
    benchmark::DoNotOptimize(day);
    ++i;
  }
}
BENCHMARK(setGregorian);

void nextDayForAYear(benchmark::State& state) {
  CalendarDay day(1, 1, 2000, false, false);
  for (auto _ : state) {
    for (int step = 0; step < 365; ++step) day.nextDay();
    benchmark::DoNotOptimize(day);
    day.setGregorian(1, 1, 2000);
  }
}
BENCHMARK(nextDayForAYear);

void computeSunTimesOnce(benchmark::State& state) {
  int64_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(computeSunTimes(31.78F, 35.22F, 2, static_cast<float>(spanYear(i)),
                                             static_cast<float>(spanMonth(i)), 15));
    ++i;
  }
}
BENCHMARK(computeSunTimesOnce);

// Everything a day cell asks of the engine, over a year of days.
void dayTextsForAYear(benchmark::State& state) {
  for (auto _ : state) {
    CalendarDay day(1, 1, 2007, false, false);
    for (int step = 0; step < 365; ++step, day.nextDay()) {
      benchmark::DoNotOptimize(holidayName(day));
      benchmark::DoNotOptimize(omerText(day));
      benchmark::DoNotOptimize(weeklyPortion(day));
    }
  }
}
BENCHMARK(dayTextsForAYear);

}  // namespace
}  // namespace tevorin
