#include "views/day_box.h"

#include <QFontInfo>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace tevorin {

DayBox::DayBox(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setFocusPolicy(Qt::StrongFocus);
  setUndoRedoEnabled(false);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Four short lines must fit into 59 pixels.
  document()->setDocumentMargin(1);
}

void DayBox::appendLine(const QString& text, const LineStyle& style) {
  QTextCharFormat character;
  character.setForeground(QColor::fromRgb(style.color));
  character.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
  if (style.extraPixels != 0)
    character.setProperty(QTextFormat::FontPixelSize,
                          QFontInfo(font()).pixelSize() + style.extraPixels);
  QTextBlockFormat paragraph;
  paragraph.setAlignment(style.alignment);

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

}  // namespace tevorin
