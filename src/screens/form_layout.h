#pragma once
// Building a window in code from the twips of its layout: 15 twips to a logical
// pixel, positions of a control inside a frame relative to the frame's corner.

#include <QFont>
#include <QRect>
#include <QString>

#include "controls.h"

class QLabel;
class QWidget;

namespace crumbleton {

// Logical pixels, rounded to the nearest.
int TwipsToPx(float twips);
QRect TwipsRect(float left, float top, float width, float height);

// Where a window whose frame would cover `wanted` goes on a desktop whose free area
// is `available`: moved as little as lets it lie inside; one larger than the area
// keeps its top-left corner, and so its title bar, at the area's top-left corner.
QRect ReachableRect(const QRect& wanted, const QRect& available);

// Puts a top-level window's client area at `clientPx` on the desktop, or as near to
// it as keeps the window on the screen there (ReachableRect).
void MoveWindow(QWidget* window, const QRect& clientPx);

// A fixed-size top-level window whose client area covers `clientPx` of the desktop
// (MoveWindow), or, given only a size, where the window system puts it.
void PlaceWindow(QWidget* window, const QRect& clientPx);
void SizeWindow(QWidget* window, const QSize& clientPx);

// Gives a window the button-face background of its layout.
void UseButtonFaceBackground(QWidget* window);

// `font` made smaller, a pixel at a time, until `text` fits `box` with `flags`.
// The stand-in fonts run wider than the ones the layout was made for.
QFont FittingFont(QFont font, const QString& text, const QSize& box, int flags);

// A label of the layout: opaque, word-wrapped and, where needed, shrunk to fit.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                  const Font& font, TextAlign alignment = TextAlign::Left);

}  // namespace crumbleton
