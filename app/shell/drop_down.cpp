#include "app/shell/drop_down.h"

#include <QComboBox>
#include <QEvent>

namespace tevorin {

namespace {

class WheelOnlyWithFocus : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
      event->ignore();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void takeWheelOnlyWithFocus(QComboBox* dropDown) {
  dropDown->setFocusPolicy(Qt::StrongFocus);
  dropDown->installEventFilter(new WheelOnlyWithFocus(dropDown));
}

}  // namespace tevorin
