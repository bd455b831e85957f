#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/cli_run.h"

namespace {

using tevorin::testing::beforeUsage;
using tevorin::testing::CliRun;
using tevorin::testing::lines;
using tevorin::testing::runCli;

TEST(CliDays, PrintsOneLinePerDayWithSevenColumns) {
  struct Row {
    const char* arguments;
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      {"days 2007-09-12 2007-09-13",
       {"2007-09-12\tWednesday\t29 Elul 5767\tErev Rosh Hashanah\t\t\t5:22/17:48",
        "2007-09-13\tThursday\t1 Tishri 5768\tRosh Hashanah\t\t\t5:23/17:46"}},
      {"days 2007-01-01 2007-01-01", {"2007-01-01\tMonday\t11 Tevet 5767\t\t\t\t6:41/16:44"}},
      {"days 2007-09-22 2007-09-22",
       {"2007-09-22\tSaturday\t10 Tishri 5768\tYom Kippur\t\t\t5:29/17:34"}},
      {"days 2006-10-21 2006-10-21 --ashkenazi",
       {"2006-10-21\tSaturday\t29 Tishri 5767\t\t\tBereshis\t5:48/16:58"}},
      {"days 2012-04-14 2012-04-14",
       {"2012-04-14\tSaturday\t22 Nisan 5772\tPesach\tOmer 7\t\t5:12/18:05"}},
      {"days 2012-04-14 2012-04-14 --israel",
       {"2012-04-14\tSaturday\t22 Nisan 5772\t\tOmer 7\tShmini\t5:12/18:05"}},
      {"days 2007-05-02 2007-05-03",
       {"2007-05-02\tWednesday\t14 Iyar 5767\tPesach Sheni\tOmer 29\t\t4:54/18:17",
        "2007-05-03\tThursday\t15 Iyar 5767\t\tOmer 30\t\t4:53/18:18"}},
      {"days 2008-05-23 2008-05-23",
       {"2008-05-23\tFriday\t18 Iyar 5768\t\tLag B'Omer\t\t4:39/18:32"}},
      {"days 2008-03-07 2008-03-08",
       {"2008-03-07\tFriday\t30 Adar I 5768\t\t\t\t6:00/17:39",
        "2008-03-08\tSaturday\t1 Adar II 5768\t\t\tPekudei\t5:59/17:40"}},
      {"days 2007-06-21 2007-06-21 --lat 40.71 --lon -74.01 --utc -5",
       {"2007-06-21\tThursday\t5 Tammuz 5767\t\t\t\t4:26/19:29"}},
      {"days 2007-06-21 2007-06-21 --place 7615",
       {"2007-06-21\tThursday\t5 Tammuz 5767\t\t\t\t4:26/19:28"}},
      {"days 2007-12-21 2007-12-21 --lat 78 --lon 15 --utc 1",
       {"2007-12-21\tFriday\t12 Tevet 5768\t\t\t\t--:--/--:--"}},
      {"days 0001-01-01 0001-01-01", {"0001-01-01\tMonday\t18 Tevet 3761\t\t\t\t6:40/16:39"}},
      {"days 9999-12-31 9999-12-31", {"9999-12-31\tFriday\t28 Heshvan 13760\t\t\t\t5:54/17:20"}},
  };
  for (const Row& row : rows) {
    const CliRun run = runCli(row.arguments);
    EXPECT_EQ(run.exitCode, 0) << row.arguments;
    EXPECT_EQ(lines(run.out), row.expected) << row.arguments;
    EXPECT_EQ(run.err, "") << row.arguments;
  }
}

TEST(CliDays, WholeSpanHasEveryDayOnce) {
  const CliRun run = runCli("days 1600-01-01 2500-12-31");
  ASSERT_EQ(run.exitCode, 0);
  const std::vector<std::string> all = lines(run.out);
  ASSERT_EQ(all.size(), 329084U);
  EXPECT_EQ(all.front(), "1600-01-01\tSaturday\t14 Tevet 5360\t\t\tVayechi\t6:41/16:42");
  EXPECT_EQ(all.back().substr(0, all.back().rfind('\t')), "2500-12-31\tFriday\t8 Tevet 6261\t\t\t");
}

TEST(CliDays, RefusesBadArgumentsWithOneLineThenTheUsageAndExitCodeTwo) {
  const char* bad[] = {
      "days",
      "days 2007-01-01",
      "days 2007-01-01 2007-01-02 2007-01-03",
      "days 2007-01-05 2007-01-01",
      "days 2007-02-30 2007-03-01",
      "days 2007-13-01 2007-13-02",
      "days 2007/01/01 2007-01-02",
      "days 2007-01-01 tomorrow",
      "days 0000-12-31 2007-01-01",
      "days 9999-12-31 10000-01-01",
      "days 99999999999-01-01 99999999999-01-02",
      "days 2007-01-01 2007-01-02 --bogus",
      "days 2007-01-01 2007-01-02 --israel --israel",
      "days 2007-01-01 2007-01-02 --lat 31,78 --lon 35.22 --utc 2",
      "days 2007-01-01 2007-01-02 --lat nan --lon 35.22 --utc 2",
      "days 2007-01-01 2007-01-02 --lat 91 --lon 35.22 --utc 2",
      "days 2007-01-01 2007-01-02 --lat 31.78",
      "days 2007-01-01 2007-01-02 --lat 31.78 --lon 35.22 --utc",
      "days 2007-01-01 2007-01-02 --place 12428",
      "days 2007-01-01 2007-01-02 --place x",
      "days 2007-01-01 2007-01-02 --place",
      "days 2007-01-01 2007-01-02 --place 1 --lat 31.78 --lon 35.22 --utc 2",
  };
  for (const char* arguments : bad) {
    const CliRun run = runCli(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
    const std::string fault = beforeUsage(run.err, "days");
    EXPECT_EQ(lines(fault).size(), 1U) << arguments << ": " << run.err;
    EXPECT_EQ(fault.rfind("tevorin-cli days: ", 0), 0U) << arguments << ": " << run.err;
    EXPECT_NE(fault, run.err) << arguments << ": no usage after the fault";
  }
}

TEST(CliDays, TellsTheReasonOfARefusal) {
  struct Row {
    const char* arguments;
    const char* message;
  };
  const Row rows[] = {
      {"days 2007-01-05 2007-01-01",
       "tevorin-cli days: TO (2007-01-01) is before FROM (2007-01-05)\n"},
      {"days 10000-01-01 10000-01-02",
       "tevorin-cli days: '10000-01-01': the year must lie within 1..9999\n"},
      {"days 2007-01-01 2007-01-02 --lat 31,78 --lon 35.22 --utc 2",
       "tevorin-cli days: --lat: '31,78' is not a valid floating point value\n"},
      {"days 2007-01-01 2007-01-02 --zone 2", "tevorin-cli days: unknown option --zone\n"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(beforeUsage(runCli(row.arguments).err, "days"), row.message);
}

TEST(Cli, WithoutAKnownCommandNamesTheFaultThenShowsUsage) {
  struct Row {
    const char* arguments;
    const char* fault;
  };
  const Row rows[] = {
      {"", "tevorin-cli: a command is needed"},
      {"weeks 2007-01-01 2007-01-02", "tevorin-cli: unknown command 'weeks'"},
      {"--days", "tevorin-cli: unknown command '--days'"},
      {"help weeks", "tevorin-cli: help: unknown command 'weeks'"},
      {"help days html", "tevorin-cli: help takes one command"},
      {"--version 2", "tevorin-cli: --version takes no arguments"},
  };
  for (const Row& row : rows) {
    const CliRun run = runCli(row.arguments);
    EXPECT_EQ(run.exitCode, 2) << row.arguments;
    EXPECT_EQ(run.out, "") << row.arguments;
    const std::vector<std::string> err = lines(run.err);
    ASSERT_GT(err.size(), 2U) << row.arguments;
    EXPECT_EQ(err[0], row.fault);
    EXPECT_EQ(err[1], "usage:");
    EXPECT_EQ(err[2].rfind("  tevorin-cli days FROM TO", 0), 0U) << row.arguments;
  }
}

}  // namespace
