#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "sun/location_list.h"
#include "tests/support/error_recorder.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/shipped_places.h"

namespace tevorin::testing {

namespace fs = std::filesystem;

// A program folder of its own for each test, and a recorder in place of the error message box.
class WindowTest : public ErrorRecordingTest {
 protected:
  void writeFile(const std::string& name, const std::string& text) const {
    testing::writeFile(dir_ / name, text);
  }

  std::string readFile(const std::string& name) const { return testing::readFile(dir_ / name); }

  // The place files that ship with the program.
  void copyShippedPlaces() const { testing::copyShippedPlaces(dir_); }

  // Three small places: "Alpha, A" (1.5, 10.25, 2), "Beta, B" (-2.5, -20, -5), "Gamma, C" (3, 30,
  // 0).
  void writeSmallPlaces() const {
    writeFile("locco.dat", "Alpha, A\r\nBeta, B\r\nGamma, C\r\n");
    writeFile("lat.dat", "1.5\r\n-2.5\r\n3\r\n");
    writeFile("long.dat", "10.25\r\n-20\r\n30\r\n");
    writeFile("uto.dat", "2\r\n-5\r\n0\r\n");
  }

  std::unique_ptr<TForm1> openWindow() const { return std::make_unique<TForm1>(dir_); }

  ScratchFolder scratch_;
  const fs::path& dir_ = scratch_.path();
};

}  // namespace tevorin::testing
