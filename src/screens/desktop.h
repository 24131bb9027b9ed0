#pragma once
// What the game's model leaves to the desktop: the desktop colours and the fonts
// the machine lacks.

#include <QColor>
#include <QFont>
#include <QPalette>

#include "controls.h"

namespace crumbleton {

// Maps the game's font names onto the open fonts that the setup installs.
// Call once, after the QApplication exists and before any window is built.
void InstallFontSubstitutes();

QColor ToQColor(Colour colour, const QPalette& palette);
QFont ToQFont(const Font& font);

}  // namespace crumbleton
