#include "brick_marks.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "layout.h"
#include "scale.h"

namespace crumbleton {

namespace {

// A mark's side and the gap between marks, twips (7 and 4 pixels at scale 1): large
// enough to count on a standard brick's 17 pixels of height, and three fit on the
// black brick beside the waiting power-up.
constexpr double kMarkTwips = 105, kGapTwips = 60;
// Every picture of the screen is a 32 x 32 pixel icon: the waiting power-up's width.
constexpr double kPowerUpTwips = 480;

}  // namespace

int StrikesLeft(Colour fill) {
    switch (fill) {
        case kGreen:
            return 3;
        case kYellow:
            return 2;
        case kOrange:
        case kBlack:
            return 1;
        default:
            return 0;
    }
}

std::vector<QRectF> StrengthMarks(const Scale& scale, const QTransform& device, const Shape& brick) {
    const int count = StrikesLeft(brick.FillColor);
    if (count == 0) return {};
    // The power-up waits over the black brick's middle: the marks go to the wider
    // side of it, where they stay in view.
    double left = brick.Left, right = double(brick.Left) + brick.Width;
    if (kWaitingLeft > left && kWaitingLeft + kPowerUpTwips < right && kWaitingTop >= brick.Top &&
        kWaitingTop < brick.Top + brick.Height) {
        if (kWaitingLeft - left > right - (kWaitingLeft + kPowerUpTwips))
            right = kWaitingLeft;
        else
            left = kWaitingLeft + kPowerUpTwips;
    }

    // Sized once in device pixels, then placed, so that every mark is as large as
    // the others and its edges fall on device pixels.
    const qreal ratio = device.m11();
    const double devicePerTwip = scale.factor() * ratio / kTwipsPerPixel;
    const double side = std::max(2.0, std::round(kMarkTwips * devicePerTwip));
    const double gap = std::max(1.0, std::round(kGapTwips * devicePerTwip));
    const QPointF centre =
        device.map(scale.origin() + QPointF((left + right) / 2, brick.Top + double(brick.Height) / 2) *
                                        (scale.factor() / kTwipsPerPixel));
    const double rowWidth = count * side + (count - 1) * gap;
    const double x0 = std::round(centre.x() - rowWidth / 2), y0 = std::round(centre.y() - side / 2);

    const QTransform back = device.inverted();
    std::vector<QRectF> marks;
    for (int i = 0; i < count; ++i) {
        const double x = x0 + i * (side + gap);
        marks.push_back(back.mapRect(QRectF(x, y0, side, side)));
    }
    return marks;
}

QColor MarkColour(const QColor& fill) {
    // Relative luminance against the middle of black and white, as contrast ratios go.
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance =
        0.2126 * linear(fill.redF()) + 0.7152 * linear(fill.greenF()) + 0.0722 * linear(fill.blueF());
    // Equal contrast with black and with white at a luminance of about 0.179.
    return luminance > 0.179 ? Qt::black : Qt::white;
}

void DrawStrengthMarks(QPainter& painter, const Scale& scale, const QTransform& device, const Shape& brick,
                       const QColor& fill) {
    const QColor colour = MarkColour(fill);
    for (const QRectF& mark : StrengthMarks(scale, device, brick)) painter.fillRect(mark, colour);
}

}  // namespace crumbleton
