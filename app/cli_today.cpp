#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/cli_commands.h"
#include "app/cli_options.h"
#include "calendar/calendar_day.h"
#include "sun/location_list.h"
#include "sun/number_text.h"
#include "views/tray_text.h"

namespace tevorin::cli {

namespace {

// The folder of the program file, where the place files lie.
std::filesystem::path programDir() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

struct TodayPlace {
  GeoLocation numbers;
  std::string displayText;
};

// A line of the place files beside the program; an index past their end is refused rather than
// read as an empty place.
TodayPlace placeFromFiles(std::optional<std::string_view> indexText) {
  LocationList list;
  loadLocationList(programDir(), list);
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
  return {geoLocationAt(list, index), list.names[index]};
}

}  // namespace

int runToday(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  try {
    std::optional<std::string_view> placeIndex;
    bool coordinates = false;
    std::vector<std::string_view> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
      const std::string_view arg = args[i];
      if (arg == "--israel" || arg == "--ashkenazi") {
        throw UsageError("unknown option " + std::string(arg));
      }
      if (arg != "--place") {
        coordinates = coordinates || arg == "--lat" || arg == "--lon" || arg == "--utc";
        rest.push_back(arg);
        continue;
      }
      if (placeIndex) throw UsageError("--place is given twice");
      if (i + 1 == args.size()) throw UsageError("--place needs a value after it");
      placeIndex = args[++i];
    }
    const CommandLine line = parseCommandLine(rest);
    if (!line.operands.empty()) {
      throw UsageError("unexpected argument '" + std::string(line.operands.front()) + "'");
    }
    if (coordinates && placeIndex) {
      throw UsageError("--place and --lat, --lon, --utc exclude each other");
    }
    // Given numbers name no place, so the text ends with " @ " as for a place without a name.
    const TodayPlace place =
        coordinates ? TodayPlace{line.options.place, ""} : placeFromFiles(placeIndex);

    std::string text = trayTextFor(todayLocalDate(), place.numbers, place.displayText);
    for (char& c : text)
      if (c == '\r') c = '\n';
    out << text << '\n';
    return 0;
  } catch (const UsageError& error) {
    err << "tevorin-cli today: " << error.what() << '\n';
    return 2;
  } catch (const std::exception& error) {
    // The place files: missing, or a number that does not convert.
    err << "tevorin-cli today: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace tevorin::cli
