#include "views/day_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontInfo>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace tevorin {

namespace {

constexpr int kSideMargin = 1;

// A day to be selected, not a text to be read line by line.
class DayBoxAccessible : public QAccessibleWidget {
 public:
  explicit DayBoxAccessible(DayBox* box) : QAccessibleWidget(box, QAccessible::ListItem) {}

  // Its text area and bars are the box's own business.
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.selectable = true;
    state.selected = static_cast<const DayBox*>(widget())->isSelected();
    return state;
  }
};

// Its items are the boxes alone, in their order, shown or not: the frame of the selection is
// only a look.
class DayGridAccessible : public QAccessibleWidget {
 public:
  explicit DayGridAccessible(DayGrid* grid) : QAccessibleWidget(grid, QAccessible::List) {}

  int childCount() const override { return static_cast<int>(boxes().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<DayBox*> all = boxes();
    if (index < 0 || index >= all.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(all[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? static_cast<int>(boxes().indexOf(qobject_cast<DayBox*>(child->object()))) : -1;
  }

 private:
  // Made in their order, RichEdit1 to RichEdit42.
  QList<DayBox*> boxes() const {
    return widget()->findChildren<DayBox*>(Qt::FindDirectChildrenOnly);
  }
};

QAccessibleInterface* dayAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("tevorin::DayBox"))
    return new DayBoxAccessible(static_cast<DayBox*>(object));
  if (className == QLatin1String("tevorin::DayGrid"))
    return new DayGridAccessible(static_cast<DayGrid*>(object));
  return nullptr;
}

}  // namespace

void installDayAccessibility() {
  [[maybe_unused]] static const bool installed = (QAccessible::installFactory(dayAccessible), true);
}

DayBox::DayBox(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setFocusPolicy(Qt::StrongFocus);
  setUndoRedoEnabled(false);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Five lines (day, Hebrew date, a holiday wrapped in two, Omer) must fit into 59 pixels: the
  // paragraphs keep a margin at the sides only.
  document()->setDocumentMargin(0);
}

void DayBox::appendLine(const QString& text, const LineStyle& style) {
  const int pixels = QFontInfo(font()).pixelSize() + style.extraPixels;
  QTextCharFormat character;
  character.setForeground(QColor::fromRgb(style.color));
  character.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
  if (style.extraPixels != 0) character.setProperty(QTextFormat::FontPixelSize, pixels);
  QTextBlockFormat paragraph;
  paragraph.setAlignment(style.alignment);
  paragraph.setLeftMargin(kSideMargin);
  paragraph.setRightMargin(kSideMargin);
  // The font's own line spacing leaves room for accents these lines never carry; a line as high
  // as its characters still clears the ascenders above and the descenders below.
  paragraph.setLineHeight(pixels, QTextBlockFormat::FixedHeight);

  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  // A cleared box still holds one empty paragraph; the first line goes there.
  if (document()->isEmpty()) {
    cursor.setBlockFormat(paragraph);
    cursor.setBlockCharFormat(character);
  } else {
    cursor.insertBlock(paragraph, character);
  }
  cursor.insertText(text, character);
}

void DayBox::setSelected(bool selected) {
  if (selected_ == selected) return;
  selected_ = selected;
  QAccessible::State changed;
  changed.selected = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
}

void DayBox::setBackground(const QColor& color) {
  if (palette().color(QPalette::Base) == color) return;
  QPalette shaded = palette();
  shaded.setColor(QPalette::Base, color);
  setPalette(shaded);
}

void DayBox::focusInEvent(QFocusEvent* event) {
  QTextEdit::focusInEvent(event);
  emit entered();
}

void DayBox::focusOutEvent(QFocusEvent* event) {
  QTextEdit::focusOutEvent(event);
  emit left();
}

}  // namespace tevorin
