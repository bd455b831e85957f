#include <charconv>
#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/cli_commands.h"
#include "app/cli_options.h"
#include "publish/html_writer.h"
#include "publish/publish_error.h"
#include "sun/location_list.h"
#include "sun/number_text.h"

namespace tevorin::cli {

namespace {

// The folder of the program file, where the place files and the portions page lie.
std::filesystem::path programDir() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

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

// The options of this command with their values; the rest goes to parseCommandLine.
struct HtmlOptions {
  std::optional<std::string_view> month;
  std::optional<std::string_view> year;
  std::optional<std::string_view> months;
  std::optional<std::string_view> out;
  std::optional<std::string_view> place;
  bool coordinates = false;
  std::vector<std::string_view> rest;
};

HtmlOptions separateOptions(std::span<const std::string_view> args) {
  HtmlOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    std::optional<std::string_view>* into = arg == "--month"    ? &options.month
                                            : arg == "--year"   ? &options.year
                                            : arg == "--months" ? &options.months
                                            : arg == "--out"    ? &options.out
                                            : arg == "--place"  ? &options.place
                                                                : nullptr;
    if (!into) {
      options.coordinates =
          options.coordinates || arg == "--lat" || arg == "--lon" || arg == "--utc";
      options.rest.push_back(arg);
      continue;
    }
    if (*into) throw UsageError(std::string(arg) + " is given twice");
    if (i + 1 == args.size()) throw UsageError(std::string(arg) + " needs a value after it");
    *into = args[++i];
  }
  return options;
}

std::string_view required(const std::optional<std::string_view>& value, std::string_view option) {
  if (!value) throw UsageError(std::string(option) + " is required");
  return *value;
}

// The place of the captions and sun times: a line of the place files, or the given numbers.
void choosePlace(const HtmlOptions& options, const DayOptions& numbers,
                 const std::filesystem::path& dir, HtmlCalendarRequest& request) {
  if (options.coordinates) {
    if (options.place) throw UsageError("--place and --lat, --lon, --utc exclude each other");
    request.place = numbers.place;
    request.placeName =
        numberText(numbers.place.latitude) + ", " + numberText(numbers.place.longitude);
    return;
  }
  LocationList list;
  loadLocationList(dir, list);
  const auto count = static_cast<int32_t>(list.names.size());
  const int32_t index =
      options.place ? wholeNumber("--place", *options.place, 0, count - 1) : kDefaultPlaceIndex;
  request.placeName = index < count ? list.names[index] : std::string();
  request.place = geoLocationAt(list, index);
}

}  // namespace

int runHtml(std::span<const std::string_view> args, std::ostream&, std::ostream& err) {
  try {
    const HtmlOptions options = separateOptions(args);
    const CommandLine line = parseCommandLine(options.rest);
    if (!line.operands.empty())
      throw UsageError("unexpected argument '" + std::string(line.operands.front()) + "'");
    HtmlCalendarRequest request;
    request.startMonth = wholeNumber("--month", required(options.month, "--month"), 1, 12);
    request.startYear =
        wholeNumber("--year", required(options.year, "--year"), std::numeric_limits<int32_t>::min(),
                    std::numeric_limits<int32_t>::max());
    const std::string_view months = required(options.months, "--months");
    wholeNumber("--months", months, 1, kMaxMonthCount);
    request.monthCountText = months;
    request.outputPath = required(options.out, "--out");
    request.inIsrael = line.options.inIsrael;
    request.ashkenaziNames = line.options.ashkenaziNames;
    request.programDir = programDir();
    choosePlace(options, line.options, request.programDir, request);

    const auto outcome =
        writeHtmlCalendar(request, [&err](std::string_view text) { err << text << '\n'; });
    return outcome == HtmlRunOutcome::Written ? 0 : 1;
  } catch (const UsageError& error) {
    err << "tevorin-cli html: " << error.what() << '\n';
    return 2;
  } catch (const std::exception& error) {
    // The place files, the output file, the portions page.
    err << "tevorin-cli html: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace tevorin::cli
