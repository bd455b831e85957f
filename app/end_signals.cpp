#include "app/end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace tevorin {

namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The handler only wakes the event loop through this pipe: nothing else is safe inside it.
int endPipe[2] = {-1, -1};

extern "C" void noteEndSignal(int) {
  const int saved = errno;
  const char byte = 1;
  // A full pipe already holds a wake-up.
  [[maybe_unused]] const ssize_t ignored = ::write(endPipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

EndOnSignals::EndOnSignals(QObject* parent) : QObject(parent) {
  if (::pipe2(endPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  struct sigaction action {};
  action.sa_handler = noteEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kEndSignals) ::sigaction(signal, &action, nullptr);

  notifier_ = new QSocketNotifier(endPipe[0], QSocketNotifier::Read, this);
  notifier_->setEnabled(false);
  connect(notifier_, &QSocketNotifier::activated, this, [] {
    char bytes[16];
    while (::read(endPipe[0], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::quit();
  });
}

EndOnSignals::~EndOnSignals() {
  if (notifier_ == nullptr) return;
  // From here on the signals end the process at once, as they would without this object.
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (const int signal : kEndSignals) ::sigaction(signal, &action, nullptr);
  delete notifier_;
  ::close(endPipe[0]);
  ::close(endPipe[1]);
  endPipe[0] = endPipe[1] = -1;
}

void EndOnSignals::listen() {
  if (notifier_ != nullptr) notifier_->setEnabled(true);
}

}  // namespace tevorin
