#pragma once
// Shared by the tests of the real windows.

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QWidget>

#include "desktop.h"

namespace crumbleton::testing {

// The colour of the device pixel under a twips point of a grabbed widget.
inline QColor PixelAt(const QImage& grab, float xTwips, float yTwips) {
    const qreal dpr = grab.devicePixelRatio();
    const int x = static_cast<int>(xTwips / kTwipsPerPixel * dpr);
    const int y = static_cast<int>(yTwips / kTwipsPerPixel * dpr);
    return grab.pixelColor(x, y);
}

inline QImage Grab(QWidget* widget) { return widget->grab().toImage(); }

}  // namespace crumbleton::testing
