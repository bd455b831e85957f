#include "common/program_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

namespace fs = std::filesystem;

TEST(DataFolder, BesideTheProgramFirstThenInstalled) {
  struct Case {
    const char* what;
    bool beside;
    bool installed;
    const char* expected;  // relative to the scratch folder
  };
  const Case cases[] = {
      {"a build or portable folder", true, false, "bin"},
      {"an installed program", false, true, "share/tevorin"},
      {"both: the copy beside the program wins", true, true, "bin"},
      {"neither: where a portable program looks", false, false, "bin"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const testing::ScratchFolder scratch;
    const fs::path bin = scratch.path() / "bin";
    const fs::path share = scratch.path() / "share" / "tevorin";
    fs::create_directories(bin);
    fs::create_directories(share);
    if (c.beside) testing::writeFile(bin / "locco.dat", "Alpha, A\r\n");
    if (c.installed) testing::writeFile(share / "locco.dat", "Alpha, A\r\n");
    EXPECT_EQ(dataFolder(bin), scratch.path() / c.expected);
  }
}

TEST(ProgramFolder, IsTheFolderOfTheRunningProgram) {
  EXPECT_TRUE(fs::equivalent(programFolder() / "tevorin_common_tests",
                             TEVORIN_BIN_DIR "/tevorin_common_tests"));
}

}  // namespace
}  // namespace tevorin
