#pragma once

#include <QLabel>

class QEvent;

namespace tevorin {

// A label that opens a web address, reachable from the keyboard: it takes the focus with Tab or a
// click, shows it with a frame, and a screen reader knows it as a link with the given name, which
// it can press. The window opens the address on a click, Enter or Space.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  LinkLabel(const QString& text, const QString& spokenName, QWidget* parent = nullptr);
};

// True when the event asks the link to open: a left click inside it, or Enter or Space.
bool opensLink(const QLabel* link, const QEvent* event);

}  // namespace tevorin
