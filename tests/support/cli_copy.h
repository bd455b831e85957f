#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/cli_run.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/shipped_places.h"

namespace tevorin::testing {

// A copy of the built tevorin-cli with the shipped place files, run from a folder of its own, so
// that each test controls what lies beside the program and sees all that a run writes.
class CliCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(programDir);
    std::filesystem::create_directories(outputDir);
    copyBuiltCli(programDir);
    copyShippedPlaces(programDir);
  }

  // Runs `tevorin-cli arguments` in the output folder; shellBefore is put before the program.
  CliRun runInOutputDir(const std::string& arguments, const std::string& shellBefore) const {
    return runCli(arguments, programDir, "cd '" + outputDir.string() + "' && " + shellBefore);
  }

  ScratchFolder scratch;
  std::filesystem::path programDir = scratch.path() / "program";
  std::filesystem::path outputDir = scratch.path() / "out";
};

}  // namespace tevorin::testing
