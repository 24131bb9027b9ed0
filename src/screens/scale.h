#pragma once
// Twips become pixels here and nowhere else. A window's own scale is 1 at its
// laid-out size, below 1 where its screen is too small for it, and any size in a
// resized game window; the rules work in twips and never see it.

#include <QFont>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QTransform>

#include "controls.h"

class QPainter;
class QWidget;

namespace crumbleton {

// 15 twips to a logical pixel at scale 1, the 96 dpi the game was laid out at.
inline constexpr double kTwipsPerPixel = 15.0;

class Scale {
public:
    Scale() = default;
    // `factor` logical pixels per laid-out pixel (15 twips); the layout's corner
    // lies at `origin`, in logical pixels of the widget.
    explicit Scale(qreal factor, QPointF origin = QPointF()) : factor_(factor), origin_(origin) {}

    qreal factor() const { return factor_; }
    QPointF origin() const { return origin_; }

    // A widget's geometry inside its parent: each edge rounded from its twips
    // position, so that controls that meet in twips meet in pixels.
    QRect rect(float left, float top, float width, float height) const;
    // A length in logical pixels, rounded.
    int length(float twips) const;
    // A font of the layout at this scale.
    QFont font(const Font& font) const;

    // For painting: a rectangle whose edges lie on device pixels, each snapped from
    // its twips position. `device` maps the widget's logical pixels to the device
    // pixels of the window (DeviceTransform).
    QRectF snapped(float left, float top, float width, float height, const QTransform& device) const;
    template <typename Control>
    QRectF snapped(const Control& c, const QTransform& device) const {
        return snapped(c.Left, c.Top, c.Width, c.Height, device);
    }
    // The width of a one-pixel outline at this scale: a whole number of device
    // pixels, at least one, so that all four sides are equally thick.
    qreal outlineWidth(const QTransform& device) const;

private:
    qreal factor_ = 1.0;
    QPointF origin_;
};

// The transform from a widget's logical pixels to the device pixels of its window:
// a child's place in its window counts, since at a fractional device pixel ratio
// it need not lie on a device pixel.
QTransform DeviceTransform(const QWidget* widget);

// Draws a rectangle's outline inside its bounds, `width` thick on every side.
void DrawOutline(QPainter& painter, const QRectF& r, qreal width, const QColor& colour);

}  // namespace crumbleton
