#include "app/one_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace tevorin {

namespace {

constexpr char kShowRequest[] = "show\n";
constexpr char kShowAnswer[] = "shown\n";

// The user's runtime folder, else the temporary folder with the user's number in the names.
QString guardPrefix() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  QString folder = runtime != nullptr && runtime[0] == '/' ? QFile::decodeName(runtime) : "/tmp";
  return folder + QString("/tevorin-%1-").arg(::geteuid());
}

// The same file reached along another path (a link to the program's folder) is the same copy.
QString settingsKey(const std::filesystem::path& settingsFile) {
  std::error_code ignored;
  std::filesystem::path file = std::filesystem::weakly_canonical(settingsFile, ignored);
  if (file.empty()) file = std::filesystem::absolute(settingsFile, ignored);
  const QByteArray hash = QCryptographicHash::hash(
      QFile::encodeName(QString::fromStdString(file.string())), QCryptographicHash::Sha256);
  return QString::fromLatin1(hash.toHex().left(16));
}

}  // namespace

OneCopy::OneCopy(const std::filesystem::path& settingsFile, QObject* parent) : QObject(parent) {
  const QString prefix = guardPrefix() + settingsKey(settingsFile);
  socketPath_ = prefix + ".socket";
  lockFile_ = ::open(QFile::encodeName(prefix + ".lock").constData(),
                     O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (lockFile_ < 0) return;
  // In a shared temporary folder another user may have made the file first: it is no lock of ours.
  struct stat info {};
  if (::fstat(lockFile_, &info) != 0 || info.st_uid != ::geteuid()) {
    ::close(lockFile_);
    lockFile_ = -1;
    return;
  }
  if (::flock(lockFile_, LOCK_EX | LOCK_NB) != 0) {
    first_ = errno != EWOULDBLOCK;
    ::close(lockFile_);
    lockFile_ = -1;
  }
}

void OneCopy::listen() {
  if (lockFile_ < 0) return;
  // Only the lock's holder touches the socket: one left by a copy that died goes first.
  QLocalServer::removeServer(socketPath_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &OneCopy::answer);
  server_->listen(socketPath_);
}

OneCopy::~OneCopy() {
  if (server_ != nullptr) server_->close();
  if (lockFile_ >= 0) ::close(lockFile_);
}

void OneCopy::answer() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->canReadLine()) return;
      const bool asked = socket->readLine() == kShowRequest;
      if (asked) socket->write(kShowAnswer);
      socket->disconnectFromServer();
      // The restore yields to the event loop, which may delete the socket under this handler.
      if (asked) QTimer::singleShot(0, this, &OneCopy::showRequested);
    });
  }
}

bool OneCopy::askFirstToShow(std::chrono::milliseconds wait) {
  const QDeadlineTimer deadline(wait);
  QLocalSocket socket;
  // The running copy listens once its window is made; until then the socket is missing.
  for (;;) {
    socket.connectToServer(socketPath_);
    if (socket.waitForConnected(int(deadline.remainingTime()))) break;
    if (deadline.hasExpired()) return false;
    QThread::msleep(50);
  }
  socket.write(kShowRequest);
  if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) return false;
  while (!socket.canReadLine()) {
    if (!socket.waitForReadyRead(int(deadline.remainingTime()))) return false;
  }
  return socket.readLine() == kShowAnswer;
}

}  // namespace tevorin
