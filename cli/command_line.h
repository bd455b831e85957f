#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar_day.h"
#include "sun/location_list.h"

namespace tevorin::cli {

// A command line that cannot be followed; what() is the one line the user sees.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads YYYY-MM-DD; the date must exist and its year lie within kMinSafeYear..kMaxSafeYear.
// Throws UsageError.
GregorianDate parseIsoDate(std::string_view text);

// Writes YYYY-MM-DD, the year in at least four digits, at out; returns the end of the text.
char* writeIsoDate(char* out, int32_t year, int32_t month, int32_t day);

// What the commands that print days share.
struct DayOptions {
  bool inIsrael = false;
  bool ashkenaziNames = false;
  GeoLocation place;
};

struct CommandLine {
  std::vector<std::string_view> operands;
  DayOptions options;
  bool placeNumbersGiven = false;  // --lat, --lon and --utc
};

// Separates the operands from --israel, --ashkenazi and --lat X --lon Y --utc Z (given together).
// Throws UsageError for an unknown or repeated option and for a missing, unparsable or impossible
// value.
CommandLine parseCommandLine(std::span<const std::string_view> args);

// A command's own options that take a value, taken out of the arguments; the rest, in order, is
// left for parseCommandLine.
struct OptionValues {
  std::vector<std::pair<std::string_view, std::string_view>> values;
  std::vector<std::string_view> rest;

  std::optional<std::string_view> value(std::string_view option) const;
};

// Throws UsageError for an option given twice or without a value.
OptionValues takeOptionValues(std::span<const std::string_view> args,
                              std::initializer_list<std::string_view> options);

// Throws UsageError naming the first operand, for commands that take none.
void refuseOperands(const CommandLine& line);

// The --place value; none without it. Throws UsageError when --lat, --lon and --utc are given too.
std::optional<std::string_view> placeIndexOption(const OptionValues& options,
                                                 const CommandLine& line);

// Flushes out; throws std::runtime_error when what was printed did not all reach it.
void finishOutput(std::ostream& out);

// The folder of the place files and the portions page: beside the program, or installed.
std::filesystem::path dataDir();

struct NamedPlace {
  GeoLocation numbers;
  std::string displayText;
};

// Line indexText of the place files beside the program, or the default place without one. Throws
// UsageError for an index that is no number or outside the list, FileOpenError and ConversionError
// for the files themselves.
NamedPlace placeFromFiles(std::optional<std::string_view> indexText);

}  // namespace tevorin::cli
