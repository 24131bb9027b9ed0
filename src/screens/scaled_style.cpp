#include "scaled_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <cmath>

namespace crumbleton {

ScaledStyle::ScaledStyle(qreal factor)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), factor_(factor) {}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    // A line of one pixel stays a line.
    if (size <= 0) return size;
    return std::max(1, static_cast<int>(std::lround(size * factor_)));
}

}  // namespace crumbleton
