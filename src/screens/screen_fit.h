#pragma once
// Keeps a top-level window fitted to the screen it is on. A window dragged to a
// monitor of another scale, or whose screen changes size, free area or scale, is
// laid out again for that screen; the window system would otherwise keep its size
// in device pixels and leave it partly off screen.

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>
#include <vector>

class QScreen;
class QWidget;

namespace crumbleton {

class ScreenFit : public QObject {
    Q_OBJECT
public:
    // `fit(screen, wanted)` lays the window out for `screen` with its client area
    // at `wanted` (logical pixels) or as near as the screen's free area allows.
    using Fit = std::function<void(QScreen* screen, const QRect& wanted)>;
    // Owned by `window`.
    ScreenFit(QWidget* window, Fit fit);

    // The window's ScreenFit, or null.
    static ScreenFit* of(const QWidget* window);

    // Moves a hidden window to `screen`, at the place it has on its own screen,
    // unless it is on `screen` already.
    void openOn(QScreen* screen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QScreen* screen);
    void screenChanged();
    void fitLater();
    void fitNow();

    QWidget* window_;
    Fit fit_;
    QPointer<QScreen> watched_;
    std::vector<QMetaObject::Connection> connections_;
    qreal ratio_ = 0;  // the window's device pixel ratio when last seen
    // Moved to a screen of another scale, the window system keeps the window's
    // device pixels: a resize to `platformSize_` is that, not the player's, and
    // the window takes `wanted_`, its size before, again.
    QSize wanted_, platformSize_;
    bool pending_ = false;
};

}  // namespace crumbleton
