#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "publish/month_run.h"
#include "sun/location_list.h"

namespace tevorin {

// Which events a calendar file carries.
struct IcsEventKinds {
  bool holidays = true;  // holidays and fasts
  bool portions = true;  // the weekly portion of each Saturday
  bool omer = true;
  bool sunTimes = false;  // sunrise and sunset as timed events
  bool hebrewDates = false;
};

// One run of the iCalendar writer, every input already read from where the user gave it.
// The place name names the calendar; bytes that are no UTF-8 are written as U+FFFD.
struct IcsCalendarRequest : MonthRun {
  IcsEventKinds kinds;
  int64_t stamp = 0;  // DTSTAMP of every event, in seconds since 1970-01-01 00:00 UTC
};

// Receives the calendar's bytes, a month's events at a time.
using IcsSink = std::function<void(std::string_view)>;

// Writes the months as one iCalendar file (RFC 5545) into sink and logs as the HTML writer does.
// Throws ConversionError for a month count that is not a whole number.
RunOutcome writeIcsCalendar(const IcsCalendarRequest& request, const IcsSink& sink,
                            const LogLine& log);

// writeIcsCalendar into the file at outputPath (relative to the current directory), put in place
// only when complete; a path naming a file the program reads beside itself (programDir) is refused
// as a document's is. Throws FileError when it cannot be written, leaving an earlier file as it
// was.
RunOutcome writeIcsCalendarFile(const IcsCalendarRequest& request, std::string_view outputPath,
                                const std::filesystem::path& programDir, const LogLine& log);

// The DTSTAMP of a file written now: SOURCE_DATE_EPOCH when it is set, so that the same inputs
// give the same bytes, else the system clock. Throws ConversionError for a SOURCE_DATE_EPOCH that
// is not a whole number of seconds from 1970 to the end of 9999.
int64_t icsStampNow();

}  // namespace tevorin
