#include <charconv>
#include <optional>
#include <string>

#include "app/cli_commands.h"
#include "app/cli_options.h"
#include "calendar/calendar_day.h"
#include "calendar/holidays.h"
#include "calendar/omer.h"
#include "calendar/portions.h"
#include "sun/sun_times.h"

namespace tevorin::cli {

namespace {

// Lines are gathered and written in large blocks; a whole span of centuries is millions of lines.
constexpr std::size_t kBlockSize = 1 << 16;

void appendNumber(std::string& line, int32_t value) {
  char digits[12];
  line.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void appendDay(std::string& block, const CalendarDay& day, const GeoLocation& place) {
  char date[16];
  block.append(date,
               writeIsoDate(date, day.gregorianYear(), day.gregorianMonth(), day.gregorianDay()));
  block += '\t';
  block += day.weekdayName();
  block += '\t';
  appendNumber(block, day.hebrewDay());
  block += ' ';
  block += day.hebrewMonthName();
  block += ' ';
  appendNumber(block, day.hebrewYear());
  block += '\t';
  block += holidayName(day).value_or(std::string_view());
  block += '\t';
  block += omerText(day);
  block += '\t';
  block += weeklyPortion(day).value_or(std::string_view());
  block += '\t';
  block += computeSunTimes(static_cast<float>(place.latitude), static_cast<float>(place.longitude),
                           place.utcOffset, static_cast<float>(day.gregorianYear()),
                           static_cast<float>(day.gregorianMonth()),
                           static_cast<float>(day.gregorianDay()));
  block += '\n';
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
    const IsoDate from = parseIsoDate(line.operands[0]);
    const IsoDate to = parseIsoDate(line.operands[1]);
    day.emplace(from.month, from.day, from.year, options.ashkenaziNames, options.inIsrael);
    last = day->gregorianToAbsolute(to.month, to.day, to.year);
    if (last < day->absoluteDay()) {
      throw UsageError("TO (" + std::string(line.operands[1]) + ") is before FROM (" +
                       std::string(line.operands[0]) + ")");
    }
  } catch (const UsageError& error) {
    err << "tevorin-cli days: " << error.what() << '\n';
    return 2;
  }

  std::string block;
  block.reserve(kBlockSize + 256);
  for (;;) {
    appendDay(block, *day, options.place);
    if (day->absoluteDay() == last) break;
    if (block.size() >= kBlockSize) {
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
      block.clear();
    }
    day->nextDay();
  }
  out.write(block.data(), static_cast<std::streamsize>(block.size()));
  out.flush();
  if (!out) {
    err << "tevorin-cli days: the output could not be written\n";
    return 1;
  }
  return 0;
}

}  // namespace tevorin::cli
