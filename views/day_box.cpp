#include "views/day_box.h"

#include <QFontInfo>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace tevorin {

namespace {

constexpr int kSideMargin = 1;

}  // namespace

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
