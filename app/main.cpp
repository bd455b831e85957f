#include <QFile>
#include <QStyleFactory>
#include <exception>

#include "app/main_window.h"
#include "app/program_resources.h"
#include "app/shell/error_report.h"
#include "common/standard_streams.h"

int main(int argc, char** argv) {
  tevorin::openStandardStreams();
  tevorin::ErrorReportingApplication application(argc, argv);
  QCoreApplication::setApplicationName(tevorin::kApplicationTitle);
  // The pages are laid out to the pixel for Fusion's frames, whatever the desktop's style.
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QGuiApplication::setWindowIcon(tevorin::programIcon());
  try {
    tevorin::TForm1 form(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    form.show();
    return application.exec();
  } catch (const std::exception& error) {
    // Only the window's construction gets here: errors of event handlers are reported by the
    // application, which goes on running.
    tevorin::reportError(error.what());
    return 1;
  }
}
