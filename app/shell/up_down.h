#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace tevorin {

// Up-down arrows attached to a text field: each press steps the field's number by one inside
// [minimum, maximum], never wrapping, and writes it back as plain digits (which runs the field's
// change handler). The arrow keys in the field do the same. The arrows take their names for a
// screen reader from the field's own, which is given first.
class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(QLineEdit* field, int minimum, int maximum, QWidget* parent = nullptr);

  void stepUp() { step(+1); }
  void stepDown() { step(-1); }

 signals:
  // The mouse pressed one of the arrows; the step follows.
  void arrowPressed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void step(int delta);

  QLineEdit* field_;
  int minimum_;
  int maximum_;
  int position_;
  QToolButton* up_;
  QToolButton* down_;
};

// Up-down arrows named name, 15 pixels wide, right beside the field.
UpDown* upDownBeside(const char* name, QLineEdit* field, int minimum, int maximum, QWidget* parent);

}  // namespace tevorin
