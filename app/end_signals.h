#pragma once

#include <QObject>

class QSocketNotifier;

namespace tevorin {

// SIGTERM, SIGHUP and SIGINT (the session's end, a closed terminal, Ctrl+C) end the run as a closed
// window does: the event loop ends, the window is destroyed and FormDestroy writes the settings.
// One object per process.
class EndOnSignals : public QObject {
  Q_OBJECT

 public:
  // Catches the signals from now on; those that come before listen() wait for it.
  explicit EndOnSignals(QObject* parent = nullptr);
  ~EndOnSignals() override;

  // From the event loop's next pass on, a caught signal quits it. Called just before the loop
  // starts: a quit before it would be lost, as would one from a yield inside the window's creation.
  void listen();

 private:
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tevorin
