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
};

}  // namespace tevorin
