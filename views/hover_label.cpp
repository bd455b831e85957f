#include "views/hover_label.h"

namespace tevorin {

HoverLabel::HoverLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  // The headers show what the engine and the place files hold, never markup.
  setTextFormat(Qt::PlainText);
  setMouseTracking(true);
}

void HoverLabel::mouseMoveEvent(QMouseEvent* event) {
  setBold(true);
  QLabel::mouseMoveEvent(event);
}

void HoverLabel::leaveEvent(QEvent* event) {
  setBold(false);
  QLabel::leaveEvent(event);
}

void HoverLabel::setBold(bool bold) {
  if (font().bold() == bold) return;
  QFont styled = font();
  styled.setBold(bold);
  setFont(styled);
}

}  // namespace tevorin
