#include "cli/month_run_arguments.h"

#include <algorithm>
#include <limits>
#include <string>

#include "common/number_text.h"
#include "publish/month_run.h"

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

std::string_view required(const OptionValues& options, std::string_view option) {
  const auto value = options.value(option);
  if (!value) throw UsageError(std::string(option) + " is required");
  return *value;
}

// The place of the captions and sun times: a line of the place files, or the given numbers.
NamedPlace choosePlace(const OptionValues& options, const CommandLine& line) {
  const auto index = placeIndexOption(options, line);
  if (!line.placeNumbersGiven) return placeFromFiles(index);
  const GeoLocation& numbers = line.options.place;
  return {numbers, decimalText(numbers.latitude) + ", " + decimalText(numbers.longitude)};
}

}  // namespace

bool MonthRunArguments::given(std::string_view flag) const {
  return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

MonthRunArguments parseMonthRunArguments(std::span<const std::string_view> args,
                                         std::initializer_list<std::string_view> ownFlags) {
  const OptionValues options =
      takeOptionValues(args, {"--month", "--year", "--months", "--out", "--place"});
  MonthRunArguments run;
  // Taken after the values, so that a flag can be the value of an option, as a path may be.
  std::vector<std::string_view> rest;
  for (const std::string_view arg : options.rest) {
    if (std::find(ownFlags.begin(), ownFlags.end(), arg) == ownFlags.end()) {
      rest.push_back(arg);
    } else if (run.given(arg)) {
      throw UsageError(std::string(arg) + " is given twice");
    } else {
      run.flags.push_back(arg);
    }
  }
  const CommandLine line = parseCommandLine(rest);
  refuseOperands(line);
  MonthRun& months = run.months;
  months.startMonth = wholeNumber("--month", required(options, "--month"), 1, 12);
  months.startYear =
      wholeNumber("--year", required(options, "--year"), std::numeric_limits<int32_t>::min(),
                  std::numeric_limits<int32_t>::max());
  months.monthCountText = required(options, "--months");
  wholeNumber("--months", months.monthCountText, 1, kMaxMonthCount);
  run.outputPath = required(options, "--out");
  months.inIsrael = line.options.inIsrael;
  months.ashkenaziNames = line.options.ashkenaziNames;
  const NamedPlace place = choosePlace(options, line);
  months.place = place.numbers;
  months.placeName = place.displayText;
  return run;
}

}  // namespace tevorin::cli
