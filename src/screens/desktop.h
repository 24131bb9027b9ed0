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

// The contrast ratio of two opaque colours by their relative luminance, as the web's
// accessibility guidelines define it: from 1 (alike) to 21 (black and white).
double ContrastRatio(const QColor& a, const QColor& b);

// The colour to write with on `background`: `wanted` where it contrasts at least
// 4.5:1 with it, otherwise black or white, whichever contrasts more.
QColor ReadableOn(const QColor& background, const QColor& wanted);

// A label's text colour on its background. The desktop's own pairs stay as the
// desktop made them; where the game chose either colour, the text stays readable.
QColor TextColour(Colour text, Colour background, const QPalette& palette);

}  // namespace crumbleton
