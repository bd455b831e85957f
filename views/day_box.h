#pragma once

#include <QColor>
#include <QString>
#include <QTextEdit>

namespace tevorin {

// How one appended line looks: its colour, weight, how many pixels taller than the box's normal
// text it is, and its paragraph alignment.
struct LineStyle {
  QRgb color;
  bool bold;
  int extraPixels;
  Qt::Alignment alignment;
};

// A day box of the month page: read-only rich text whose lines each carry their own style, and the
// day's detail text kept beside it (shown in the message bar, never as a tooltip).
class DayBox : public QTextEdit {
  Q_OBJECT

 public:
  explicit DayBox(QWidget* parent = nullptr);

  // Appends one paragraph at the end of the box.
  void appendLine(const QString& text, const LineStyle& style);
  void setBackground(const QColor& color);

  const QString& hint() const { return hint_; }
  void setHint(const QString& hint) { hint_ = hint; }

  // The box whose detail the message bar shows; a screen reader hears of the change.
  bool isSelected() const { return selected_; }
  void setSelected(bool selected);

 signals:
  // The box gained the keyboard focus.
  void entered();
  // The box lost the keyboard focus.
  void left();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QString hint_;
  bool selected_ = false;
};

// The container of the 42 boxes, which a screen reader knows as the list of the month's days.
class DayGrid : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

// How a screen reader sees the grid and its boxes: a list named for the month, whose items are
// the 42 boxes, each named for all it says. Installed once, before the first box is made.
void installDayAccessibility();

}  // namespace tevorin
