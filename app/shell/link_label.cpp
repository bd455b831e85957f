#include "app/shell/link_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "app/shell/focus_frame.h"

namespace tevorin {

namespace {

// Pressing it, the screen reader's way, is what Space does from the keyboard.
class LinkAccessible : public QAccessibleWidget {
 public:
  explicit LinkAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << pressAction();
  }
  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    QCoreApplication::postEvent(widget(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
  }
};

QAccessibleInterface* linkAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String("tevorin::LinkLabel")) return nullptr;
  return new LinkAccessible(static_cast<QLabel*>(object));
}

}  // namespace

LinkLabel::LinkLabel(const QString& text, const QString& spokenName, QWidget* parent)
    : QLabel(text, parent) {
  [[maybe_unused]] static const bool factoryInstalled =
      (QAccessible::installFactory(linkAccessible), true);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(spokenName);
  frameWhenFocused(this);
}

bool opensLink(const QLabel* link, const QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint());
  }
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
         (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
          key->key() == Qt::Key_Space);
}

}  // namespace tevorin
