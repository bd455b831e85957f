#include "publish/ics_writer.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <stdexcept>

#include "calendar/calendar_day.h"
#include "calendar/holidays.h"
#include "calendar/omer.h"
#include "calendar/portions.h"
#include "common/number_text.h"
#include "common/product.h"
#include "common/replacement_file.h"
#include "sun/sun_times.h"

namespace tevorin {

namespace {

using std::chrono::days;
using std::chrono::minutes;
using std::chrono::sys_days;
using std::chrono::sys_seconds;

constexpr std::string_view kCalendarHead =
    "BEGIN:VCALENDAR\r\n"
    "VERSION:2.0\r\n"
    "PRODID:-//Tevorin//Tevorin calendar//EN\r\n"
    "CALSCALE:GREGORIAN\r\n"
    "METHOD:PUBLISH\r\n";
constexpr std::string_view kCalendarEnd = "END:VCALENDAR\r\n";
// Jewish days are not busy time in the user's own calendar.
constexpr std::string_view kEventEnd = "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";

// 9999-12-31 23:59:59 UTC, the last moment a DTSTAMP can write.
constexpr int64_t kLastStamp = 253402300799;

enum EventKind { HebrewDate, Holiday, Omer, Portion, Sunrise, Sunset };

// Per kind: the part of its UIDs and its category.
struct KindNames {
  std::string_view uid;
  std::string_view category;
};
constexpr KindNames kKindNames[] = {
    {"hebrew-date", "Hebrew date"}, {"holiday", "Holiday or fast"}, {"omer", "Omer"},
    {"portion", "Weekly portion"},  {"sunrise", "Sun times"},       {"sunset", "Sun times"},
};

// The UIDs' domain, the host of the product's web page.
constexpr std::string_view uidDomain() {
  std::string_view page = kProductWebPage;
  page.remove_prefix(page.find("//") + 2);
  return page.substr(0, page.find('/'));
}

// Length of the UTF-8 sequence that starts at text[at] (RFC 3629), 0 when the bytes there are none.
std::size_t utf8Length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) {
    return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u;
  };
  const auto tail = [&](std::size_t i, unsigned low = 0x80, unsigned high = 0xBF) {
    return byte(i) >= low && byte(i) <= high;
  };
  const unsigned lead = byte(0);
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return tail(1) ? 2 : 0;
  if (lead == 0xE0) return tail(1, 0xA0) && tail(2) ? 3 : 0;
  if (lead == 0xED) return tail(1, 0x80, 0x9F) && tail(2) ? 3 : 0;  // no surrogates
  if (lead >= 0xE1 && lead <= 0xEF) return tail(1) && tail(2) ? 3 : 0;
  if (lead == 0xF0) return tail(1, 0x90) && tail(2) && tail(3) ? 4 : 0;
  if (lead >= 0xF1 && lead <= 0xF3) return tail(1) && tail(2) && tail(3) ? 4 : 0;
  if (lead == 0xF4) return tail(1, 0x80, 0x8F) && tail(2) && tail(3) ? 4 : 0;
  return 0;
}

// Appends text as a TEXT value: backslash, semicolon, comma and line breaks escaped, other control
// characters left out (a value may not hold them), bytes that are no UTF-8 written as U+FFFD.
void appendText(std::string& out, std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const char c = text[at];
    const std::size_t length = utf8Length(text, at);
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      ++at;
      continue;
    }
    if (c == '\\' || c == ';' || c == ',') {
      out += '\\';
      out += c;
    } else if (c == '\n' || c == '\r') {
      out += "\\n";
      if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    } else if (c == '\t' || static_cast<unsigned char>(c) >= 0x20) {
      if (c != '\x7F') out.append(text.substr(at, length));
    }
    at += length;
  }
}

// Appends one content line, folded so that no line is longer than 75 octets and no UTF-8 sequence
// is split: each fold is CR LF and one blank, which the reader takes out again.
void appendFolded(std::string& out, std::string_view line) {
  std::size_t room = 75;
  while (line.size() > room) {
    std::size_t cut = room;
    while ((static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    out.append(line.substr(0, cut));
    out += "\r\n ";
    line.remove_prefix(cut);
    room = 74;
  }
  out.append(line);
  out += "\r\n";
}

void appendDigits(std::string& out, int64_t value, int width) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, width - (end - digits))), '0');
  out.append(digits, end);
}

// YYYYMMDD.
void appendDate(std::string& out, sys_days date) {
  const std::chrono::year_month_day ymd(date);
  appendDigits(out, int{ymd.year()}, 4);
  appendDigits(out, unsigned{ymd.month()}, 2);
  appendDigits(out, unsigned{ymd.day()}, 2);
}

// YYYYMMDDTHHMMSSZ.
void appendUtc(std::string& out, sys_seconds time) {
  const sys_days date = std::chrono::floor<days>(time);
  const std::chrono::hh_mm_ss clock(time - date);
  appendDate(out, date);
  out += 'T';
  appendDigits(out, clock.hours().count(), 2);
  appendDigits(out, clock.minutes().count(), 2);
  appendDigits(out, clock.seconds().count(), 2);
  out += 'Z';
}

// 64-bit FNV-1a: names a place in a UID briefly and the same way on every run.
uint64_t fingerprint(std::string_view text) {
  uint64_t hash = 14695981039346656037u;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211u;
  }
  return hash;
}

// "diaspora rules, Sephardi names", as the calendar's name gives the rule set.
std::string rulesText(const IcsCalendarRequest& request) {
  return std::string(request.inIsrael ? "Israel" : "diaspora") + " rules, " +
         (request.ashkenaziNames ? "Ashkenazi" : "Sephardi") + " names";
}

// What every event of one run shares, formed once.
class EventWriter {
 public:
  explicit EventWriter(const IcsCalendarRequest& request) : request_(request) {
    stampLine_ = "DTSTAMP:";
    appendUtc(stampLine_, sys_seconds(std::chrono::seconds(request.stamp)));
    stampLine_ += "\r\n";

    // The same day, kind, rule set and place give the same UID, so a newer file updates the
    // events an older one put into the user's calendar.
    std::string place = request.placeName;
    place += '\n' + decimalText(request.place.latitude) + ',' +
             decimalText(request.place.longitude) + ',' + decimalText(request.place.utcOffset);
    uidEnd_ = request.inIsrael ? "-israel" : "-diaspora";
    uidEnd_ += request.ashkenaziNames ? "-ashkenazi-" : "-sephardi-";
    static constexpr char kHex[] = "0123456789abcdef";
    const uint64_t hash = fingerprint(place);
    for (int shift = 60; shift >= 0; shift -= 4) uidEnd_ += kHex[(hash >> shift) & 15];
    uidEnd_ += '@';
    uidEnd_ += uidDomain();
    uidEnd_ += "\r\n";

    line_ = "LOCATION:";
    appendText(line_, request.placeName);
    appendFolded(locationLine_, line_);
  }

  void appendCalendarHead(std::string& out) {
    out += kCalendarHead;
    line_ = "X-WR-CALNAME:";
    std::string name = "Tevorin: ";
    if (!request_.placeName.empty()) name += request_.placeName + " - ";
    name += rulesText(request_);
    appendText(line_, name);
    appendFolded(out, line_);
  }

  // An event of the whole day date.
  void appendDayEvent(std::string& out, sys_days date, EventKind kind, std::string_view summary) {
    appendOpening(out, date, kind);
    out += "DTSTART;VALUE=DATE:";
    appendDate(out, date);
    out += "\r\nDTEND;VALUE=DATE:";
    appendDate(out, date + days(1));
    out += "\r\n";
    appendClosing(out, kind, summary);
  }

  // A sunrise or sunset of date's cell, in UTC: the shown minute, as long as a minute (a calendar
  // may not end an event where it starts, and some give one without an end an hour).
  void appendSunEvent(std::string& out, sys_days date, EventKind kind, const ShownTime& shown) {
    appendOpening(out, date, kind);
    const auto offset = minutes(std::lround(request_.place.utcOffset * 60));
    const auto moment = date + days(shown.dayShift) + std::chrono::hours(shown.hours) +
                        minutes(shown.minutes) - offset;
    out += "DTSTART:";
    appendUtc(out, moment);
    out += "\r\nDTEND:";
    appendUtc(out, moment + minutes(1));
    out += "\r\n";
    out += locationLine_;
    appendClosing(out, kind, kind == Sunrise ? "Sunrise" : "Sunset");
  }

 private:
  void appendOpening(std::string& out, sys_days date, EventKind kind) {
    out += "BEGIN:VEVENT\r\nUID:";
    appendDate(out, date);
    out += '-';
    out += kKindNames[kind].uid;
    out += uidEnd_;
    out += stampLine_;
  }

  void appendClosing(std::string& out, EventKind kind, std::string_view summary) {
    line_ = "SUMMARY:";
    appendText(line_, summary);
    appendFolded(out, line_);
    out += "CATEGORIES:";
    out += kKindNames[kind].category;
    out += "\r\n";
    out += kEventEnd;
  }

  const IcsCalendarRequest& request_;
  std::string stampLine_;
  std::string uidEnd_;  // from the rule set to the end of the UID line
  std::string locationLine_;
  std::string line_;  // the content line being formed, before it is folded
};

// The events of the day the cursor stands on.
void appendDayEvents(std::string& out, EventWriter& events, const CalendarDay& day, sys_days date,
                     const IcsCalendarRequest& request) {
  const IcsEventKinds& kinds = request.kinds;
  if (kinds.hebrewDates) {
    // As the month page's detail line gives it: "11 Tevet 5767".
    events.appendDayEvent(out, date, HebrewDate,
                          integerText(day.hebrewDay()) + " " + day.hebrewMonthName() + " " +
                              integerText(day.hebrewYear()));
  }
  if (kinds.holidays) {
    if (const auto holiday = holidayName(day)) events.appendDayEvent(out, date, Holiday, *holiday);
  }
  if (kinds.omer) {
    if (const int32_t count = omerDay(day); count != 0) {
      // A day with a name of its own ("Lag B'Omer") keeps its count beside it.
      const std::string counted = "Omer " + integerText(count);
      const std::string text = omerText(day);
      events.appendDayEvent(out, date, Omer, text == counted ? text : text + " (" + counted + ")");
    }
  }
  if (kinds.portions && day.dayOfWeek() == Saturday) {
    if (const auto portion = weeklyPortion(day)) {
      events.appendDayEvent(out, date, Portion, std::string(*portion) + " (weekly portion)");
    }
  }
  if (kinds.sunTimes) {
    if (const auto sun = sunEventsAt(request.place, day.gregorianYear(), day.gregorianMonth(),
                                     day.gregorianDay())) {
      events.appendSunEvent(out, date, Sunrise, sun->rise);
      events.appendSunEvent(out, date, Sunset, sun->set);
    }
  }
}

// The month count, or none once the refusal is logged; nothing has been touched yet either way.
std::optional<int32_t> checkedRun(const IcsCalendarRequest& request, const LogLine& log) {
  if (request.stamp < 0 || request.stamp > kLastStamp)
    throw std::invalid_argument("DTSTAMP outside 1970..9999");
  return checkedMonthCount(request, log);
}

void writeMonths(const IcsCalendarRequest& request, int32_t monthCount, const IcsSink& sink,
                 const LogLine& log) {
  EventWriter events(request);
  CalendarDay cursor(request.startMonth, 1, request.startYear, request.ashkenaziNames,
                     request.inIsrael);
  sys_days date = std::chrono::year(request.startYear) / request.startMonth / 1;
  std::string out;
  events.appendCalendarHead(out);
  for (int32_t month = 1; month <= monthCount; ++month) {
    const int32_t length = cursor.gregorianMonthLength(cursor.gregorianMonth());
    for (int32_t day = 1; day <= length; ++day) {
      appendDayEvents(out, events, cursor, date, request);
      cursor.nextDay();
      date += days(1);
    }
    sink(out);
    out.clear();
    log(progressLine(month, request.monthCountText));
  }
  // A count below one still gives a whole calendar, without events.
  sink(out + std::string(kCalendarEnd));
}

}  // namespace

RunOutcome writeIcsCalendar(const IcsCalendarRequest& request, const IcsSink& sink,
                            const LogLine& log) {
  const auto monthCount = checkedRun(request, log);
  if (!monthCount) return RunOutcome::Refused;
  log(kStartingToGenerate);
  writeMonths(request, *monthCount, sink, log);
  log(kGeneratingDone);
  return RunOutcome::Written;
}

RunOutcome writeIcsCalendarFile(const IcsCalendarRequest& request, std::string_view outputPath,
                                const std::filesystem::path& programDir, const LogLine& log) {
  const auto monthCount = checkedRun(request, log);
  if (!monthCount) return RunOutcome::Refused;
  const auto path = checkedOutputPath(outputPath, programDir, log);
  if (path.empty()) return RunOutcome::Refused;
  ReplacementFile file(path);
  log(kStartingToGenerate);
  writeMonths(
      request, *monthCount, [&file](std::string_view bytes) { file.write(bytes); }, log);
  file.commit();
  log(kGeneratingDone);
  return RunOutcome::Written;
}

int64_t icsStampNow() {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (epoch == nullptr || *epoch == '\0') {
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now())
        .time_since_epoch()
        .count();
  }
  const std::string_view text(epoch);
  int64_t seconds = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc() || end != text.data() + text.size() || seconds < 0 ||
      seconds > kLastStamp) {
    throw ConversionError("SOURCE_DATE_EPOCH: '" + std::string(text) +
                          "' is not a whole number of seconds since 1970");
  }
  return seconds;
}

}  // namespace tevorin
