// The iCalendar writer for any start month and year, any month count the callers let through, any
// place text and any choice of events: the file is one calendar of CR LF lines of at most 75
// octets, each a whole UTF-8 text, with unique UIDs, and a clean place text reads back as written.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "fuzz/fuzz_support.h"
#include "publish/ics_writer.h"
#include "tests/support/ics_text.h"

namespace {

// Strict UTF-8 (RFC 3629): no overlong forms, no surrogates, nothing above U+10FFFF.
bool wholeUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = [&](std::size_t i) {
      return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u;
    };
    const unsigned lead = byte(0);
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF;  // the second byte's range
    if (lead < 0x80) {
      length = 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (length > 1 && (byte(1) < low || byte(1) > high)) return false;
    for (std::size_t i = 2; i < length; ++i)
      if (byte(i) < 0x80 || byte(i) > 0xBF) return false;
    at += length;
  }
  return true;
}

// No control characters and whole UTF-8: such a text is written as it is, only escaped.
bool clean(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') return false;
  return wholeUtf8(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  tevorin::IcsCalendarRequest request;
  request.monthCountText = in.ConsumeRandomLengthString(16);
  request.placeName = in.ConsumeRandomLengthString(256);
  request.place = {tevorin::fuzz::placeNumber(in), tevorin::fuzz::placeNumber(in),
                   tevorin::fuzz::placeNumber(in)};
  request.startMonth = in.ConsumeIntegral<int32_t>();
  request.startYear = in.ConsumeIntegral<int32_t>();
  request.inIsrael = in.ConsumeBool();
  request.ashkenaziNames = in.ConsumeBool();
  request.kinds.holidays = in.ConsumeBool();
  request.kinds.portions = in.ConsumeBool();
  request.kinds.omer = in.ConsumeBool();
  request.kinds.sunTimes = in.ConsumeBool();
  request.kinds.hebrewDates = in.ConsumeBool();
  request.stamp = in.ConsumeIntegral<uint32_t>();

  int32_t count = 0;
  try {
    count = tevorin::parseInteger(request.monthCountText);
  } catch (const tevorin::ConversionError&) {
  }
  // The Generate page and the command line let no more through.
  if (count > tevorin::kMaxMonthCount) return 0;

  std::string file;
  std::vector<std::string> log;
  tevorin::RunOutcome outcome;
  try {
    outcome = tevorin::writeIcsCalendar(
        request, [&](std::string_view bytes) { file += bytes; },
        [&](std::string_view line) { log.emplace_back(line); });
  } catch (const tevorin::ConversionError&) {
    FUZZ_CHECK(file.empty());
    return 0;  // a count that is no number
  } catch (const std::invalid_argument&) {
    FUZZ_CHECK(request.startMonth < 1 || request.startMonth > 12);
    return 0;
  }
  if (outcome == tevorin::RunOutcome::Refused) {
    FUZZ_CHECK(log.size() == 1 && log[0] == "Year out of range" && file.empty());
    return 0;
  }

  FUZZ_CHECK(file.starts_with("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
  FUZZ_CHECK(file.ends_with("\r\nEND:VCALENDAR\r\n"));
  // The lines as written, before a reader unfolds them.
  std::string_view rest = file;
  for (std::size_t end; (end = rest.find("\r\n")) != std::string_view::npos;) {
    const std::string_view line = rest.substr(0, end);
    FUZZ_CHECK(line.size() <= 75);
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string_view::npos);
    FUZZ_CHECK(wholeUtf8(line));
    rest.remove_prefix(end + 2);
  }
  FUZZ_CHECK(rest.empty());

  std::set<std::string> uids;
  std::size_t begins = 0, ends = 0;
  std::string name;
  for (const std::string& line : tevorin::testing::unfoldedLines(file)) {
    begins += line == "BEGIN:VEVENT" ? 1 : 0;
    ends += line == "END:VEVENT" ? 1 : 0;
    if (line.starts_with("UID:")) FUZZ_CHECK(uids.insert(line).second);
    if (line.starts_with("X-WR-CALNAME:")) name = tevorin::testing::unescapedText(line.substr(13));
  }
  FUZZ_CHECK(begins == ends && begins == uids.size());
  if (clean(request.placeName)) {
    std::string expected = "Tevorin: ";
    if (!request.placeName.empty()) expected += request.placeName + " - ";
    expected += request.inIsrael ? "Israel rules, " : "diaspora rules, ";
    expected += request.ashkenaziNames ? "Ashkenazi names" : "Sephardi names";
    FUZZ_CHECK(name == expected);
  }
  FUZZ_CHECK(log.size() == static_cast<std::size_t>(std::max(count, 0)) + 2 &&
             log.front() == "Starting to generate..." && log.back() == "Generating process done");
  return 0;
}
