// The built program as the user starts it: its settings at the ends a session brings, one copy
// per settings file, and the settings of a program in a folder it cannot write.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/settings_file.h"
#include "tests/support/program_run.h"
#include "tests/support/scratch_folder.h"

namespace tevorin::testing {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

class RunningProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ::chmod(root_.c_str(), 0755);
    fs::create_directories(runtime_);
    ::chmod(runtime_.c_str(), 0700);
  }

  // The folders the program may write as the user "nobody".
  void giveToNobody(const fs::path& folder) const {
    fs::create_directories(folder);
    if (::geteuid() == 0) [[maybe_unused]]
      const int ignored = ::chown(folder.c_str(), kNobody, kNobody);
  }

  std::vector<std::string> environment() const {
    return {"XDG_RUNTIME_DIR=" + runtime_.string(), "HOME=" + home_.string()};
  }

  ScratchFolder scratch_;
  const fs::path& root_ = scratch_.path();
  const fs::path runtime_ = root_ / "run";
  const fs::path home_ = root_ / "home";
};

std::string value(const fs::path& file, const char* section, const char* key) {
  return SettingsFile::read(file).value(section, key, "(none)");
}

TEST_F(RunningProgram, SettingsAreWrittenWhenTheProgramIsAskedToEnd) {
  for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(::strsignal(number));
    const fs::path bin = root_ / ("bin-" + std::to_string(number));
    copyBuiltProgram(bin);
    writeFile(bin / "tvrn.ini", "[Location]\r\nListCountry=7615\r\n[Mine]\r\nKeep=1\r\n");
    ProgramRun program(bin / "tevorin", environment());
    ASSERT_TRUE(waitUntilListening(runtime_));
    program.signal(number);
    EXPECT_EQ(program.waitForEnd(), 0);
    const fs::path file = bin / "tvrn.ini";
    EXPECT_EQ(value(file, "Location", "ListCountry"), "7615");
    EXPECT_EQ(value(file, "Mine", "Keep"), "1");
    EXPECT_EQ(value(file, "Generate", "NoMonthsGen"), "1");
    EXPECT_EQ(value(file, "CHMonth", "Year"), "2007");
    fs::remove_all(runtime_);
    fs::create_directories(runtime_);
  }
}

// A session without a session manager ends with the X server; Qt then ends the program at once.
TEST_F(RunningProgram, SettingsAreWrittenWhenTheDisplayGoesAway) {
  const fs::path xvfb = "/usr/bin/Xvfb";
  if (!fs::exists(xvfb)) GTEST_SKIP() << "no Xvfb";
  const fs::path displayFile = root_ / "display";
  ProgramRun server(xvfb, {}, false,
                    {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "800x600x24"},
                    displayFile);
  std::string display;
  for (int i = 0; i < 1000 && display.empty(); ++i) {
    display = readFile(displayFile);
    if (display.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_FALSE(display.empty()) << "the virtual display did not start";
  display.erase(display.find_last_not_of("\n") + 1);

  const fs::path bin = root_ / "bin";
  copyBuiltProgram(bin);
  writeFile(bin / "tvrn.ini", "[Location]\r\nListCountry=7615\r\n");
  std::vector<std::string> env = environment();
  env.insert(env.begin(), {"QT_QPA_PLATFORM=xcb", "DISPLAY=:" + display});
  ProgramRun program(bin / "tevorin", env);
  ASSERT_TRUE(waitUntilListening(runtime_));
  server.signal(SIGTERM);
  EXPECT_NE(program.waitForEnd(), -1) << "the program did not end";
  EXPECT_EQ(value(bin / "tvrn.ini", "Location", "ListCountry"), "7615");
  EXPECT_EQ(value(bin / "tvrn.ini", "CHMonth", "Year"), "2007");
}

TEST_F(RunningProgram, ALaterStartBringsTheWindowForwardOnTodayAndEnds) {
  const fs::path bin = root_ / "bin";
  copyBuiltProgram(bin);
  writeFile(bin / "tvrn.ini", "[CHMonth]\r\nMonth=1\r\nYear=2007\r\n");
  ProgramRun first(bin / "tevorin", environment());
  ASSERT_TRUE(waitUntilListening(runtime_));

  ProgramRun later(bin / "tevorin", environment());
  EXPECT_EQ(later.waitForEnd(), 0);
  EXPECT_TRUE(first.running());

  // The restore shows today's month, which the settings then keep. It follows the answer, once
  // the window has been activated or half a second has passed without that.
  std::this_thread::sleep_for(std::chrono::seconds(2));
  const std::time_t now = std::time(nullptr);
  std::tm today{};
  ::localtime_r(&now, &today);
  first.signal(SIGTERM);
  EXPECT_EQ(first.waitForEnd(), 0);
  EXPECT_EQ(value(bin / "tvrn.ini", "CHMonth", "Year"), std::to_string(today.tm_year + 1900));
  EXPECT_EQ(value(bin / "tvrn.ini", "CHMonth", "Month"), std::to_string(today.tm_mon));
}

TEST_F(RunningProgram, CopiesWithOtherSettingsFilesRunSideBySide) {
  copyBuiltProgram(root_ / "one");
  copyBuiltProgram(root_ / "two");
  ProgramRun one(root_ / "one" / "tevorin", environment());
  ProgramRun two(root_ / "two" / "tevorin", environment());
  ASSERT_TRUE(waitUntilListening(runtime_, 2));
  EXPECT_TRUE(one.running());
  EXPECT_TRUE(two.running());
  one.signal(SIGTERM);
  two.signal(SIGTERM);
  EXPECT_EQ(one.waitForEnd(), 0);
  EXPECT_EQ(two.waitForEnd(), 0);
  EXPECT_TRUE(fs::exists(root_ / "one" / "tvrn.ini"));
  EXPECT_TRUE(fs::exists(root_ / "two" / "tvrn.ini"));
}

// Run by a user who may not write the program's folder: "nobody" when the tests run as root.
TEST_F(RunningProgram, AProgramInAFolderItCannotWriteKeepsItsSettingsInTheUsersFolder) {
  struct Case {
    const char* what;
    bool xdgConfigHome;
    const char* iniBeside;  // nullptr: none
    const char* expectedPlace;
  };
  const Case cases[] = {
      {"XDG_CONFIG_HOME not set", false, nullptr, "4935"},
      {"XDG_CONFIG_HOME set", true, nullptr, "4935"},
      {"tvrn.ini beside the program gives the first values", false,
       "[Location]\r\nListCountry=7615\r\n", "7615"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path bin = root_ / "bin";
    fs::remove_all(bin);
    fs::remove_all(home_);
    fs::remove_all(root_ / "xdg");
    copyBuiltProgram(bin);
    if (c.iniBeside) writeFile(bin / "tvrn.ini", c.iniBeside);
    if (::geteuid() != 0) ::chmod(bin.c_str(), 0555);
    giveToNobody(home_);
    giveToNobody(root_ / "xdg");
    giveToNobody(runtime_);
    std::vector<std::string> env = environment();
    if (c.xdgConfigHome) env.push_back("XDG_CONFIG_HOME=" + (root_ / "xdg").string());

    ProgramRun program(bin / "tevorin", env, true);
    ASSERT_TRUE(waitUntilListening(runtime_));
    program.signal(SIGTERM);
    EXPECT_EQ(program.waitForEnd(), 0);
    const fs::path expected =
        (c.xdgConfigHome ? root_ / "xdg" : home_ / ".config") / "tevorin" / "tvrn.ini";
    EXPECT_EQ(value(expected, "Location", "ListCountry"), c.expectedPlace);
    EXPECT_EQ(readFile(bin / "tvrn.ini"), c.iniBeside ? c.iniBeside : "");
    EXPECT_EQ(fs::exists(bin / "tvrn.ini"), c.iniBeside != nullptr);
    ::chmod(bin.c_str(), 0755);
    fs::remove_all(runtime_);
  }
}

}  // namespace
}  // namespace tevorin::testing
