#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/cli_run.h"

namespace tevorin {
namespace {

using testing::beforeUsage;
using testing::CliRun;
using testing::lines;
using testing::runCli;

TEST(CliPlaces, PrintsIndexNameCoordinatesAndOffsetOfEveryMatch) {
  struct Row {
    const char* arguments;
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      {"places jerusalem", {"4935\tJerusalem, Israel\t31.78\t35.22\t2"}},
      {"places 'JERUSALEM, ISRAEL'", {"4935\tJerusalem, Israel\t31.78\t35.22\t2"}},
      {"places 'sao paulo, brazil'", {"9804\tSao Paulo, Brazil\t-23.55\t-46.6333\t-3"}},
      {"places 'Be'\\''er Ya'\\''akov'", {"1196\tBe'er Ya'akov, Israel\t31.9436\t34.8392\t2"}},
      // The words of a name need no quotes.
      {"places west new york", {"11846\tWest New York, United States\t40.7857\t-74.0094\t-5"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.arguments);
    const CliRun run = runCli(row.arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(lines(run.out), row.expected);
    EXPECT_EQ(run.err, "");
  }
}

// What a user types, with its accents, in UTF-8 or (a terminal of its own) in Latin-1.
TEST(CliPlaces, FindsTheNameWithoutRegardToAccentsOrCase) {
  struct Row {
    const char* typed;
    const char* found;
  };
  const Row rows[] = {
      {"Zürich", "12419\tZurich, Switzerland\t"},
      {"ZÜRICH", "12419\tZurich, Switzerland\t"},
      {"z\xfcrich", "12419\tZurich, Switzerland\t"},
      {"São Paulo", "9804\tSao Paulo, Brazil\t"},
      {"Kraków", "5729\tKrakow, Poland\t"},
      {"ŁÓDŹ", "6244\tLodz, Poland\t"},
      {"Be\u2019er Ya\u2019akov", "1196\tBe'er Ya'akov, Israel\t"},
      {"Montréal", "7191\tMontreal, Canada\t"},
      {"Timișoara", "\tTimisoara, Romania\t"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    const CliRun run = runCli(std::string("places '") + row.typed + "'");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(row.found), std::string::npos) << run.out;
  }
}

TEST(CliPlaces, WithoutTextListsEveryPlaceInFileOrder) {
  const std::vector<std::string> all = lines(runCli("places").out);
  ASSERT_EQ(all.size(), 12428U);
  EXPECT_EQ(all.front().rfind("0\t", 0), 0U);
  EXPECT_EQ(all[4935], "4935\tJerusalem, Israel\t31.78\t35.22\t2");
  EXPECT_EQ(all.back().rfind("12427\t", 0), 0U);
}

TEST(CliPlaces, PrintedIndexIsThePlaceOfTodayAndDays) {
  const std::string found = runCli("places 'New York, United States'").out;
  ASSERT_NE(found.find("\n7615\tNew York, United States\t40.6943\t-73.9249\t-5\n"),
            std::string::npos)
      << found;
  EXPECT_EQ(runCli("days 2007-06-21 2007-06-21 --place 7615").out,
            runCli("days 2007-06-21 2007-06-21 --lat 40.6943 --lon -73.9249 --utc -5").out);
  EXPECT_NE(runCli("today --place 7615").out.find("New York"), std::string::npos);
}

TEST(CliPlaces, NoMatchAndBadArgumentsAreRefused) {
  struct Row {
    const char* arguments;
    int exitCode;
    const char* message;
  };
  const Row rows[] = {
      {"places atlantis", 1, "tevorin-cli places: no place matches 'atlantis'\n"},
      {"places --country israel", 2, "tevorin-cli places: unknown option --country\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.arguments);
    const CliRun run = runCli(row.arguments);
    EXPECT_EQ(run.exitCode, row.exitCode);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(beforeUsage(run.err, "places"), row.message);
  }
}

// The program beside place files of its own.
class CliPlacesFiles : public ::testing::Test {
 protected:
  void SetUp() override { testing::copyBuiltCli(dir_); }

  testing::ScratchFolder scratch_;
  const std::filesystem::path& dir_ = scratch_.path();
};

TEST_F(CliPlacesFiles, ShortNumberFilesLeaveEmptyColumnsAndMissingFilesFail) {
  testing::writeFile(dir_ / "locco.dat", "Alpha, A\r\nBeta, B\r\n");
  testing::writeFile(dir_ / "lat.dat", " 1.5 \r\n-2.5\r\n");
  testing::writeFile(dir_ / "long.dat", "10.25\r\n");
  testing::writeFile(dir_ / "uto.dat", "2\r\n");
  const CliRun run = runCli("places a", dir_);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(lines(run.out),
            (std::vector<std::string>{"0\tAlpha, A\t1.5\t10.25\t2", "1\tBeta, B\t-2.5\t\t"}));

  std::filesystem::remove(dir_ / "uto.dat");
  const CliRun missing = runCli("places a", dir_);
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err,
            "tevorin-cli places: Cannot open file " + (dir_ / "uto.dat").string() + "\n");
}

}  // namespace
}  // namespace tevorin
