#pragma once

#include <QCoreApplication>

#include "app/shell/error_report.h"

namespace tevorin::testing {

// One application for the whole test program, with the error report of the real one; offscreen
// unless the environment names a platform.
inline void ensureApplication() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tevorin_ui_tests";
  static char* argv[] = {name, nullptr};
  new ErrorReportingApplication(argc, argv);
}

}  // namespace tevorin::testing
