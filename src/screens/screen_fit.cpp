#include "screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace crumbleton {

ScreenFit::ScreenFit(QWidget* window, Fit fit) : QObject(window), window_(window), fit_(std::move(fit)) {
    window_->installEventFilter(this);
}

ScreenFit* ScreenFit::of(const QWidget* window) {
    return window->findChild<ScreenFit*>(QString(), Qt::FindDirectChildrenOnly);
}

void ScreenFit::openOn(QScreen* screen) {
    QScreen* now = window_->screen();
    if (screen == nullptr || screen == now || window_->isVisible()) return;
    const QRect client = window_->geometry();
    fit_(screen, client.translated(screen->geometry().topLeft() - now->geometry().topLeft()));
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_) return false;
    switch (event->type()) {
        case QEvent::Show:
            watch(window_->screen());
            ratio_ = window_->devicePixelRatioF();
            break;
        // Qt 6.4 tells a change of scale on the same screen only through the
        // screen's signals; a change of screen by this event.
        case QEvent::ScreenChangeInternal:
            screenChanged();
            break;
        case QEvent::Resize:
            if (!platformSize_.isEmpty() && window_->size() == platformSize_) fitLater();
            break;
        default:
            break;
    }
    return false;
}

void ScreenFit::screenChanged() {
    watch(window_->screen());
    if (platformSize_.isEmpty()) wanted_ = window_->size();
    const qreal ratio = window_->devicePixelRatioF();
    if (ratio_ != 0 && ratio != ratio_) platformSize_ = (QSizeF(wanted_) * ratio_ / ratio).toSize();
    ratio_ = ratio;
    fitLater();
}

void ScreenFit::watch(QScreen* screen) {
    if (screen == watched_) return;
    for (const auto& c : connections_) disconnect(c);
    connections_.clear();
    watched_ = screen;
    if (screen == nullptr) return;
    connections_ = {
        connect(screen, &QScreen::geometryChanged, this, &ScreenFit::fitLater),
        connect(screen, &QScreen::availableGeometryChanged, this, &ScreenFit::fitLater),
        connect(screen, &QScreen::logicalDotsPerInchChanged, this, &ScreenFit::fitLater),
    };
}

void ScreenFit::fitLater() {
    if (pending_) return;
    pending_ = true;
    // Once the event in hand is done: the geometry that comes with it counts.
    QTimer::singleShot(0, this, &ScreenFit::fitNow);
}

void ScreenFit::fitNow() {
    pending_ = false;
    QScreen* screen = window_->screen();
    // A full-screen or maximised window is sized by the window system.
    if (screen == nullptr ||
        window_->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized | Qt::WindowMinimized))
        return;
    const bool platformResized = !platformSize_.isEmpty() && window_->size() == platformSize_;
    // Done with once it has come; until then, it may still come.
    if (platformResized) platformSize_ = QSize();
    fit_(screen, QRect(window_->geometry().topLeft(), platformResized ? wanted_ : window_->size()));
    window_->update();
}

}  // namespace crumbleton
