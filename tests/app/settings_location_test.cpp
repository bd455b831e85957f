#include "app/settings_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/scoped_variable.h"
#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

namespace fs = std::filesystem;

using testing::ScopedVariable;
using testing::ScratchFolder;
using testing::writeFile;

// Paths relative to the scratch folder: "bin" holds the program, "home" is the user's home, "xdg"
// a configuration folder of the user's choice.
TEST(SettingsLocation, BesideAPortableProgramThatCanWriteThereElseInTheUsersFolder) {
  struct Case {
    const char* what;
    bool dataBeside;
    bool writable;
    std::optional<std::string> xdg;  // relative to the scratch folder unless it is "" or "conf"
    bool home;
    bool iniBeside;
    bool iniInUsersFolder;
    const char* file;
    const char* readFrom;
  };
  const std::string xdg = "xdg";
  const Case cases[] = {
      {"a writable portable folder", true, true, xdg, true, true, false, "bin/tvrn.ini",
       "bin/tvrn.ini"},
      {"a read-only portable folder", true, false, xdg, true, false, false, "xdg/tevorin/tvrn.ini",
       "xdg/tevorin/tvrn.ini"},
      {"a read-only portable folder with tvrn.ini: its values start the user's file", true, false,
       xdg, true, true, false, "xdg/tevorin/tvrn.ini", "bin/tvrn.ini"},
      {"a read-only portable folder with tvrn.ini, once the user's file exists", true, false, xdg,
       true, true, true, "xdg/tevorin/tvrn.ini", "xdg/tevorin/tvrn.ini"},
      {"installed, run by a user who may write the program's folder (root)", false, true, xdg, true,
       false, false, "xdg/tevorin/tvrn.ini", "xdg/tevorin/tvrn.ini"},
      {"installed, XDG_CONFIG_HOME not set", false, false, std::nullopt, true, false, false,
       "home/.config/tevorin/tvrn.ini", "home/.config/tevorin/tvrn.ini"},
      {"installed, XDG_CONFIG_HOME empty", false, false, "", true, false, false,
       "home/.config/tevorin/tvrn.ini", "home/.config/tevorin/tvrn.ini"},
      {"installed, XDG_CONFIG_HOME relative", false, false, "conf", true, false, false,
       "home/.config/tevorin/tvrn.ini", "home/.config/tevorin/tvrn.ini"},
      {"installed, without a home folder", false, false, std::nullopt, false, false, false,
       "bin/tvrn.ini", "bin/tvrn.ini"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ScratchFolder scratch;
    const fs::path& root = scratch.path();
    fs::create_directories(root / "bin");
    if (c.iniBeside) writeFile(root / "bin" / "tvrn.ini", "[CHMonth]\r\nYear=2010\r\n");
    if (c.iniInUsersFolder) {
      fs::create_directories(root / "xdg" / "tevorin");
      writeFile(root / "xdg" / "tevorin" / "tvrn.ini", "[CHMonth]\r\nYear=2011\r\n");
    }
    SettingsFacts facts;
    facts.programDir = root / "bin";
    facts.dataBeside = c.dataBeside;
    facts.programDirWritable = c.writable;
    if (c.xdg)
      facts.xdgConfigHome = c.xdg->empty() || *c.xdg == "conf" ? *c.xdg : (root / *c.xdg).string();
    if (c.home) facts.home = (root / "home").string();

    const SettingsLocation found = findSettings(facts);
    EXPECT_EQ(found.file, root / c.file);
    EXPECT_EQ(found.readFrom, root / c.readFrom);
  }
}

TEST(SettingsLocation, TheRunsFactsComeFromTheEnvironmentAndTheFolder) {
  const ScratchFolder scratch;
  const ScopedVariable xdg("XDG_CONFIG_HOME", "/elsewhere/config");
  const ScopedVariable home("HOME", "/elsewhere/home");
  SettingsFacts facts = settingsFactsFor(scratch.path(), scratch.path());
  EXPECT_TRUE(facts.dataBeside);
  EXPECT_TRUE(facts.programDirWritable);
  EXPECT_EQ(facts.xdgConfigHome, "/elsewhere/config");
  EXPECT_EQ(facts.home, "/elsewhere/home");

  const ScopedVariable noXdg("XDG_CONFIG_HOME", nullptr);
  const ScopedVariable noHome("HOME", nullptr);
  facts = settingsFactsFor(scratch.path(), scratch.path() / "share");
  EXPECT_FALSE(facts.dataBeside);
  EXPECT_EQ(facts.xdgConfigHome, std::nullopt);
  // The password database knows the user's home.
  EXPECT_TRUE(facts.home && !facts.home->empty());
}

// As a user without rights to the folder: root may write anywhere, so the check runs in a child
// that has become "nobody".
TEST(SettingsLocation, AFolderTheUserMayNotChangeIsNotWritable) {
  const ScratchFolder scratch;
  const fs::path closed = scratch.path() / "closed";
  const fs::path open = scratch.path() / "open";
  fs::create_directories(closed);
  fs::create_directories(open);
  ::chmod(scratch.path().c_str(), 0755);
  ::chmod(closed.c_str(), 0555);
  ::chmod(open.c_str(), 0777);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(10);
    const bool closedWritable = settingsFactsFor(closed, closed).programDirWritable;
    const bool openWritable = settingsFactsFor(open, open).programDirWritable;
    ::_exit((closedWritable ? 1 : 0) | (openWritable ? 0 : 2));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_NE(WEXITSTATUS(status), 10) << "cannot become nobody";
  EXPECT_EQ(WEXITSTATUS(status) & 1, 0) << "a folder of mode 0555 counted as writable";
  EXPECT_EQ(WEXITSTATUS(status) & 2, 0) << "a folder of mode 0777 counted as read-only";
}

TEST(SettingsLocation, FoldersAreMadeForTheFileOpenToTheirOwnerOnly) {
  const ScratchFolder scratch;
  const fs::path file = scratch.path() / "home" / ".config" / "tevorin" / "tvrn.ini";
  makeFoldersFor(file);
  EXPECT_TRUE(fs::is_directory(file.parent_path()));
  EXPECT_FALSE(fs::exists(file));
  for (const fs::path& folder : {file.parent_path(), scratch.path() / "home"}) {
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700U) << folder;
  }
}

}  // namespace
}  // namespace tevorin
