#include "app/shell/error_report.h"

#include <QMessageBox>
#include <exception>

namespace tevorin {

namespace {

void showMessageBox(const std::string& message) {
  QMessageBox box(QMessageBox::Critical, kApplicationTitle, QString::fromLocal8Bit(message),
                  QMessageBox::Ok, QApplication::activeWindow());
  // A message quotes what the user's files hold: shown as written, never as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

ErrorReporter& currentReporter() {
  static ErrorReporter reporter = showMessageBox;
  return reporter;
}

std::string& lastMessage() {
  static std::string message;
  return message;
}

}  // namespace

void reportError(const std::string& message) {
  lastMessage() = message;
  currentReporter()(message);
}

const std::string& lastReportedError() {
  return lastMessage();
}

void setErrorReporter(ErrorReporter reporter) {
  currentReporter() = reporter ? std::move(reporter) : ErrorReporter(showMessageBox);
  lastMessage().clear();
}

ErrorReportingApplication::ErrorReportingApplication(int& argc, char** argv)
    : QApplication(argc, argv) {}

bool ErrorReportingApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    reportError(error.what());
    return false;
  }
}

}  // namespace tevorin
