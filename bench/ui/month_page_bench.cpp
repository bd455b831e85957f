// One showMonth on the offscreen page: with a yield that does nothing, and with the yield the
// window uses (processing pending events, which repaints the page as it is built).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <exception>
#include <iostream>

#include "app/shell/window_services.h"
#include "sun/location_list.h"
#include "views/month_page.h"

namespace tevorin {
namespace {

LocationList places;

WindowServices servicesYielding(std::function<void()> yield) {
  WindowServices services;
  services.placeName = [] { return places.names[kDefaultPlaceIndex]; };
  services.hasPlace = [] { return true; };
  services.placeGeoLocation = [] { return geoLocationAt(places, kDefaultPlaceIndex); };
  services.currentPage = [] { return 0; };
  services.yield = std::move(yield);
  return services;
}

void renderMonths(benchmark::State& state, std::function<void()> yield) {
  const WindowServices services = servicesYielding(std::move(yield));
  MonthPage page(services);
  page.resize(662, 503);
  page.show();
  QApplication::processEvents();
  // Alternate two months so that every render changes every box.
  int32_t month = 3;
  for (auto _ : state) {
    page.showMonth(month, 2007, false, false);
    month = month == 3 ? 9 : 3;
  }
}

void ShowMonthNoYield(benchmark::State& state) {
  renderMonths(state, [] {});
}

void ShowMonthProcessEvents(benchmark::State& state) {
  renderMonths(state, [] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
}

// Each repetition is one render, so the median is that of single renders.
BENCHMARK(ShowMonthNoYield)
    ->Iterations(1)
    ->Repetitions(101)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ShowMonthProcessEvents)
    ->Iterations(1)
    ->Repetitions(101)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tevorin

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  try {
    tevorin::loadLocationList(QApplication::applicationDirPath().toStdString(), tevorin::places);
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
