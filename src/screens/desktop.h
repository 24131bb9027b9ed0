#pragma once
// What the game's model leaves to the desktop: the desktop colours, the fonts the
// machine lacks, and twips on a screen.

#include <QColor>
#include <QFont>
#include <QPalette>

#include "controls.h"

namespace crumbleton {

// 15 twips to a logical pixel, the 96 dpi the game was laid out at.
inline constexpr double kTwipsPerPixel = 15.0;

// Maps the game's font names onto the open fonts that the setup installs.
// Call once, after the QApplication exists and before any window is built.
void InstallFontSubstitutes();

QColor ToQColor(Colour colour, const QPalette& palette);
QFont ToQFont(const Font& font);

}  // namespace crumbleton
