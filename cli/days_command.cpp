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

int runDays(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  std::optional<CalendarDay> day;
  AbsoluteDay last = 0;
  DayOptions options;
  try {
    const CommandLine line = parseCommandLine(args);
    if (line.operands.size() != 2) throw UsageError("needs two dates, FROM and TO (YYYY-MM-DD)");
    options = line.options;
    if (!line.placeNumbersGiven) options.place = placeFromFiles(std::nullopt).numbers;
    const GregorianDate from = parseIsoDate(line.operands[0]);
    const GregorianDate to = parseIsoDate(line.operands[1]);
    day.emplace(from.month, from.day, from.year, options.ashkenaziNames, options.inIsrael);
    last = day->gregorianToAbsolute(to.month, to.day, to.year);
    if (last < day->absoluteDay()) {
      throw UsageError("TO (" + std::string(line.operands[1]) + ") is before FROM (" +
                       std::string(line.operands[0]) + ")");
    }
  } catch (const UsageError& error) {
    err << "tevorin-cli days: " << error.what() << '\n';
    return 2;
  } catch (const std::exception& error) {
    // The place files: missing, or a number that does not convert.
    err << "tevorin-cli days: " << error.what() << '\n';
    return 1;
  }

  std::vector<char> block(kBlockSize + kLongestLine);
  char* end = block.data();
  const auto writeBlock = [&] {
    out.write(block.data(), end - block.data());
    end = block.data();
  };
  for (;;) {
    end = putDay(end, *day, options.place);
    if (day->absoluteDay() == last) break;
    if (static_cast<std::size_t>(end - block.data()) >= kBlockSize) writeBlock();
    day->nextDay();
  }
  writeBlock();
  out.flush();
  if (!out) {
    err << "tevorin-cli days: the output could not be written\n";
    return 1;
  }
  return 0;
}

}  // namespace tevorin::cli
