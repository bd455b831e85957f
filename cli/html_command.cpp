#include <charconv>
#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "common/number_text.h"
#include "publish/html_writer.h"

namespace tevorin::cli {

namespace {

int32_t wholeNumber(std::string_view option, std::string_view text, int32_t low, int32_t high) {
  int32_t value = 0;
  try {
    value = parseInteger(text);
  } catch (const ConversionError& error) {
    throw UsageError(std::string(option) + ": " + error.what());
  }
  if (value < low || value > high) {
    throw UsageError(std::string(option) + ": '" + std::string(text) + "' is outside " +
                     std::to_string(low) + ".." + std::to_string(high));
  }
  return value;
}

// Shortest text that reads back as the same number, "." whatever the locale.
std::string numberText(double value) {
  char digits[32];
  return {digits, std::to_chars(digits, digits + sizeof digits, value).ptr};
}

std::string_view required(const OptionValues& options, std::string_view option) {
  const auto value = options.value(option);
  if (!value) throw UsageError(std::string(option) + " is required");
  return *value;
}

// The place of the captions and sun times: a line of the place files, or the given numbers.
NamedPlace choosePlace(const OptionValues& options, const CommandLine& line) {
  const auto index = options.value("--place");
  if (!line.placeNumbersGiven) return placeFromFiles(index);
  if (index) throw UsageError("--place and --lat, --lon, --utc exclude each other");
  const GeoLocation& numbers = line.options.place;
  return {numbers, numberText(numbers.latitude) + ", " + numberText(numbers.longitude)};
}

}  // namespace

int runHtml(std::span<const std::string_view> args, std::ostream&, std::ostream& err) {
  const OptionValues options =
      takeOptionValues(args, {"--month", "--year", "--months", "--out", "--place"});
  const CommandLine line = parseCommandLine(options.rest);
  refuseOperands(line);
  HtmlCalendarRequest request;
  request.startMonth = wholeNumber("--month", required(options, "--month"), 1, 12);
  request.startYear =
      wholeNumber("--year", required(options, "--year"), std::numeric_limits<int32_t>::min(),
                  std::numeric_limits<int32_t>::max());
  const std::string_view months = required(options, "--months");
  wholeNumber("--months", months, 1, kMaxMonthCount);
  request.monthCountText = months;
  request.outputPath = required(options, "--out");
  request.inIsrael = line.options.inIsrael;
  request.ashkenaziNames = line.options.ashkenaziNames;
  request.programDir = dataDir();
  const NamedPlace place = choosePlace(options, line);
  request.place = place.numbers;
  request.placeName = place.displayText;

  const auto outcome =
      writeHtmlCalendar(request, [&err](std::string_view text) { err << text << '\n'; });
  return outcome == HtmlRunOutcome::Written ? 0 : 1;
}

}  // namespace tevorin::cli
