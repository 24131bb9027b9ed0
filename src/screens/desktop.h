#pragma once
// What the game's model leaves to the desktop: the desktop colours, the fonts the
// machine lacks, and twips on a screen.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRectF>

#include "controls.h"

namespace crumbleton {

// 15 twips to a logical pixel, the 96 dpi the game was laid out at.
inline constexpr double kTwipsPerPixel = 15.0;

// Maps the game's font names onto the open fonts that the setup installs.
// Call once, after the QApplication exists and before any window is built.
void InstallFontSubstitutes();

QColor ToQColor(Colour colour, const QPalette& palette);
QFont ToQFont(const Font& font);

// A twips rectangle in logical pixels, each edge snapped to a device pixel so
// that edges stay sharp at any scale factor.
QRectF TwipsToPixels(float left, float top, float width, float height, qreal devicePixelRatio);

template <typename Control>
QRectF PixelRect(const Control& c, qreal devicePixelRatio) {
    return TwipsToPixels(c.Left, c.Top, c.Width, c.Height, devicePixelRatio);
}

}  // namespace crumbleton
