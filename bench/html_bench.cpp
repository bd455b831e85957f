#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "publish/html_writer.h"
#include "tests/support/scratch_folder.h"

namespace {

// A run the size of the page's limit: 1000 months, one document and its portions page.
void BM_WriteHtmlCalendar(benchmark::State& state) {
  const tevorin::testing::ScratchFolder scratch;
  const std::filesystem::path& folder = scratch.path();
  tevorin::testing::writeFile(folder / "Parsh.htm", "<HTML></HTML>\r\n");

  tevorin::HtmlCalendarRequest request;
  request.startMonth = 1;
  request.startYear = 2007;
  request.monthCountText = std::to_string(state.range(0));
  request.outputPath = (folder / "calendar.html").string();
  request.placeName = "Jerusalem, Israel";
  request.place = {31.78, 35.22, 2};
  request.programDir = folder;
  for (auto _ : state) tevorin::writeHtmlCalendar(request, [](std::string_view) {});
  state.counters["bytes"] = double(std::filesystem::file_size(folder / "calendar.html"));
}
BENCHMARK(BM_WriteHtmlCalendar)->Arg(12)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
