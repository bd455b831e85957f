#include "publish/ics_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_error.h"
#include "common/number_text.h"
#include "tests/support/ics_reading.h"
#include "tests/support/scoped_variable.h"
#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::EndsWith;
using testing::eventTime;
using testing::folderEntries;
using ::testing::IsEmpty;
using ::testing::Not;
using testing::readFile;
using testing::readIcs;
using testing::ScratchFolder;
using ::testing::StartsWith;
using testing::unescapedText;
using testing::unfoldedLines;
using testing::writeFile;

constexpr GeoLocation kJerusalem{31.78, 35.22, 2};
constexpr int64_t kStamp = 1700000000;  // 2023-11-14 22:13:20 UTC

// Whether the bytes of one line are whole UTF-8 sequences.
bool wholeUtf8(std::string_view line) {
  for (std::size_t at = 0; at < line.size();) {
    const auto lead = static_cast<unsigned char>(line[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (lead >= 0x80 && lead < 0xC0) return false;
    if (at + length > line.size()) return false;
    for (std::size_t i = 1; i < length; ++i)
      if ((static_cast<unsigned char>(line[at + i]) & 0xC0) != 0x80) return false;
    at += length;
  }
  return true;
}

// The physical lines, each without its CR LF.
std::vector<std::string_view> physicalLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  for (std::size_t end; (end = bytes.find("\r\n")) != std::string_view::npos;) {
    lines.push_back(bytes.substr(0, end));
    bytes.remove_prefix(end + 2);
  }
  return lines;
}

class IcsWriterTest : public ::testing::Test {
 protected:
  void TearDown() override { icalendar.check(); }

  static IcsCalendarRequest request(int32_t month, int32_t year, std::string count) {
    IcsCalendarRequest request;
    request.startMonth = month;
    request.startYear = year;
    request.monthCountText = std::move(count);
    request.placeName = "Jerusalem, Israel";
    request.place = kJerusalem;
    request.stamp = kStamp;
    return request;
  }

  RunOutcome run(const IcsCalendarRequest& request, std::string& out) {
    return writeIcsCalendar(
        request, [&out](std::string_view bytes) { out += bytes; },
        [this](std::string_view line) { log.emplace_back(line); });
  }

  // Writes the months and returns the file, which python3-icalendar reads when the test ends.
  std::string generate(const IcsCalendarRequest& request) {
    std::string out;
    EXPECT_EQ(run(request, out), RunOutcome::Written);
    icalendar.add(out);
    return out;
  }

  // Every UID of a file, in order.
  static std::vector<std::string> uids(const std::string& file) {
    std::vector<std::string> uids;
    for (const auto& event : readIcs(file).events) uids.push_back(event.at("UID"));
    return uids;
  }

  testing::IcalendarReading icalendar;
  std::vector<std::string> log;
};

// What a day's cell holds in the user's calendar: "category: summary", a timed event with its
// start in UTC; the events of a day are those whose UID begins with its date.
std::vector<std::string> eventsOfDay(const std::string& file, std::string_view date) {
  std::vector<std::string> events;
  for (const auto& event : readIcs(file).events) {
    if (!event.at("UID").starts_with(std::string(date) + "-")) continue;
    std::string text =
        unescapedText(event.at("CATEGORIES")) + ": " + unescapedText(event.at("SUMMARY"));
    if (event.contains("DTSTART")) text += " " + event.at("DTSTART");
    events.push_back(text);
  }
  return events;
}

void sunAt(IcsCalendarRequest& request, const GeoLocation& place) {
  request.kinds.sunTimes = true;
  request.place = place;
  request.placeName = "elsewhere";
}

TEST_F(IcsWriterTest, KnownDaysCarryTheirEvents) {
  using Setup = void (*)(IcsCalendarRequest&);
  const Setup israel = [](IcsCalendarRequest& r) { r.inIsrael = true; };
  const struct {
    const char* what;
    const char* date;  // the run covers its month and those before and after it
    std::vector<std::string> events;
    Setup setup = [](IcsCalendarRequest&) {};
  } cases[] = {
      {"Rosh Hashanah", "20070913", {"Holiday or fast: Rosh Hashanah"}},
      {"its second day", "20070914", {"Holiday or fast: Rosh Hashanah"}},
      {"Yom Kippur on a Saturday, no portion", "20070922", {"Holiday or fast: Yom Kippur"}},
      {"Chanukah on the last Saturday of a year",
       "20051231",
       {"Holiday or fast: Chanukah", "Weekly portion: Miketz (weekly portion)"}},
      {"Chanukah's last day in the next year", "20060102", {"Holiday or fast: Chanukah"}},
      {"the day after Chanukah", "20060103", {}},
      {"Purim", "20070304", {"Holiday or fast: Purim"}},
      {"Shushan Purim", "20070305", {"Holiday or fast: Shushan Purim"}},
      {"Pesach's second day in the diaspora",
       "20080421",
       {"Holiday or fast: Pesach", "Omer: Omer 1"}},
      {"the same day in Israel",
       "20080421",
       {"Holiday or fast: Chol Hamoed Pesach", "Omer: Omer 1"},
       israel},
      {"Pesach's last day in the diaspora",
       "20080427",
       {"Holiday or fast: Pesach", "Omer: Omer 7"}},
      {"none in Israel", "20080427", {"Omer: Omer 7"}, israel},
      {"a portion pair", "20070317", {"Weekly portion: Vayakhel Pekudei (weekly portion)"}},
      {"a pair in Ashkenazi names, inside the Omer",
       "20070421",
       {"Omer: Omer 18", "Weekly portion: Sazria Metzora (weekly portion)"},
       [](IcsCalendarRequest& r) { r.ashkenaziNames = true; }},
      {"Lag B'Omer keeps its count", "20080523", {"Omer: Lag B'Omer (Omer 33)"}},
      {"the Hebrew date as the day's detail line gives it",
       "20070101",
       {"Hebrew date: 11 Tevet 5767"},
       [](IcsCalendarRequest& r) { r.kinds.hebrewDates = true; }},
      {"Adar I",
       "20080220",
       {"Hebrew date: 14 Adar I 5768", "Holiday or fast: Purim Katan"},
       [](IcsCalendarRequest& r) { r.kinds.hebrewDates = true; }},
      {"no holidays",
       "20080421",
       {"Omer: Omer 1"},
       [](IcsCalendarRequest& r) { r.kinds.holidays = false; }},
      {"no Omer",
       "20080421",
       {"Holiday or fast: Pesach"},
       [](IcsCalendarRequest& r) { r.kinds.omer = false; }},
      {"no portions", "20070317", {}, [](IcsCalendarRequest& r) { r.kinds.portions = false; }},
      // Shown 5:29/17:34, a day whose equation of time comes out near a whole day.
      {"Jerusalem, two hours ahead",
       "20070922",
       {"Holiday or fast: Yom Kippur", "Sun times: Sunrise 20070922T032900Z",
        "Sun times: Sunset 20070922T153400Z"},
       [](IcsCalendarRequest& r) { r.kinds.sunTimes = true; }},
      // Shown 4:26/19:29: the sunset is on the next day in UTC.
      {"New York",
       "20070621",
       {"Sun times: Sunrise 20070621T092600Z", "Sun times: Sunset 20070622T002900Z"},
       [](IcsCalendarRequest& r) {
         sunAt(r, {40.71, -74.01, -5});
       }},
      // Shown 4:42/19:03: the sunrise is on the day before in UTC.
      {"Sydney",
       "20071221",
       {"Sun times: Sunrise 20071220T184200Z", "Sun times: Sunset 20071221T090300Z"},
       [](IcsCalendarRequest& r) {
         sunAt(r, {-33.87, 151.21, 10});
       }},
      // Shown 5:25/19:19 at five and a half hours ahead.
      {"Delhi",
       "20070621",
       {"Sun times: Sunrise 20070620T235500Z", "Sun times: Sunset 20070621T134900Z"},
       [](IcsCalendarRequest& r) {
         sunAt(r, {28.61, 77.21, 5.5});
       }},
      // Shown 2:55/0:02: the sunset after midnight belongs to the next day.
      {"Reykjavik",
       "20070619",
       {"Sun times: Sunrise 20070619T025500Z", "Sun times: Sunset 20070620T000200Z"},
       [](IcsCalendarRequest& r) {
         sunAt(r, {64.1467, -21.94, 0});
       }},
      // Shown --:--/--:--.
      {"polar night",
       "20071221",
       {},
       [](IcsCalendarRequest& r) {
         sunAt(r, {78, 15, 1});
       }},
      // Shown 0:01/0:01, which is no sunrise and no sunset.
      {"polar day",
       "20070621",
       {},
       [](IcsCalendarRequest& r) {
         sunAt(r, {78, 15, 1});
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string_view date = c.date;
    int32_t year = parseInteger(date.substr(0, 4));
    int32_t month = parseInteger(date.substr(4, 2)) - 1;
    if (month == 0) {
      month = 12;
      --year;
    }
    auto run = request(month, year, "3");
    c.setup(run);
    EXPECT_THAT(eventsOfDay(generate(run), date), ElementsAreArray(c.events));
  }
}

TEST_F(IcsWriterTest, PolarMonthsHaveNoSunEvents) {
  auto run = request(11, 2007, "3");
  run.kinds.sunTimes = true;
  run.place = {78, 15, 1};
  for (const auto& event : readIcs(generate(run)).events)
    EXPECT_NE(unescapedText(event.at("CATEGORIES")), "Sun times") << event.at("UID");
}

// The event whose UID begins with start.
testing::IcsEvent eventNamed(const std::string& file, const std::string& start) {
  for (const auto& event : readIcs(file).events)
    if (event.at("UID").starts_with(start)) return event;
  ADD_FAILURE() << "no event " << start;
  return {};
}

TEST_F(IcsWriterTest, FileIsOneCalendarFromHeadToEnd) {
  auto run = request(12, 2007, "1");
  run.kinds.sunTimes = true;
  run.kinds.hebrewDates = true;
  const std::string file = generate(run);

  EXPECT_THAT(file, StartsWith("BEGIN:VCALENDAR\r\n"
                               "VERSION:2.0\r\n"
                               "PRODID:-//Tevorin//Tevorin calendar//EN\r\n"
                               "CALSCALE:GREGORIAN\r\n"
                               "METHOD:PUBLISH\r\n"
                               "X-WR-CALNAME:Tevorin: Jerusalem\\, Israel - diaspora rules\\, "
                               "Sephardi names\r\n"
                               "BEGIN:VEVENT\r\n"
                               "UID:20071201-hebrew-date-diaspora-sephardi-"));
  EXPECT_THAT(file, EndsWith("END:VEVENT\r\nEND:VCALENDAR\r\n"));

  const auto chanukah = eventNamed(file, "20071204-holiday-");
  const std::string uid = chanukah.at("UID");
  EXPECT_THAT(uid, StartsWith("20071204-holiday-diaspora-sephardi-"));
  EXPECT_THAT(uid, EndsWith("@tevorin.org"));
  EXPECT_EQ(chanukah, (testing::IcsEvent{{"UID", uid},
                                         {"DTSTAMP", "20231114T221320Z"},
                                         {"DTSTART;VALUE=DATE", "20071204"},
                                         {"DTEND;VALUE=DATE", "20071205"},
                                         {"SUMMARY", "Erev Chanukah"},
                                         {"CATEGORIES", "Holiday or fast"},
                                         {"TRANSP", "TRANSPARENT"}}));
  // Shown 6:22/16:33 at two hours ahead of UTC; a sun event lasts the minute it names.
  const auto sunrise = eventNamed(file, "20071201-sunrise-");
  EXPECT_EQ(sunrise.at("DTSTART"), "20071201T042200Z");
  EXPECT_EQ(sunrise.at("DTEND"), "20071201T042300Z");
  EXPECT_EQ(sunrise.at("LOCATION"), "Jerusalem\\, Israel");
  EXPECT_EQ(sunrise.at("SUMMARY"), "Sunrise");
  EXPECT_EQ(sunrise.at("CATEGORIES"), "Sun times");
  EXPECT_EQ(sunrise.at("TRANSP"), "TRANSPARENT");
  EXPECT_EQ(eventNamed(file, "20071201-sunset-").at("DTSTART"), "20071201T143300Z");
  // The last day's event ends in the next year.
  const auto lastDay = eventNamed(file, "20071231-hebrew-date-");
  EXPECT_EQ(lastDay.at("SUMMARY"), "22 Tevet 5768");
  EXPECT_EQ(lastDay.at("DTEND;VALUE=DATE"), "20080101");
}

TEST_F(IcsWriterTest, CalendarNameGivesThePlaceAndTheRuleSet) {
  const struct {
    bool inIsrael;
    bool ashkenaziNames;
    std::string placeName;
    std::string name;
  } cases[] = {
      {false, false, "Jerusalem, Israel",
       "Tevorin: Jerusalem, Israel - diaspora rules, Sephardi names"},
      {true, false, "Haifa, Israel", "Tevorin: Haifa, Israel - Israel rules, Sephardi names"},
      {false, true, "London, United Kingdom",
       "Tevorin: London, United Kingdom - diaspora rules, Ashkenazi names"},
      {true, true, "", "Tevorin: Israel rules, Ashkenazi names"},
  };
  for (const auto& c : cases) {
    auto run = request(1, 2007, "1");
    run.inIsrael = c.inIsrael;
    run.ashkenaziNames = c.ashkenaziNames;
    run.placeName = c.placeName;
    EXPECT_EQ(unescapedText(readIcs(generate(run)).properties.at("X-WR-CALNAME")), c.name);
  }
}

TEST_F(IcsWriterTest, TextValuesAreEscaped) {
  const struct {
    std::string placeName;
    std::string written;
  } cases[] = {
      {"Tel Aviv, Jaffa; Israel", "Tel Aviv\\, Jaffa\\; Israel"},
      {"back\\slash", "back\\\\slash"},
      {"two\nlines", "two\\nlines"},
      {"two\r\nlines", "two\\nlines"},
      {"tab\tand\x01"
       "control",
       "tab\tandcontrol"},
      {"Z\xC3\xBCrich", "Z\xC3\xBCrich"},
      // Bytes that are no UTF-8 (here Latin-1) become U+FFFD.
      {"Z\xFCrich", "Z\xEF\xBF\xBDrich"},
      {"\xE2\x82", "\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.placeName);
    auto run = request(1, 2007, "1");
    run.kinds.sunTimes = true;
    run.placeName = c.placeName;
    const auto calendar = readIcs(generate(run));
    EXPECT_EQ(calendar.events.front().at("LOCATION"), c.written);
    EXPECT_THAT(calendar.properties.at("X-WR-CALNAME"), StartsWith("Tevorin: " + c.written));
  }
}

// Names of one to four bytes a character, at every offset against the fold.
TEST_F(IcsWriterTest, LinesAreFoldedAt75OctetsWithoutSplittingACharacter) {
  for (std::size_t lead = 55; lead < 70; ++lead) {
    SCOPED_TRACE(lead);
    std::string placeName(lead, 'a');
    for (int i = 0; i < 12; ++i) placeName += "\xC3\xBC\xE2\x82\xAC\xF0\x9F\x8C\x85 ";
    auto run = request(2, 2007, "1");
    run.kinds.sunTimes = true;
    run.placeName = placeName;
    const std::string file = generate(run);

    const auto lines = physicalLines(file);
    const std::size_t breaks = std::count(file.begin(), file.end(), '\n');
    EXPECT_EQ(lines.size(), breaks);  // every line break is CR LF
    EXPECT_EQ(std::count(file.begin(), file.end(), '\r'), breaks);
    for (const auto line : lines) {
      EXPECT_LE(line.size(), 75u) << line;
      EXPECT_TRUE(wholeUtf8(line)) << line;
    }
    const auto calendar = readIcs(file);
    EXPECT_EQ(unescapedText(calendar.events.front().at("LOCATION")), placeName);
    EXPECT_EQ(unescapedText(calendar.properties.at("X-WR-CALNAME")),
              "Tevorin: " + placeName + " - diaspora rules, Sephardi names");
  }
}

TEST_F(IcsWriterTest, LinesOfExactly75OctetsAreNotFolded) {
  for (const std::size_t length : {74u, 75u, 76u}) {
    auto run = request(1, 2007, "1");
    run.kinds.sunTimes = true;
    run.placeName = std::string(length - std::string_view("LOCATION:").size(), 'x');
    const std::string file = generate(run);
    const auto lines = physicalLines(file);
    const auto location = std::find_if(lines.begin(), lines.end(),
                                       [](auto line) { return line.starts_with("LOCATION:"); });
    ASSERT_NE(location, lines.end());
    if (length <= 75) {
      EXPECT_EQ(location->size(), length);
      EXPECT_THAT(*std::next(location), StartsWith("SUMMARY:"));
    } else {
      EXPECT_EQ(location->size(), 75u);
      EXPECT_EQ(*std::next(location), " x");
    }
  }
}

TEST_F(IcsWriterTest, UidsAreUniqueAndStableForTheSameDayKindRulesAndPlace) {
  auto full = request(1, 2007, "14");
  full.kinds.sunTimes = true;
  full.kinds.hebrewDates = true;
  const auto all = uids(generate(full));
  EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), all.size());

  // A later file of other months, written at another time, names September's events alike.
  auto september = full;
  september.startMonth = 9;
  september.monthCountText = "1";
  september.stamp = kStamp + 86400;
  const auto again = uids(generate(september));
  ASSERT_THAT(again, Not(IsEmpty()));
  for (const auto& uid : again) {
    EXPECT_THAT(uid, StartsWith("200709"));
    EXPECT_NE(std::find(all.begin(), all.end(), uid), all.end()) << uid;
  }

  // Other rules or another place are other events.
  auto israel = september;
  israel.inIsrael = true;
  auto ashkenazi = september;
  ashkenazi.ashkenaziNames = true;
  auto renamed = september;
  renamed.placeName = "Jerusalem";
  auto moved = september;
  moved.place.latitude = 31.77;
  for (const auto& other : {israel, ashkenazi, renamed, moved}) {
    for (const auto& uid : uids(generate(other)))
      EXPECT_EQ(std::find(again.begin(), again.end(), uid), again.end()) << uid;
  }
}

TEST_F(IcsWriterTest, StampIsWrittenInUtc) {
  const struct {
    int64_t stamp;
    std::string written;
  } cases[] = {
      {0, "19700101T000000Z"},
      {kStamp, "20231114T221320Z"},
      {951782400, "20000229T000000Z"},
      {253402300799, "99991231T235959Z"},
  };
  for (const auto& c : cases) {
    auto run = request(1, 2007, "1");
    run.stamp = c.stamp;
    for (const auto& event : readIcs(generate(run)).events)
      EXPECT_EQ(event.at("DTSTAMP"), c.written);
  }
}

TEST(IcsStampTest, SourceDateEpochGivesTheStamp) {
  const testing::ScopedVariable epoch("SOURCE_DATE_EPOCH", "1700000000");
  EXPECT_EQ(icsStampNow(), 1700000000);
  ::setenv("SOURCE_DATE_EPOCH", "0", 1);
  EXPECT_EQ(icsStampNow(), 0);
  for (const char* bad : {"17e8", "-1", " 1", "253402300800", "99999999999999999999"}) {
    ::setenv("SOURCE_DATE_EPOCH", bad, 1);
    EXPECT_THROW(icsStampNow(), ConversionError) << bad;
  }
  ::unsetenv("SOURCE_DATE_EPOCH");
  EXPECT_GT(icsStampNow(), 1700000000);  // the clock
}

TEST_F(IcsWriterTest, LogsAsTheDocumentWriterDoes) {
  generate(request(11, 2007, "3"));
  EXPECT_THAT(log, ElementsAre("Starting to generate...", "1 of 3 months was generated",
                               "2 of 3 months was generated", "3 of 3 months was generated",
                               "Generating process done"));
}

// The callers let no such count through; the file is still one calendar.
TEST_F(IcsWriterTest, CountBelowOneIsAWholeCalendarWithoutEvents) {
  for (const char* count : {"0", "-3"}) {
    log.clear();
    const std::string file = generate(request(1, 2007, count));
    EXPECT_THAT(file, StartsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_THAT(file, EndsWith("Sephardi names\r\nEND:VCALENDAR\r\n"));
    EXPECT_THAT(log, ElementsAre("Starting to generate...", "Generating process done"));
  }
}

TEST_F(IcsWriterTest, RefusalsAndBadCountsWriteNothing) {
  std::string out;
  EXPECT_EQ(run(request(1, 9999, "13"), out), RunOutcome::Refused);
  EXPECT_EQ(run(request(1, 0, "1"), out), RunOutcome::Refused);
  EXPECT_THAT(log, ElementsAre("Year out of range", "Year out of range"));
  EXPECT_THROW(run(request(1, 2007, "twelve"), out), ConversionError);
  EXPECT_EQ(out, "");
}

class IcsFileTest : public IcsWriterTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(programDir);
    writeFile(programDir / "Parsh.htm", "portions");
    writeFile(programDir / "locco.dat", "places");
  }

  RunOutcome runToFile(const IcsCalendarRequest& request, const std::string& path) {
    return writeIcsCalendarFile(request, path, programDir,
                                [this](std::string_view line) { log.emplace_back(line); });
  }

  ScratchFolder scratch;
  std::filesystem::path folder = std::filesystem::canonical(scratch.path()) / "out";
  std::filesystem::path programDir = std::filesystem::canonical(scratch.path()) / "program";
};

TEST_F(IcsFileTest, WritesTheSameBytesIntoTheFileReplacingAnEarlierOne) {
  std::filesystem::create_directories(folder);
  std::string streamed;
  run(request(1, 2007, "2"), streamed);
  log.clear();
  const auto path = folder / "calendar.ics";
  writeFile(path, "an earlier calendar");

  EXPECT_EQ(runToFile(request(1, 2007, "2"), path.string()), RunOutcome::Written);
  EXPECT_EQ(readFile(path), streamed);
  icalendar.addFile(path);
  EXPECT_THAT(log, ElementsAre("Starting to generate...", "1 of 2 months was generated",
                               "2 of 2 months was generated", "Generating process done"));
  EXPECT_EQ(folderEntries(folder), std::set<std::string>{"calendar.ics"});
}

TEST_F(IcsFileTest, RelativePathIsTakenFromTheCurrentDirectory) {
  std::filesystem::create_directories(folder);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  const auto outcome = runToFile(request(1, 2007, "1"), "year.ics");
  std::filesystem::current_path(previous);
  EXPECT_EQ(outcome, RunOutcome::Written);
  EXPECT_THAT(readFile(folder / "year.ics"), EndsWith("END:VCALENDAR\r\n"));
}

TEST_F(IcsFileTest, PathsThatCannotBeWrittenLeaveEverythingAsItWas) {
  std::filesystem::create_directories(folder / "a folder.ics");
  writeFile(folder / "calendar.ics", "an earlier calendar");

  // The files the program reads beside itself, there or not yet, in any letter case.
  for (const std::string& path :
       {std::string(), (programDir / "Parsh.htm").string(), (programDir / "LOCCO.DAT").string(),
        (programDir / "uto.dat").string(), (folder / ".." / "program" / "lat.dat").string()}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(runToFile(request(1, 2007, "1"), path), RunOutcome::Refused);
    EXPECT_THAT(log, ElementsAre("Bad filename or path"));
    log.clear();
  }
  EXPECT_EQ(folderEntries(programDir), (std::set<std::string>{"Parsh.htm", "locco.dat"}));
  EXPECT_EQ(readFile(programDir / "locco.dat"), "places");
  EXPECT_EQ(runToFile(request(1, 9999, "13"), (folder / "calendar.ics").string()),
            RunOutcome::Refused);
  EXPECT_THAT(log, ElementsAre("Year out of range"));
  log.clear();
  for (const auto& path : {folder / "missing" / "calendar.ics", folder / "a folder.ics"}) {
    SCOPED_TRACE(path);
    EXPECT_THROW(runToFile(request(1, 2007, "1"), path.string()), FileError);
  }
  EXPECT_THAT(log, IsEmpty());
  EXPECT_EQ(readFile(folder / "calendar.ics"), "an earlier calendar");
  EXPECT_EQ(folderEntries(folder), (std::set<std::string>{"a folder.ics", "calendar.ics"}));
}

}  // namespace
}  // namespace tevorin
