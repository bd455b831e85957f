#pragma once

#include <QFont>
#include <QPalette>
#include <QRgb>

class QLabel;
class QString;
class QWidget;

namespace tevorin {

// Every page is dark blue; its texts are white or light blue.
inline constexpr QRgb kPageBackground = qRgb(0, 64, 128);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kLightBlue = qRgb(193, 224, 255);
// Warnings, Saturday's name and holiday lines.
inline constexpr QRgb kRed = qRgb(255, 0, 0);

// The program's one typeface, whatever the desktop's own; callers set its size.
QFont sansSerifFont();

void setColour(QWidget* widget, QPalette::ColorRole role, QRgb colour);
// Fills the page with the dark blue.
void paintPageBackground(QWidget* page);
// A label of the page: its text colour, character height in pixels and weight.
QLabel* pageLabel(const QString& text, QRgb colour, int pixels, bool bold, QWidget* parent);
// The same look for a label made elsewhere (a link, say); its text is shown as written.
void styleLabel(QLabel* label, QRgb colour, int pixels, bool bold);
// The maker's address, underlined at the foot of a page, a link reachable from the keyboard; the
// window answers its click, Enter or Space.
QLabel* makerLinkLabel(const char* name, QWidget* parent);

}  // namespace tevorin
