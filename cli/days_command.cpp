#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar_day.h"
#include "calendar/holidays.h"
#include "calendar/omer.h"
#include "calendar/portions.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "sun/sun_times.h"

namespace tevorin::cli {

namespace {

// Lines are gathered and written in large blocks; a whole span of centuries is millions of lines.
constexpr std::size_t kBlockSize = 1 << 16;
// Every text of a line is a short constant or number; a line is well below this.
constexpr std::size_t kLongestLine = 256;

char* put(char* out, std::string_view text) {
  return std::copy(text.begin(), text.end(), out);
}

char* putNumber(char* out, int32_t value) {
  return std::to_chars(out, out + 11, value).ptr;
}

char* putDay(char* out, const CalendarDay& day, const GeoLocation& place) {
  out = writeIsoDate(out, day.gregorianYear(), day.gregorianMonth(), day.gregorianDay());
  *out++ = '\t';
  out = put(out, day.weekdayName());
  *out++ = '\t';
  out = putNumber(out, day.hebrewDay());
  *out++ = ' ';
  out = put(out, day.hebrewMonthName());
  *out++ = ' ';
  out = putNumber(out, day.hebrewYear());
  *out++ = '\t';
  out = put(out, holidayName(day).value_or(std::string_view()));
  *out++ = '\t';
  out = put(out, omerText(day));
  *out++ = '\t';
  out = put(out, weeklyPortion(day).value_or(std::string_view()));
  *out++ = '\t';
  out = put(out, sunTimesAt(place, day.gregorianYear(), day.gregorianMonth(), day.gregorianDay()));
  *out++ = '\n';
  return out;
}

}  // namespace

int runDays(std::span<const std::string_view> args, std::ostream& out, std::ostream&) {
  const OptionValues taken = takeOptionValues(args, {"--place"});
  const CommandLine line = parseCommandLine(taken.rest);
  if (line.operands.size() != 2) throw UsageError("needs two dates, FROM and TO (YYYY-MM-DD)");
  const auto placeIndex = placeIndexOption(taken, line);
  DayOptions options = line.options;
  const GregorianDate from = parseIsoDate(line.operands[0]);
  const GregorianDate to = parseIsoDate(line.operands[1]);
  CalendarDay day(from.month, from.day, from.year, options.ashkenaziNames, options.inIsrael);
  const AbsoluteDay last = day.gregorianToAbsolute(to.month, to.day, to.year);
  if (last < day.absoluteDay()) {
    throw UsageError("TO (" + std::string(line.operands[1]) + ") is before FROM (" +
                     std::string(line.operands[0]) + ")");
  }
  if (!line.placeNumbersGiven) options.place = placeFromFiles(placeIndex).numbers;

  std::vector<char> block(kBlockSize + kLongestLine);
  char* end = block.data();
  const auto writeBlock = [&] {
    out.write(block.data(), end - block.data());
    end = block.data();
  };
  for (;;) {
    end = putDay(end, day, options.place);
    if (day.absoluteDay() == last) break;
    if (static_cast<std::size_t>(end - block.data()) >= kBlockSize) writeBlock();
    day.nextDay();
  }
  writeBlock();
  finishOutput(out);
  return 0;
}

}  // namespace tevorin::cli
