#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "sun/location_list.h"
#include "sun/sun_times.h"
#include "tests/support/cli_copy.h"
#include "tests/support/cli_run.h"
#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

using testing::CliRun;
using ::testing::EndsWith;
using testing::folderEntries;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::readFile;
using ::testing::StartsWith;
using testing::writeFile;

constexpr std::string_view kPortionsPage = "<HTML>portions</HTML>\r\n";

// The copy of the program beside a portions page of its own.
class CliHtmlTest : public testing::CliCopyTest {
 protected:
  void SetUp() override {
    CliCopyTest::SetUp();
    writeFile(programDir / "Parsh.htm", kPortionsPage);
  }

  // Runs `tevorin-cli html args`; shell is put before the program.
  CliRun run(const std::string& args, const std::string& shell = "") const {
    return runInOutputDir("html " + args, shell);
  }

  std::filesystem::path output = outputDir / "calendar.html";
};

TEST_F(CliHtmlTest, WritesTheDocumentAtTheDefaultPlaceWithTheLogOnStderr) {
  const auto result = run("--month 1 --year 2007 --months 2 --out calendar.html");

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err,
            "Starting to generate...\n1 of 2 months was generated\n2 of 2 months was generated\n"
            "Generating process done\n");
  LocationList places;
  loadLocationList(programDir, places);
  const std::string document = readFile(output);
  EXPECT_THAT(document, HasSubstr("<CAPTION><BIG>January 2007 (5767) - " +
                                  places.names[kDefaultPlaceIndex] + "</BIG>"));
  EXPECT_THAT(document, HasSubstr("<CAPTION><BIG>February 2007 (5767) - "));
  EXPECT_THAT(document, EndsWith("</HTML>\r\n"));
  EXPECT_EQ(readFile(outputDir / "Parshiyot.htm"), kPortionsPage);
}

TEST_F(CliHtmlTest, PlaceComesFromAnIndexOrFromNumbers) {
  LocationList places;
  loadLocationList(programDir, places);
  const struct {
    std::string option;
    std::string caption;
    std::string firstSunTimes;
  } cases[] = {
      {"--place 0", places.names[0], ""},
      {"--lat 40.71 --lon -74.01 --utc -5", "40.71, -74.01",
       computeSunTimes(40.71f, -74.01f, -5, 2007, 1, 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    ASSERT_EQ(run("--month 1 --year 2007 --months 1 --out calendar.html " + c.option).exitCode, 0);
    const std::string document = readFile(output);
    EXPECT_THAT(document, HasSubstr("(5767) - " + c.caption + "</BIG>"));
    if (!c.firstSunTimes.empty()) {
      EXPECT_THAT(document, HasSubstr("Tevet 11</P><font size=\"2\"><BR>" + c.firstSunTimes + "<"));
    }
  }
}

TEST_F(CliHtmlTest, FailuresExitNonZeroWithTheirText) {
  const std::string missingFolder = (outputDir / "missing" / "calendar.html").string();
  const struct {
    std::string args;
    int status;
    std::string err;
  } cases[] = {
      {"--month 1 --year 2007 --months 1", 2, "tevorin-cli html: --out is required\n"},
      {"--month 13 --year 2007 --months 1 --out c.html", 2,
       "tevorin-cli html: --month: '13' is outside 1..12\n"},
      {"--month 1 --year 2007 --months 1001 --out c.html", 2,
       "tevorin-cli html: --months: '1001' is outside 1..1000\n"},
      {"--month 1 --year 2007x --months 1 --out c.html", 2,
       "tevorin-cli html: --year: '2007x' is not a valid integer value\n"},
      {"--month 1 --year 2007 --months 1 --out c.html --place 3 --lat 1 --lon 2 --utc 3", 2,
       "tevorin-cli html: --place and --lat, --lon, --utc exclude each other\n"},
      {"--month 1 --year 2007 --months 1 --out c.html --colour red", 2,
       "tevorin-cli html: unknown option --colour\n"},
      {"--month 1 --year 2007 --months 1 --out c.html extra", 2,
       "tevorin-cli html: unexpected argument 'extra'\n"},
      {"--month 1 --year 9999 --months 13 --out c.html", 1, "Year out of range\n"},
      {"--month 1 --year 2007 --months 1 --out '" + (programDir / "locco.dat").string() + "'", 1,
       "Bad filename or path\n"},
      {"--month 1 --year 2007 --months 1 --out " + missingFolder, 1,
       "tevorin-cli html: Cannot create file '" + missingFolder + "': No such file or directory\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const auto result = run(c.args);
    EXPECT_EQ(result.exitCode, c.status);
    EXPECT_EQ(c.status == 2 ? testing::beforeUsage(result.err, "html") : result.err, c.err);
    EXPECT_TRUE(folderEntries(outputDir).empty());
  }
}

TEST_F(CliHtmlTest, MissingPortionsPageIsReportedAfterTheDocument) {
  std::filesystem::remove(programDir / "Parsh.htm");
  const auto result = run("--month 1 --year 2007 --months 1 --out calendar.html");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, EndsWith("1 of 1 months was generated\ntevorin-cli html: Cannot copy '" +
                                   (programDir / "Parsh.htm").string() + "' file to '" +
                                   (outputDir / "Parshiyot.htm").string() + "'!\n"));
  EXPECT_THAT(readFile(output), EndsWith("</HTML>\r\n"));
}

// A disk that fills up half-way (here a limit on file size) must not cost the earlier document.
TEST_F(CliHtmlTest, WriteFailureHalfWayKeepsTheEarlierDocument) {
  writeFile(output, "an earlier calendar");
  const auto result =
      run("--month 1 --year 2007 --months 12 --out calendar.html", "trap '' XFSZ; ulimit -f 40; ");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, EndsWith("tevorin-cli html: Cannot write file '" + output.string() +
                                   "': File too large\n"));
  EXPECT_THAT(result.err, Not(HasSubstr("12 of 12")));
  EXPECT_THAT(result.err, Not(HasSubstr("Generating process done")));
  EXPECT_EQ(readFile(output), "an earlier calendar");
  EXPECT_EQ(folderEntries(outputDir), std::set<std::string>{"calendar.html"});
}

// Daemons and schedulers may start the program with standard streams closed; the document must
// not take one of their numbers and receive the log lines.
TEST_F(CliHtmlTest, ClosedStandardStreamsStayOutOfTheDocument) {
  for (const char* closed : {"2>&-", "<&- >&- 2>&-"}) {
    SCOPED_TRACE(closed);
    const std::string command =
        "cd '" + outputDir.string() + "' && '" + (programDir / "tevorin-cli").string() +
        "' html --month 1 --year 2007 --months 2 --out calendar.html " + closed;
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string document = readFile(output);
    EXPECT_THAT(document, StartsWith("<HTML>\r\n"));
    EXPECT_THAT(document, Not(HasSubstr("Starting to generate")));
    EXPECT_THAT(document, Not(HasSubstr("months was generated")));
    EXPECT_THAT(document, EndsWith("</HTML>\r\n"));
  }
}

}  // namespace
}  // namespace tevorin
