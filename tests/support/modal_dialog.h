#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace tevorin::testing {

// Runs act on the modal dialog as soon as the event loop of exec() shows it; a watch still waiting
// ends with owner, when one is given.
inline void whenModal(std::function<void(QWidget*)> act, QObject* owner = nullptr) {
  auto* timer = new QTimer(owner);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      act(modal);
    }
  });
  timer->start(10);
}

}  // namespace tevorin::testing
