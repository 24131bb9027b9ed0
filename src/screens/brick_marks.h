#pragma once
// A brick's strength told without its colour: as many square marks as the strikes
// it still takes, for players who cannot tell green, yellow and orange apart.

#include <QColor>
#include <QRectF>
#include <QTransform>
#include <vector>

#include "controls.h"

class QPainter;

namespace crumbleton {

class Scale;

// The strikes a brick of this colour still takes, as the rules weaken it: 3 green,
// 2 yellow, 1 orange or black; 0 for a colour no brick has.
int StrikesLeft(Colour fill);

// Where the marks of `brick` lie, in the widget's logical pixels, each edge on a
// device pixel and all of one size: a row across the brick's middle, beside the
// waiting power-up on the brick that holds it.
std::vector<QRectF> StrengthMarks(const Scale& scale, const QTransform& device, const Shape& brick);

// Black on a light brick, white on a dark one.
QColor MarkColour(const QColor& fill);

void DrawStrengthMarks(QPainter& painter, const Scale& scale, const QTransform& device, const Shape& brick,
                       const QColor& fill);

}  // namespace crumbleton
