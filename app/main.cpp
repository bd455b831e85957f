#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "app/end_signals.h"
#include "app/main_window.h"
#include "app/one_copy.h"
#include "app/program_resources.h"
#include "app/settings_location.h"
#include "app/shell/error_report.h"
#include "common/product.h"
#include "common/program_folders.h"
#include "common/standard_streams.h"
#include "views/tray_display.h"

namespace {

// The window, while the event loop runs.
tevorin::TForm1* runningWindow = nullptr;

// Qt ends the process with exit() when the X server goes away, as at the end of a session without
// a session manager: the window still exists then, but no message can be shown.
void saveSettingsAtExit() {
  if (runningWindow == nullptr) return;
  try {
    runningWindow->saveSettings();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tevorin: %s\n", error.what());
  }
}

}  // namespace

int main(int argc, char** argv) {
  tevorin::openStandardStreams();
  tevorin::ErrorReportingApplication application(argc, argv);
  QCoreApplication::setApplicationName(tevorin::kApplicationTitle);
  QGuiApplication::setDesktopFileName(tevorin::kApplicationId);
  // Before the window exists: an end asked for from now on waits for the event loop.
  tevorin::EndOnSignals endOnSignals;

  const std::filesystem::path programDir = tevorin::programFolder();
  const std::filesystem::path dataDir = tevorin::dataFolder(programDir);
  const tevorin::SettingsLocation settings =
      tevorin::findSettings(tevorin::settingsFactsFor(programDir, dataDir));
  tevorin::OneCopy copy(settings.file);
  if (!copy.isFirst()) {
    if (copy.askFirstToShow()) return 0;
    tevorin::reportError("Tevorin is running already, but its window does not answer.");
    return 1;
  }

  // The pages are laid out to the pixel for Fusion's frames, whatever the desktop's style.
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QGuiApplication::setWindowIcon(tevorin::programIcon());
  try {
    tevorin::TForm1 form(dataDir, settings);
    QObject::connect(&copy, &tevorin::OneCopy::showRequested, form.Tray,
                     &tevorin::TrayDisplay::restoreWindow);
    // The session may end the program without closing its window once it has asked for this.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                     &tevorin::TForm1::writeSettings);
    form.show();
    copy.listen();
    endOnSignals.listen();
    // Registered last, so that it runs before what Qt set up for the window is torn down.
    runningWindow = &form;
    std::atexit(saveSettingsAtExit);
    const int status = application.exec();
    runningWindow = nullptr;
    return status;
  } catch (const std::exception& error) {
    // Only the window's construction gets here: errors of event handlers are reported by the
    // application, which goes on running.
    tevorin::reportError(error.what());
    return 1;
  }
}
