// The conventions of the command line: help and version on stdout, refusals on stderr.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/cli_run.h"

namespace {

using tevorin::testing::beforeUsage;
using tevorin::testing::CliRun;
using tevorin::testing::runCli;

constexpr const char* kCommands[] = {"days", "html", "ics", "today", "places"};

TEST(CliHelp, OverviewGoesToStdoutWithEveryCommand) {
  for (const char* arguments : {"--help", "-h", "help"}) {
    SCOPED_TRACE(arguments);
    const CliRun run = runCli(arguments);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("tevorin-cli 1.5: ", 0), 0U) << run.out;
    EXPECT_NE(run.out.find("\nusage:\n"), std::string::npos) << run.out;
    for (const char* command : kCommands)
      EXPECT_NE(run.out.find("\n  tevorin-cli " + std::string(command) + " "), std::string::npos)
          << command;
    EXPECT_NE(run.out.find("tevorin-cli help [COMMAND]"), std::string::npos);
  }
}

TEST(CliHelp, CommandHelpStartsWithItsUsage) {
  for (const char* command : kCommands) {
    for (const std::string& arguments :
         {std::string("help ") + command, std::string(command) + " --help",
          std::string(command) + " -h"}) {
      SCOPED_TRACE(arguments);
      const CliRun run = runCli(arguments);
      EXPECT_EQ(run.exitCode, 0);
      EXPECT_EQ(run.err, "");
      EXPECT_EQ(run.out.rfind("usage: tevorin-cli " + std::string(command) + " ", 0), 0U)
          << run.out;
      // More than the usage line: what the command prints.
      EXPECT_GT(run.out.find('\n'), 0U);
      EXPECT_NE(run.out.find('\n'), run.out.size() - 1) << run.out;
    }
  }
}

TEST(CliHelp, VersionIsOneLine) {
  const CliRun run = runCli("--version");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "tevorin-cli 1.5\n");
  EXPECT_EQ(run.err, "");
}

TEST(CliHelp, ACommandsRefusalIsFollowedByItsUsage) {
  struct Row {
    const char* command;
    const char* arguments;
    const char* fault;
  };
  const Row rows[] = {
      {"days", "days 2007-01-01", "tevorin-cli days: needs two dates, FROM and TO (YYYY-MM-DD)\n"},
      {"html", "html --month 1", "tevorin-cli html: --year is required\n"},
      {"ics", "ics --month 1 --year 2007 --months 1 --out - --sun --sun",
       "tevorin-cli ics: --sun is given twice\n"},
      {"today", "today soon", "tevorin-cli today: unexpected argument 'soon'\n"},
      {"places", "places --near 3", "tevorin-cli places: unknown option --near\n"},
      // Help for a command is asked for alone; with other arguments it is an unknown option.
      {"days", "days 2007-01-01 2007-01-02 --help", "tevorin-cli days: unknown option --help\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.arguments);
    const CliRun run = runCli(row.arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(beforeUsage(run.err, row.command), row.fault) << run.err;
    EXPECT_NE(beforeUsage(run.err, row.command), run.err) << "no usage line after the fault";
  }
}

}  // namespace
