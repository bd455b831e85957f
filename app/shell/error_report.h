#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace tevorin {

// The application title: taskbar button and message boxes.
inline constexpr char kApplicationTitle[] = "Tevorin";

// Shows the text of an error that ended an event handler.
using ErrorReporter = std::function<void(const std::string& message)>;

// Reports an error the way the application's top level does: one modal message box titled
// "Tevorin", or whatever setErrorReporter put in its place.
void reportError(const std::string& message);
// The text of the error reported last, empty before the first.
const std::string& lastReportedError();
// Replaces the message box, e.g. by a recorder in tests; an empty reporter restores the box. The
// new reporter has shown nothing yet: lastReportedError() is empty again.
void setErrorReporter(ErrorReporter reporter);

// The toolkit's application: an exception that escapes an event handler ends that handler only, is
// reported, and the program goes on.
class ErrorReportingApplication : public QApplication {
  Q_OBJECT

 public:
  ErrorReportingApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace tevorin
