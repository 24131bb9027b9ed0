#pragma once
// The application's style with every size it measures in pixels scaled, so that
// the parts the style draws (a button's margins, an option button's circle, a
// frame's border) shrink with a window's scale as its controls and fonts do.

#include <QProxyStyle>

namespace crumbleton {

class ScaledStyle : public QProxyStyle {
public:
    explicit ScaledStyle(qreal factor);
    // Widgets see a new factor when the style is set on them again.
    void setFactor(qreal factor) { factor_ = factor; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    qreal factor_;
};

}  // namespace crumbleton
