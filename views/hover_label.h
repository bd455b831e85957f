#pragma once

#include <QLabel>

namespace tevorin {

// A label whose text turns bold while the mouse pointer is over it.
class HoverLabel : public QLabel {
  Q_OBJECT

 public:
  explicit HoverLabel(const QString& text, QWidget* parent = nullptr);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void setBold(bool bold);
};

}  // namespace tevorin
