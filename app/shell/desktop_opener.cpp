#include "app/shell/desktop_opener.h"

#include <QDir>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <memory>
#include <utility>

namespace tevorin {

namespace {

// A file is named by its full path, a web address as it is.
QString openerArgument(const std::string& target) {
  const QUrl url = QUrl::fromUserInput(QString::fromLocal8Bit(target), QDir::currentPath(),
                                       QUrl::AssumeLocalFile);
  return url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded);
}

}  // namespace

void openOnDesktop(const std::string& target, std::function<void(bool opened)> done,
                   std::chrono::milliseconds patience) {
  // Without a parent: a browser that the opener still waits for must not end with the program,
  // as it would when the program deleted the process.
  auto* opener = new QProcess;
  opener->setProgram("xdg-open");
  opener->setArguments({openerArgument(target)});
  opener->setProcessChannelMode(QProcess::ForwardedChannels);
  const auto answer = std::make_shared<std::function<void(bool)>>(std::move(done));
  const auto tell = [answer](bool opened) {
    if (!*answer) return;
    const auto once = std::exchange(*answer, nullptr);
    once(opened);
  };
  QObject::connect(opener, &QProcess::finished, opener,
                   [opener, tell](int status, QProcess::ExitStatus how) {
                     tell(how == QProcess::NormalExit && status == 0);
                     opener->deleteLater();
                   });
  QObject::connect(opener, &QProcess::errorOccurred, opener,
                   [opener, tell](QProcess::ProcessError why) {
                     if (why != QProcess::FailedToStart) return;
                     tell(false);
                     opener->deleteLater();
                   });
  QTimer::singleShot(patience, opener, [tell] { tell(true); });
  opener->start();
}

}  // namespace tevorin
