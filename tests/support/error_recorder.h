#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/shell/error_report.h"
#include "tests/support/qt_application.h"

namespace tevorin::testing {

// The application, and a recorder in place of the error message box for the test's length.
class ErrorRecordingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensureApplication();
    setErrorReporter([this](const std::string& message) { errors.push_back(message); });
  }

  void TearDown() override {
    setErrorReporter([](const std::string& message) {
      ADD_FAILURE() << "error reported outside a test: " << message;
    });
  }

  std::vector<std::string> errors;
};

}  // namespace tevorin::testing
