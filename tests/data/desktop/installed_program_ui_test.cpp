// The build installed into a scratch prefix, as a package or `cmake --install` installs it.
#include <gtest/gtest.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "app/settings_file.h"
#include "common/product.h"
#include "tests/support/cli_run.h"
#include "tests/support/program_run.h"
#include "tests/support/scratch_folder.h"

namespace tevorin::testing {
namespace {

namespace fs = std::filesystem;

std::string firstLineOfManual(const fs::path& page) {
  const std::string command = "zcat '" + page.string() + "'";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return "";
  char line[256] = "";
  if (std::fgets(line, sizeof line, pipe) == nullptr) line[0] = '\0';
  ::pclose(pipe);
  return line;
}

class InstalledProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string command = std::string("'") + CMAKE_COMMAND + "' --install '" +
                                TEVORIN_BUILD_DIR + "' --prefix '" + prefix_.string() +
                                "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }

  std::set<std::string> installedFiles() const {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(prefix_))
      if (!entry.is_directory()) files.insert(fs::relative(entry.path(), prefix_).string());
    return files;
  }

  ScratchFolder scratch_;
  const fs::path prefix_ = scratch_.path() / "usr";
  const std::string id_ = kApplicationId;
};

TEST_F(InstalledProgram, HoldsTheProgramsTheirDataAndTheDesktopFilesOnly) {
  std::set<std::string> expected = {
      "bin/tevorin",
      "bin/tevorin-cli",
      "share/applications/" + id_ + ".desktop",
      "share/metainfo/" + id_ + ".metainfo.xml",
      "share/icons/hicolor/scalable/apps/" + id_ + ".svg",
      "share/man/man1/tevorin.1.gz",
      "share/man/man1/tevorin-cli.1.gz",
      "share/doc/tevorin/LICENSE",
      "share/doc/tevorin/NOTICE",
      "share/doc/tevorin/copyright",
      "share/doc/tevorin/changelog.gz",
      "share/tevorin/NOTICE",
      "share/tevorin/Parsh.htm",
      "share/tevorin/locco.dat",
      "share/tevorin/lat.dat",
      "share/tevorin/long.dat",
      "share/tevorin/uto.dat",
  };
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    expected.insert("share/icons/hicolor/" + folder + "/apps/" + id_ + ".png");
  }
  EXPECT_EQ(installedFiles(), expected);
}

TEST_F(InstalledProgram, DesktopFilesNameTheProgramItsIconAndItsVersion) {
  const std::string entry = readFile(prefix_ / "share/applications" / (id_ + ".desktop"));
  EXPECT_NE(entry.find("\nExec=tevorin\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nIcon=" + id_ + "\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nCategories=Office;Calendar;Qt;\n"), std::string::npos) << entry;

  const std::string metainfo = readFile(prefix_ / "share/metainfo" / (id_ + ".metainfo.xml"));
  EXPECT_NE(metainfo.find("<id>" + id_ + "</id>"), std::string::npos);
  EXPECT_NE(metainfo.find(">" + id_ + ".desktop</launchable>"), std::string::npos);
  EXPECT_NE(metainfo.find("<release version=\"" + std::string(kVersion) + "\""), std::string::npos);

  for (const char* page : {"tevorin.1.gz", "tevorin-cli.1.gz"}) {
    const std::string heading = firstLineOfManual(prefix_ / "share/man/man1" / page);
    EXPECT_NE(heading.find("\"Tevorin " + std::string(kVersion) + "\""), std::string::npos)
        << heading;
  }
}

// Debian's checkers, where they are installed.
TEST_F(InstalledProgram, DesktopFilesPassTheirValidators) {
  struct Check {
    const char* tool;
    std::string command;
  };
  const Check checks[] = {
      {"/usr/bin/desktop-file-validate",
       "desktop-file-validate '" + (prefix_ / "share/applications" / (id_ + ".desktop")).string() +
           "'"},
      {"/usr/bin/appstreamcli",
       "appstreamcli validate --no-net '" +
           (prefix_ / "share/metainfo" / (id_ + ".metainfo.xml")).string() + "'"},
  };
  int run = 0;
  for (const Check& check : checks) {
    if (!fs::exists(check.tool)) continue;
    ++run;
    EXPECT_EQ(std::system((check.command + " >/dev/null").c_str()), 0) << check.command;
  }
  if (run == 0) GTEST_SKIP() << "neither desktop-file-validate nor appstreamcli is installed";
}

TEST_F(InstalledProgram, TheCommandLineFindsThePlacesInShare) {
  const CliRun run = runCli("places jerusalem", prefix_ / "bin");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "4935\tJerusalem, Israel\t31.78\t35.22\t2\n");
}

// Installed, the program keeps its settings in the user's folder even for a user who may write
// the program's folder, as root may.
TEST_F(InstalledProgram, TheWindowFindsItsDataAndKeepsItsSettingsInTheUsersFolder) {
  const fs::path runtime = scratch_.path() / "run";
  const fs::path home = scratch_.path() / "home";
  fs::create_directories(runtime);
  fs::permissions(runtime, fs::perms::owner_all);
  ProgramRun program(prefix_ / "bin" / "tevorin",
                     {"XDG_RUNTIME_DIR=" + runtime.string(), "HOME=" + home.string()});
  ASSERT_TRUE(waitUntilListening(runtime));
  program.signal(SIGTERM);
  EXPECT_EQ(program.waitForEnd(), 0);
  const fs::path settings = home / ".config" / "tevorin" / "tvrn.ini";
  // The default place is found, so the place files were read from share/tevorin.
  EXPECT_EQ(SettingsFile::read(settings).value("Location", "ListCountry", ""), "4935");
  EXPECT_FALSE(fs::exists(prefix_ / "bin" / "tvrn.ini"));
}

}  // namespace
}  // namespace tevorin::testing
