#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "publish/ics_writer.h"
#include "tests/support/scratch_folder.h"

namespace {

// The page's limit of 1000 months with holidays, portions and the Omer, and ten years with the
// sun times as well, each written into a file.
void BM_WriteIcsCalendar(benchmark::State& state) {
  const tevorin::testing::ScratchFolder scratch;
  const std::filesystem::path& folder = scratch.path();
  const auto path = folder / "calendar.ics";

  tevorin::IcsCalendarRequest request;
  request.startMonth = 1;
  request.startYear = 2007;
  request.monthCountText = std::to_string(state.range(0));
  request.placeName = "New York, United States";
  request.place = {40.6943, -73.9249, -5};
  request.kinds.sunTimes = state.range(1) != 0;
  for (auto _ : state)
    tevorin::writeIcsCalendarFile(request, path.string(), folder, [](std::string_view) {});
  state.counters["bytes"] = double(std::filesystem::file_size(path));
}
BENCHMARK(BM_WriteIcsCalendar)
    ->ArgNames({"months", "sun"})
    ->Args({12, 0})
    ->Args({1000, 0})
    ->Args({120, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
