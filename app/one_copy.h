#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <filesystem>

class QLocalServer;

namespace tevorin {

// One running copy of the program per settings file, so that one tray icon shows and one writer
// keeps the file: the first start holds a lock and listens; a later start with the same settings
// file asks it to bring its window forward and ends. Copies with other settings files, such as
// two portable folders, run side by side.
class OneCopy : public QObject {
  Q_OBJECT

 public:
  // Becomes the running copy for settingsFile, unless a live copy already is. The lock goes with
  // the process, however it ends.
  explicit OneCopy(const std::filesystem::path& settingsFile, QObject* parent = nullptr);
  ~OneCopy() override;

  // For the running copy, once its window can be brought forward: later starts are answered from
  // the event loop on. Until then they wait.
  void listen();

  // True when this copy is the running one (also when no lock could be made at all: then nothing
  // keeps a second copy out).
  bool isFirst() const { return first_; }

  // For a later copy: asks the running one to bring its window forward, and waits until it has
  // taken the request. False when it did not answer within the wait (the running copy may be
  // starting itself).
  bool askFirstToShow(std::chrono::milliseconds wait = std::chrono::seconds(10));

 signals:
  // A later start asked for the window.
  void showRequested();

 private:
  void answer();

  QString socketPath_;
  int lockFile_ = -1;
  bool first_ = true;
  QLocalServer* server_ = nullptr;
};

}  // namespace tevorin
