#include "app/shell/up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/shell/field_text.h"
#include "common/number_text.h"

namespace tevorin {

namespace {

// The field's number as the field's own handlers read it; the arrows then continue from what the
// user typed. A text that is no number leaves the arrows where they were.
bool readFieldNumber(const QLineEdit* field, int& value) {
  try {
    value = fieldNumber(field);
    return true;
  } catch (const ConversionError&) {
    return false;
  }
}

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  return button;
}

}  // namespace

UpDown::UpDown(QLineEdit* field, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), field_(field), minimum_(minimum), maximum_(maximum), position_(minimum) {
  readFieldNumber(field_, position_);
  position_ = std::clamp(position_, minimum_, maximum_);
  up_ = arrowButton(Qt::UpArrow, this);
  down_ = arrowButton(Qt::DownArrow, this);
  // "Year up", "Year down": the field is named first.
  up_->setAccessibleName(field_->accessibleName() + " up");
  down_->setAccessibleName(field_->accessibleName() + " down");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
  connect(up_, &QToolButton::pressed, this, &UpDown::arrowPressed);
  connect(down_, &QToolButton::pressed, this, &UpDown::arrowPressed);
  connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
  connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
  field_->installEventFilter(this);
}

void UpDown::step(int delta) {
  int value = position_;
  if (readFieldNumber(field_, value)) position_ = std::clamp(value, minimum_, maximum_);
  position_ = std::clamp(position_ + delta, minimum_, maximum_);
  field_->setText(QString::fromStdString(integerText(position_)));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      step(key == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

UpDown* upDownBeside(const char* name, QLineEdit* field, int minimum, int maximum,
                     QWidget* parent) {
  auto* arrows = new UpDown(field, minimum, maximum, parent);
  arrows->setObjectName(name);
  const QRect beside = field->geometry();
  arrows->setGeometry(beside.right() + 1, beside.top(), 15, beside.height());
  return arrows;
}

}  // namespace tevorin
