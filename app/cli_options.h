#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "sun/location_list.h"

namespace tevorin::cli {

// A command line that cannot be followed; what() is the one line the user sees.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A Gregorian date as written on the command line, YYYY-MM-DD.
struct IsoDate {
  int32_t year;
  int32_t month;
  int32_t day;
};

// Reads YYYY-MM-DD; the date must exist and its year lie within kMinSafeYear..kMaxSafeYear.
// Throws UsageError.
IsoDate parseIsoDate(std::string_view text);

// Writes YYYY-MM-DD, the year in at least four digits, at out; returns the end of the text.
char* writeIsoDate(char* out, int32_t year, int32_t month, int32_t day);

// The place of the sun times when the command line names none: Jerusalem.
inline constexpr GeoLocation kDefaultPlace{31.78, 35.22, 2};

// What the commands that print days share.
struct DayOptions {
  bool inIsrael = false;
  bool ashkenaziNames = false;
  GeoLocation place = kDefaultPlace;
};

struct CommandLine {
  std::vector<std::string_view> operands;
  DayOptions options;
};

// Separates the operands from --israel, --ashkenazi and --lat X --lon Y --utc Z (given together).
// Throws UsageError for an unknown or repeated option and for a missing, unparsable or impossible
// value.
CommandLine parseCommandLine(std::span<const std::string_view> args);

}  // namespace tevorin::cli
