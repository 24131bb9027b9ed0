#include "scale.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "desktop.h"

namespace crumbleton {

QRect Scale::rect(float left, float top, float width, float height) const {
    const auto edge = [this](double twips) {
        return static_cast<int>(std::lround(twips / kTwipsPerPixel * factor_));
    };
    const int x0 = edge(left), y0 = edge(top);
    return QRect(x0, y0, edge(double(left) + width) - x0, edge(double(top) + height) - y0);
}

int Scale::length(float twips) const {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel * factor_));
}

QFont Scale::font(const Font& font) const {
    QFont f = ToQFont(font);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * 96.0 / 72.0 * factor_))));
    return f;
}

QRectF Scale::snapped(float left, float top, float width, float height, const QTransform& device) const {
    const QTransform back = device.inverted();
    const auto snap = [&](double xTwips, double yTwips) {
        const QPointF logical(origin_.x() + xTwips / kTwipsPerPixel * factor_,
                              origin_.y() + yTwips / kTwipsPerPixel * factor_);
        const QPointF d = device.map(logical);
        return back.map(QPointF(std::round(d.x()), std::round(d.y())));
    };
    return QRectF(snap(left, top), snap(double(left) + width, double(top) + height));
}

qreal Scale::outlineWidth(const QTransform& device) const {
    const qreal ratio = device.m11();
    return std::max(1.0, std::round(factor_ * ratio)) / ratio;
}

QTransform DeviceTransform(const QWidget* widget) {
    const qreal ratio = widget->devicePixelRatioF();
    const QPoint inWindow = widget->mapTo(widget->window(), QPoint(0, 0));
    return QTransform::fromTranslate(inWindow.x(), inWindow.y()) * QTransform::fromScale(ratio, ratio);
}

void DrawOutline(QPainter& painter, const QRectF& r, qreal w, const QColor& colour) {
    painter.fillRect(QRectF(r.left(), r.top(), r.width(), w), colour);
    painter.fillRect(QRectF(r.left(), r.bottom() - w, r.width(), w), colour);
    painter.fillRect(QRectF(r.left(), r.top(), w, r.height()), colour);
    painter.fillRect(QRectF(r.right() - w, r.top(), w, r.height()), colour);
}

}  // namespace crumbleton
