#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "calendar/calendar_day.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "sun/sun_times.h"
#include "views/tray_text.h"

namespace tevorin::cli {

int runToday(std::span<const std::string_view> args, std::ostream& out, std::ostream&) {
  for (const std::string_view arg : args) {
    if (arg == "--israel" || arg == "--ashkenazi")
      throw UsageError("unknown option " + std::string(arg));
  }
  const OptionValues options = takeOptionValues(args, {"--place"});
  const CommandLine line = parseCommandLine(options.rest);
  refuseOperands(line);
  const auto placeIndex = placeIndexOption(options, line);
  // Given numbers name no place, so the text ends with " @ " as for a place without a name.
  const NamedPlace place =
      line.placeNumbersGiven ? NamedPlace{line.options.place, ""} : placeFromFiles(placeIndex);

  const GregorianDate today = todayLocalDate();
  std::string text = trayTextFor(
      today, sunTimesAt(place.numbers, today.year, today.month, today.day), place.displayText);
  for (char& c : text)
    if (c == '\r') c = '\n';
  out << text << '\n';
  finishOutput(out);
  return 0;
}

}  // namespace tevorin::cli
