#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "sun/location_list.h"
#include "tests/support/cli_copy.h"
#include "tests/support/cli_run.h"
#include "tests/support/ics_reading.h"
#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

using testing::CliRun;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using testing::folderEntries;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using testing::readFile;
using testing::readIcs;
using ::testing::StartsWith;
using testing::unescapedText;
using testing::writeFile;

constexpr char kEpoch[] = "SOURCE_DATE_EPOCH=1700000000 ";
constexpr char kLog[] =
    "Starting to generate...\n1 of 2 months was generated\n2 of 2 months was generated\n"
    "Generating process done\n";

// The categories a file holds, and its calendar's name.
std::set<std::string> categories(const std::string& file) {
  std::set<std::string> found;
  for (const auto& event : readIcs(file).events) found.insert(event.at("CATEGORIES"));
  return found;
}
std::string calendarName(const std::string& file) {
  return unescapedText(readIcs(file).properties["X-WR-CALNAME"]);
}

class CliIcsTest : public testing::CliCopyTest {
 protected:
  void TearDown() override { icalendar.check(); }

  // Runs `tevorin-cli ics args`; shell is put before the program.
  CliRun run(const std::string& args, const std::string& shell = kEpoch) const {
    return runInOutputDir("ics " + args, shell);
  }

  // The file of a run that is expected to succeed, read by python3-icalendar at the end.
  std::string written(const std::string& args) {
    const auto result = run(args + " --out calendar.ics");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string file = readFile(output);
    icalendar.add(file);
    return file;
  }

  std::filesystem::path output = outputDir / "calendar.ics";
  testing::IcalendarReading icalendar;
};

TEST_F(CliIcsTest, WritesTheFileAtTheDefaultPlaceWithTheLogOnStderr) {
  const auto result = run("--month 9 --year 2007 --months 2 --out calendar.ics");

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, kLog);
  const std::string file = readFile(output);
  icalendar.add(file);
  EXPECT_EQ(calendarName(file), "Tevorin: Jerusalem, Israel - diaspora rules, Sephardi names");
  EXPECT_THAT(file, HasSubstr("\r\nSUMMARY:Rosh Hashanah\r\n"));
  EXPECT_THAT(file, HasSubstr("\r\nSUMMARY:Simchat Torah\r\n"));
  EXPECT_THAT(file, EndsWith("END:VCALENDAR\r\n"));
  EXPECT_EQ(folderEntries(outputDir), std::set<std::string>{"calendar.ics"});
}

TEST_F(CliIcsTest, DashWritesTheSameBytesToStdout) {
  const std::string file = written("--month 9 --year 2007 --months 2 --sun");
  const auto result = run("--month 9 --year 2007 --months 2 --sun --out -");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, file);
  EXPECT_EQ(result.err, kLog);
  EXPECT_EQ(folderEntries(outputDir), std::set<std::string>{"calendar.ics"});
}

TEST_F(CliIcsTest, FlagsChooseTheEventsAndTheRules) {
  const struct {
    std::string flags;
    std::set<std::string> categories;
    std::string name;
  } cases[] = {
      {"", {"Holiday or fast", "Omer", "Weekly portion"}, "diaspora rules, Sephardi names"},
      {"--sun --hebrew-dates",
       {"Hebrew date", "Holiday or fast", "Omer", "Weekly portion", "Sun times"},
       "diaspora rules, Sephardi names"},
      {"--no-holidays", {"Omer", "Weekly portion"}, "diaspora rules, Sephardi names"},
      {"--no-portions --no-omer", {"Holiday or fast"}, "diaspora rules, Sephardi names"},
      {"--no-holidays --no-portions --no-omer --sun",
       {"Sun times"},
       "diaspora rules, Sephardi names"},
      {"--israel --ashkenazi",
       {"Holiday or fast", "Omer", "Weekly portion"},
       "Israel rules, Ashkenazi names"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flags);
    const std::string file = written("--month 4 --year 2008 --months 1 " + c.flags);
    EXPECT_EQ(categories(file), c.categories);
    EXPECT_EQ(calendarName(file), "Tevorin: Jerusalem, Israel - " + c.name);
  }
}

TEST_F(CliIcsTest, PlaceComesFromAnIndexOrFromNumbers) {
  const struct {
    std::string option;
    std::string place;
    std::string firstSunrise;  // 1 June 2007
  } cases[] = {
      {"--place 7615", "New York, United States", "20070601T092800Z"},
      {"--lat 40.71 --lon -74.01 --utc -5", "40.71, -74.01", "20070601T092800Z"},
      {"--place 4935", "Jerusalem, Israel", "20070601T023600Z"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    const std::string file = written("--month 6 --year 2007 --months 1 --sun " + c.option);
    EXPECT_EQ(calendarName(file), "Tevorin: " + c.place + " - diaspora rules, Sephardi names");
    EXPECT_THAT(file, HasSubstr("\r\nDTSTART:" + c.firstSunrise + "\r\n"));
  }
}

TEST_F(CliIcsTest, SourceDateEpochMakesTheFileReproducible) {
  const std::string first = written("--month 1 --year 2007 --months 12 --sun --hebrew-dates");
  const std::string second = written("--month 1 --year 2007 --months 12 --sun --hebrew-dates");
  EXPECT_EQ(first, second);
  const auto events = readIcs(first).events;
  ASSERT_THAT(events, Not(IsEmpty()));
  for (const auto& event : events) EXPECT_EQ(event.at("DTSTAMP"), "20231114T221320Z");

  const auto result =
      run("--month 1 --year 2007 --months 1 --out calendar.ics", "SOURCE_DATE_EPOCH=soon ");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err,
            "tevorin-cli ics: SOURCE_DATE_EPOCH: 'soon' is not a whole number of seconds since "
            "1970\n");
}

TEST_F(CliIcsTest, FailuresExitNonZeroWithTheirText) {
  const std::string missingFolder = (outputDir / "missing" / "calendar.ics").string();
  const std::string folder = (outputDir / "folder.ics").string();
  const std::string placeFile = (programDir / "uto.dat").string();
  const std::string places = readFile(placeFile);
  std::filesystem::create_directories(folder);
  const struct {
    std::string args;
    int status;
    std::string err;
  } cases[] = {
      {"--month 1 --year 2007 --months 1", 2, "tevorin-cli ics: --out is required\n"},
      {"--month 13 --year 2007 --months 1 --out c.ics", 2,
       "tevorin-cli ics: --month: '13' is outside 1..12\n"},
      {"--month 1 --year 2007 --months 0 --out c.ics", 2,
       "tevorin-cli ics: --months: '0' is outside 1..1000\n"},
      {"--month 1 --year 2007 --months 1001 --out c.ics", 2,
       "tevorin-cli ics: --months: '1001' is outside 1..1000\n"},
      {"--month 1 --year 2007x --months 1 --out c.ics", 2,
       "tevorin-cli ics: --year: '2007x' is not a valid integer value\n"},
      {"--month 1 --year 2007 --months 1 --out c.ics --place 3 --lat 1 --lon 2 --utc 3", 2,
       "tevorin-cli ics: --place and --lat, --lon, --utc exclude each other\n"},
      {"--month 1 --year 2007 --months 1 --out c.ics --place 12428", 2,
       "tevorin-cli ics: --place: '12428' is outside 0..12427\n"},
      {"--month 1 --year 2007 --months 1 --out c.ics --colour red", 2,
       "tevorin-cli ics: unknown option --colour\n"},
      {"--month 1 --year 2007 --months 1 --out c.ics --sun --sun", 2,
       "tevorin-cli ics: --sun is given twice\n"},
      {"--month 1 --year 2007 --months 1 --out c.ics extra", 2,
       "tevorin-cli ics: unexpected argument 'extra'\n"},
      {"--month 1 --year 2007 --months 1 --out c.ics --no-holidays --no-portions --no-omer", 2,
       "tevorin-cli ics: --no-holidays, --no-portions and --no-omer leave no events to write\n"},
      {"--month 1 --year 9999 --months 13 --out c.ics", 1, "Year out of range\n"},
      {"--month 1 --year 2007 --months 1 --out " + placeFile, 1, "Bad filename or path\n"},
      {"--month 1 --year 2007 --months 1 --out " + missingFolder, 1,
       "tevorin-cli ics: Cannot create file '" + missingFolder + "': No such file or directory\n"},
      {"--month 1 --year 2007 --months 1 --out " + folder, 1,
       "tevorin-cli ics: Cannot create file '" + folder + "': Is a directory\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const auto result = run(c.args);
    EXPECT_EQ(result.exitCode, c.status);
    EXPECT_EQ(c.status == 2 ? testing::beforeUsage(result.err, "ics") : result.err, c.err);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(folderEntries(outputDir), std::set<std::string>{"folder.ics"});
  }
  EXPECT_EQ(readFile(placeFile), places);
}

// A disk that fills up half-way (here a limit on file size) must not cost the earlier file.
TEST_F(CliIcsTest, WriteFailureHalfWayKeepsTheEarlierFile) {
  writeFile(output, "an earlier calendar");
  const auto result = run("--month 1 --year 2007 --months 12 --sun --out calendar.ics",
                          std::string(kEpoch) + "trap '' XFSZ; ulimit -f 40; ");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, EndsWith("tevorin-cli ics: Cannot write file '" + output.string() +
                                   "': File too large\n"));
  EXPECT_THAT(result.err, Not(HasSubstr("Generating process done")));
  EXPECT_EQ(readFile(output), "an earlier calendar");
  EXPECT_EQ(folderEntries(outputDir), std::set<std::string>{"calendar.ics"});
}

}  // namespace
}  // namespace tevorin
