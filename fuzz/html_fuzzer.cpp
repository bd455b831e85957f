// The HTML writer for any start month and year, any month count the callers let through and any
// place text: a document is whole, has one table per month, and shows the place text as text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "fuzz/fuzz_support.h"
#include "publish/html_writer.h"

namespace {

std::string escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out += c;
  }
  return out;
}

// A place file's line: any bytes but a line end.
std::string placeLine(std::string text) {
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  return text;
}

std::size_t occurrences(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const auto& dir = tevorin::fuzz::scratchFolder();
  static const bool pagePut = [&] {
    std::ofstream(dir / "Parsh.htm", std::ios::binary) << "<HTML>portions</HTML>\r\n";
    return true;
  }();
  (void)pagePut;

  tevorin::HtmlCalendarRequest request;
  request.startMonth = in.ConsumeIntegral<int32_t>();
  request.startYear = in.ConsumeIntegral<int32_t>();
  request.monthCountText = in.ConsumeRandomLengthString(16);
  request.placeName = placeLine(in.ConsumeRandomLengthString(256));
  request.place = {tevorin::fuzz::placeNumber(in), tevorin::fuzz::placeNumber(in),
                   tevorin::fuzz::placeNumber(in)};
  request.inIsrael = in.ConsumeBool();
  request.ashkenaziNames = in.ConsumeBool();
  request.outputPath = (dir / "calendar.html").string();
  request.programDir = dir;

  int32_t count = 0;
  try {
    count = tevorin::parseInteger(request.monthCountText);
  } catch (const tevorin::ConversionError&) {
  }
  // The Generate page and the command line let no more through.
  if (count > tevorin::kMaxMonthCount) return 0;

  std::vector<std::string> log;
  tevorin::RunOutcome outcome;
  try {
    outcome =
        tevorin::writeHtmlCalendar(request, [&](std::string_view line) { log.emplace_back(line); });
  } catch (const tevorin::ConversionError&) {
    return 0;  // a count that is no number
  } catch (const std::invalid_argument&) {
    FUZZ_CHECK(request.startMonth < 1 || request.startMonth > 12);
    return 0;
  }
  if (outcome == tevorin::RunOutcome::Refused) {
    FUZZ_CHECK(log.size() == 1 && log[0] == "Year out of range");
    return 0;
  }

  std::ifstream file(dir / "calendar.html", std::ios::binary);
  const std::string document{std::istreambuf_iterator<char>(file),
                             std::istreambuf_iterator<char>()};
  const std::size_t tables = count > 0 ? static_cast<std::size_t>(count) : 0;
  FUZZ_CHECK(document.starts_with("<HTML>\r\n<HEAD>\r\n"));
  FUZZ_CHECK(document.ends_with("</HTML>\r\n"));
  FUZZ_CHECK(occurrences(document, "<CAPTION><BIG>") == tables);
  FUZZ_CHECK(occurrences(document, ") - " + escaped(request.placeName) + "</BIG></CAPTION>\r\n") ==
             tables);
  FUZZ_CHECK(occurrences(document, "\n") == occurrences(document, "\r\n"));
  FUZZ_CHECK(log.size() == tables + 2 && log.front() == "Starting to generate..." &&
             log.back() == "Generating process done");
  return 0;
}
