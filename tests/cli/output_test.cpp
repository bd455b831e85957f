#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/cli_run.h"

namespace {

using tevorin::testing::CliRun;
using tevorin::testing::runCli;

// A full disk, or no output at all: a closed stdout stays a failure although the program puts a
// descriptor in its place.
TEST(CliOutput, OutputThatCannotBeWrittenIsAFailureOfEveryCommand) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  const struct {
    const char* command;
    const char* err;
  } cases[] = {
      {"days 2007-01-01 2007-12-31", "tevorin-cli days: the output could not be written\n"},
      {"today", "tevorin-cli today: the output could not be written\n"},
      {"places york", "tevorin-cli places: the output could not be written\n"},
      {"ics --month 1 --year 2007 --months 2 --out -",
       "Starting to generate...\ntevorin-cli ics: the output could not be written\n"},
  };
  for (const auto& c : cases) {
    for (const char* redirection : {">/dev/full", ">&-"}) {
      SCOPED_TRACE(std::string(c.command) + " " + redirection);
      const CliRun run = runCli(std::string(c.command) + " " + redirection);
      EXPECT_EQ(run.exitCode, 1);
      EXPECT_EQ(run.err, c.err);
    }
  }
}

}  // namespace
