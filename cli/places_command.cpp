#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/place_search.h"
#include "common/plain_text.h"
#include "sun/location_list.h"

namespace tevorin::cli {

namespace {

// A number of a place file as written; empty past the end of a shorter file.
std::string_view entry(const std::vector<std::string>& list, int index) {
  const auto i = static_cast<std::size_t>(index);
  return i < list.size() ? trimBlanks(list[i]) : std::string_view();
}

}  // namespace

int runPlaces(std::span<const std::string_view> args, std::ostream& out, std::ostream&) {
  std::string text;
  for (const std::string_view arg : args) {
    if (arg.size() > 1 && arg.front() == '-')
      throw UsageError("unknown option " + std::string(arg));
    // The words of a name need no quotes: "places new york" looks for "new york".
    if (!text.empty()) text += ' ';
    text += arg;
  }
  LocationList list;
  loadLocationList(dataDir(), list);
  const std::vector<int> found = matchingPlaces(list.names, text);
  if (found.empty()) throw std::runtime_error("no place matches '" + text + "'");
  for (const int index : found) {
    out << index << '\t' << list.names[static_cast<std::size_t>(index)] << '\t'
        << entry(list.latitudes, index) << '\t' << entry(list.longitudes, index) << '\t'
        << entry(list.utcOffsets, index) << '\n';
  }
  finishOutput(out);
  return 0;
}

}  // namespace tevorin::cli
