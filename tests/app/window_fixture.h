#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/error_report.h"
#include "app/main_window.h"
#include "sun/location_list.h"
#include "tests/support/qt_application.h"

namespace tevorin::testing {

namespace fs = std::filesystem;

// A program folder of its own for each test, and a recorder in place of the error message box.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensureApplication();
    static int serial = 0;
    dir_ = fs::temp_directory_path() /
           ("tevorin-window-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    setErrorReporter([this](const std::string& message) { errors.push_back(message); });
  }

  void TearDown() override {
    setErrorReporter([](const std::string& message) {
      ADD_FAILURE() << "error reported outside a test: " << message;
    });
    fs::remove_all(dir_);
  }

  void writeFile(const std::string& name, const std::string& text) const {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }

  std::string readFile(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // The place files that ship with the program.
  void copyShippedPlaces() const {
    for (const char* name : kPlaceFiles)
      fs::copy_file(fs::path(TEVORIN_BIN_DIR) / name, dir_ / name);
  }

  // Three small places: "Alpha, A" (1.5, 10.25, 2), "Beta, B" (-2.5, -20, -5), "Gamma, C" (3, 30,
  // 0).
  void writeSmallPlaces() const {
    writeFile("locco.dat", "Alpha, A\r\nBeta, B\r\nGamma, C\r\n");
    writeFile("lat.dat", "1.5\r\n-2.5\r\n3\r\n");
    writeFile("long.dat", "10.25\r\n-20\r\n30\r\n");
    writeFile("uto.dat", "2\r\n-5\r\n0\r\n");
  }

  std::unique_ptr<TForm1> openWindow() const { return std::make_unique<TForm1>(dir_); }

  fs::path dir_;
  std::vector<std::string> errors;
};

}  // namespace tevorin::testing
