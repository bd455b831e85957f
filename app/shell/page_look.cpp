#include "app/shell/page_look.h"

#include <QLabel>

#include "app/shell/link_label.h"
#include "common/product.h"

namespace tevorin {

QFont sansSerifFont() {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  return font;
}

void setColour(QWidget* widget, QPalette::ColorRole role, QRgb colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, QColor::fromRgb(colour));
  widget->setPalette(palette);
}

void paintPageBackground(QWidget* page) {
  page->setAutoFillBackground(true);
  setColour(page, QPalette::Window, kPageBackground);
}

QLabel* pageLabel(const QString& text, QRgb colour, int pixels, bool bold, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  styleLabel(label, colour, pixels, bold);
  return label;
}

void styleLabel(QLabel* label, QRgb colour, int pixels, bool bold) {
  // Shown as written: a page's labels may carry the user's texts.
  label->setTextFormat(Qt::PlainText);
  setColour(label, QPalette::WindowText, colour);
  QFont font = label->font();
  font.setPixelSize(pixels);
  font.setBold(bold);
  label->setFont(font);
}

QLabel* makerLinkLabel(const char* name, QWidget* parent) {
  auto* link = new LinkLabel(kMakerHomePage, kMakerHomePage, parent);
  styleLabel(link, kLightBlue, 11, false);
  link->setObjectName(name);
  QFont underlined = link->font();
  underlined.setUnderline(true);
  link->setFont(underlined);
  link->setAlignment(Qt::AlignCenter);
  link->setGeometry(181, 470, 300, 18);
  link->setCursor(Qt::PointingHandCursor);
  return link;
}

}  // namespace tevorin
