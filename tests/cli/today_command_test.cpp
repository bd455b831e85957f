#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/cli_run.h"
#include "tests/support/fifo_watch.h"

namespace tevorin {
namespace {

using testing::CliRun;
using testing::runCli;

// The clock is set with faketime, which the sanitizer runtime must let go first.
constexpr char kSeptember17[] =
    "ASAN_OPTIONS=verify_asan_link_order=0 faketime '2007-09-17 12:00:00' ";

bool haveFaketime() {
  return std::system("command -v faketime >/dev/null 2>&1") == 0;
}

TEST(CliToday, PrintsTheTooltipTextForToday) {
  if (!haveFaketime()) GTEST_SKIP() << "faketime is not installed (make test installs it)";
  struct Case {
    const char* arguments;
    const char* printed;
  };
  const Case cases[] = {
      {"today", "September 17, 2007 - 5 Tishri 5768\n5:25/17:41 @ Jerusalem\n"},
      {"today --place 4935", "September 17, 2007 - 5 Tishri 5768\n5:25/17:41 @ Jerusalem\n"},
      {"today --place 12427", "September 17, 2007 - 5 Tishri 5768\n5:02/17:32 @ Zyryanovsk\n"},
      // Given numbers name no place.
      {"today --lat 40.71 --lon -74.01 --utc -5",
       "September 17, 2007 - 5 Tishri 5768\n5:39/18:01 @ \n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CliRun run = runCli(c.arguments, TEVORIN_BIN_DIR, kSeptember17);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, c.printed);
  }
}

TEST(CliToday, RefusesWhatItCannotFollow) {
  struct Case {
    const char* arguments;
    int exitCode;
    const char* complaint;
  };
  const Case cases[] = {
      {"today --place 99999", 2, "--place: '99999' is outside 0..12427"},
      {"today --place -1", 2, "--place: '-1' is outside 0..12427"},
      {"today --place x", 2, "--place: 'x' is not a valid integer value"},
      {"today --place", 2, "--place needs a value after it"},
      {"today --place 1 --place 2", 2, "--place is given twice"},
      {"today --place 1 --lat 3 --lon 4 --utc 1", 2, "exclude each other"},
      {"today --lat 3", 2, "must be given together"},
      {"today --israel", 2, "unknown option --israel"},
      {"today tomorrow", 2, "unexpected argument 'tomorrow'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CliRun run = runCli(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find(c.complaint), std::string::npos) << run.err;
  }
}

// The program beside place files that cannot give today's place.
class CliTodayPlaceFiles : public ::testing::Test {
 protected:
  void SetUp() override { testing::copyBuiltCli(dir_); }

  void writePlaces(const char* names, const char* latitudes) {
    testing::writeFile(dir_ / "locco.dat", names);
    testing::writeFile(dir_ / "lat.dat", latitudes);
    testing::writeFile(dir_ / "long.dat", "35.22\r\n");
    testing::writeFile(dir_ / "uto.dat", "2\r\n");
  }

  testing::ScratchFolder scratch_;
  const std::filesystem::path& dir_ = scratch_.path();
};

TEST_F(CliTodayPlaceFiles, ReportsAFailureAsOne) {
  struct Case {
    const char* what;
    const char* names;  // nullptr: no place files at all
    const char* latitudes;
    const char* arguments;
    const char* complaint;
  };
  const Case cases[] = {
      {"no place files", nullptr, nullptr, "today", "Cannot open file "},
      {"too few places for the default", "Jerusalem, Israel\r\n", "31.78\r\n", "today",
       "the default place 4935 is outside 0..0"},
      {"an empty place list", "", "", "today --place 0", "'0' is outside an empty place list"},
      {"a latitude that is not a number", "Jerusalem, Israel\r\n", "31,78\r\n", "today --place 0",
       "'31,78' is not a valid floating point value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.names) writePlaces(c.names, c.latitudes);
    const CliRun run = runCli(c.arguments, dir_);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find(c.complaint), std::string::npos) << run.err;
  }
}

// A FIFO in a place file's place would keep the program waiting for a writer for ever.
TEST_F(CliTodayPlaceFiles, APlaceFileThatIsNoFileIsRefusedAtOnce) {
  writePlaces("Jerusalem, Israel\r\n", "31.78\r\n");
  std::filesystem::remove(dir_ / "lat.dat");
  testing::makeFifo(dir_ / "lat.dat");
  const testing::FifoWatch watch(dir_ / "lat.dat");
  const CliRun run = runCli("today --place 0", dir_);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.empty()) << run.out;
  EXPECT_EQ(run.err, "tevorin-cli today: Cannot open file " + (dir_ / "lat.dat").string() + "\n");
}

}  // namespace
}  // namespace tevorin
