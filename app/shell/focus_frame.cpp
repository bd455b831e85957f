#include "app/shell/focus_frame.h"

#include <QEvent>
#include <QFrame>

namespace tevorin {

namespace {

class FrameWhenFocused : public QObject {
 public:
  explicit FrameWhenFocused(QFrame* frame)
      : QObject(frame), style_(frame->frameStyle()), width_(frame->lineWidth()) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* frame = static_cast<QFrame*>(watched);
    if (event->type() == QEvent::FocusIn) {
      frame->setFrameStyle(QFrame::Box | QFrame::Plain);
      frame->setLineWidth(1);
    } else if (event->type() == QEvent::FocusOut) {
      frame->setFrameStyle(style_);
      frame->setLineWidth(width_);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  const int style_;
  const int width_;
};

}  // namespace

void frameWhenFocused(QFrame* frame) {
  frame->installEventFilter(new FrameWhenFocused(frame));
}

}  // namespace tevorin
