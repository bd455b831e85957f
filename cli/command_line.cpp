#include "cli/command_line.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "calendar/calendar_day.h"
#include "common/number_text.h"
#include "common/program_folders.h"

namespace tevorin::cli {

namespace {

// A run of decimal digits as a number; none for an empty run, another character or a value past
// int32_t.
std::optional<int32_t> digitsValue(std::string_view digits) {
  int32_t value = 0;
  if (digits.empty() || digits.front() < '0' || digits.front() > '9') return std::nullopt;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// One place number: converted with "." whatever the locale, and within its range.
double placeNumber(std::string_view option, std::string_view text, double limit) {
  double value = 0;
  try {
    value = parseFloat(text);
  } catch (const ConversionError& error) {
    throw UsageError(std::string(option) + ": " + error.what());
  }
  if (value < -limit || value > limit) {
    throw UsageError(std::string(option) + ": '" + std::string(text) + "' is outside -" +
                     std::to_string(static_cast<int>(limit)) + ".." +
                     std::to_string(static_cast<int>(limit)));
  }
  return value;
}

}  // namespace

GregorianDate parseIsoDate(std::string_view text) {
  const std::size_t firstDash = text.find('-');
  const std::size_t secondDash =
      text.find('-', firstDash == std::string_view::npos ? 0 : firstDash + 1);
  const auto notADate = [&] {
    return UsageError("'" + std::string(text) + "' is not a date of the form YYYY-MM-DD");
  };
  if (firstDash == std::string_view::npos || secondDash == std::string_view::npos) throw notADate();
  const std::string_view yearText = text.substr(0, firstDash);
  const std::string_view monthText = text.substr(firstDash + 1, secondDash - firstDash - 1);
  const std::string_view dayText = text.substr(secondDash + 1);
  if (monthText.size() > 2 || dayText.size() > 2) throw notADate();
  const std::optional<int32_t> month = digitsValue(monthText);
  const std::optional<int32_t> day = digitsValue(dayText);
  // A year of any number of digits is a date; only its range is wrong.
  const bool yearDigits =
      !yearText.empty() && yearText.find_first_not_of("0123456789") == std::string_view::npos;
  if (!yearDigits || !month || !day) throw notADate();
  const std::optional<int32_t> year = digitsValue(yearText);
  if (!year || *year < kMinSafeYear || *year > kMaxSafeYear) {
    throw UsageError("'" + std::string(text) + "': the year must lie within " +
                     std::to_string(kMinSafeYear) + ".." + std::to_string(kMaxSafeYear));
  }
  if (*month < 1 || *month > 12 || *day < 1 || *day > daysInGregorianMonth(*month, *year)) {
    throw UsageError("'" + std::string(text) + "' is not a date of the calendar");
  }
  return {*year, *month, *day};
}

char* writeIsoDate(char* out, int32_t year, int32_t month, int32_t day) {
  for (int32_t width = 1000; width > 1 && year < width; width /= 10) *out++ = '0';
  out = std::to_chars(out, out + 11, year).ptr;
  *out++ = '-';
  *out++ = static_cast<char>('0' + month / 10);
  *out++ = static_cast<char>('0' + month % 10);
  *out++ = '-';
  *out++ = static_cast<char>('0' + day / 10);
  *out++ = static_cast<char>('0' + day % 10);
  return out;
}

CommandLine parseCommandLine(std::span<const std::string_view> args) {
  CommandLine line;
  std::optional<double> latitude;
  std::optional<double> longitude;
  std::optional<double> utcOffset;
  bool israel = false;
  bool ashkenazi = false;

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const auto once = [&](bool& seen) {
      if (seen) throw UsageError(std::string(arg) + " is given twice");
      seen = true;
    };
    const auto value = [&](std::optional<double>& into, double limit) {
      if (into) throw UsageError(std::string(arg) + " is given twice");
      if (i + 1 == args.size()) throw UsageError(std::string(arg) + " needs a number after it");
      into = placeNumber(arg, args[++i], limit);
    };
    if (arg == "--israel") {
      once(israel);
    } else if (arg == "--ashkenazi") {
      once(ashkenazi);
    } else if (arg == "--lat") {
      value(latitude, 90);
    } else if (arg == "--lon") {
      value(longitude, 180);
    } else if (arg == "--utc") {
      value(utcOffset, 24);
    } else if (arg.size() > 1 && arg.front() == '-') {
      throw UsageError("unknown option " + std::string(arg));
    } else {
      line.operands.push_back(arg);
    }
  }

  if (latitude || longitude || utcOffset) {
    if (!latitude || !longitude || !utcOffset) {
      throw UsageError("--lat, --lon and --utc must be given together");
    }
    line.options.place = {*latitude, *longitude, *utcOffset};
    line.placeNumbersGiven = true;
  }
  line.options.inIsrael = israel;
  line.options.ashkenaziNames = ashkenazi;
  return line;
}

std::optional<std::string_view> OptionValues::value(std::string_view option) const {
  const auto found = std::find_if(values.begin(), values.end(),
                                  [&](const auto& pair) { return pair.first == option; });
  if (found == values.end()) return std::nullopt;
  return found->second;
}

OptionValues takeOptionValues(std::span<const std::string_view> args,
                              std::initializer_list<std::string_view> options) {
  OptionValues taken;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (std::find(options.begin(), options.end(), arg) == options.end()) {
      taken.rest.push_back(arg);
      continue;
    }
    if (taken.value(arg)) throw UsageError(std::string(arg) + " is given twice");
    if (i + 1 == args.size()) throw UsageError(std::string(arg) + " needs a value after it");
    taken.values.emplace_back(arg, args[++i]);
  }
  return taken;
}

void refuseOperands(const CommandLine& line) {
  if (!line.operands.empty())
    throw UsageError("unexpected argument '" + std::string(line.operands.front()) + "'");
}

std::optional<std::string_view> placeIndexOption(const OptionValues& options,
                                                 const CommandLine& line) {
  const auto index = options.value("--place");
  if (index && line.placeNumbersGiven)
    throw UsageError("--place and --lat, --lon, --utc exclude each other");
  return index;
}

void finishOutput(std::ostream& out) {
  out.flush();
  if (!out) throw std::runtime_error("the output could not be written");
}

std::filesystem::path dataDir() {
  return dataFolder(programFolder());
}

// An index past the files' end is refused rather than read as an empty place.
NamedPlace placeFromFiles(std::optional<std::string_view> indexText) {
  LocationList list;
  loadLocationList(dataDir(), list);
  int32_t index = kDefaultPlaceIndex;
  if (indexText) {
    try {
      index = parseInteger(*indexText);
    } catch (const ConversionError& error) {
      throw UsageError(std::string("--place: ") + error.what());
    }
  }
  const auto count = static_cast<int32_t>(list.names.size());
  if (index < 0 || index >= count) {
    const std::string range =
        count == 0 ? std::string("an empty place list") : "0.." + integerText(count - 1);
    if (indexText)
      throw UsageError("--place: '" + std::string(*indexText) + "' is outside " + range);
    throw std::runtime_error("the default place " + integerText(index) + " is outside " + range);
  }
  return {geoLocationAt(list, index), list.names[static_cast<std::size_t>(index)]};
}

}  // namespace tevorin::cli
