#include "form_layout.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "desktop.h"

namespace crumbleton {

int TwipsToPx(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

QRect TwipsRect(float left, float top, float width, float height) {
    return QRect(TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height));
}

QRect ReachableRect(const QRect& wanted, const QRect& available) {
    const auto axis = [](int start, int size, int freeStart, int freeSize) {
        if (size >= freeSize) return freeStart;
        return std::clamp(start, freeStart, freeStart + freeSize - size);
    };
    return QRect(axis(wanted.x(), wanted.width(), available.x(), available.width()),
                 axis(wanted.y(), wanted.height(), available.y(), available.height()), wanted.width(),
                 wanted.height());
}

void MoveWindow(QWidget* window, const QRect& clientPx) {
    QScreen* screen = QGuiApplication::screenAt(clientPx.topLeft());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    // The frame is the window manager's and unknown until the window is shown;
    // allow for a border and a title bar as the style draws them.
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                   outer.bottom() - inner.bottom());
    if (frame.isNull()) {
        const int border = window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        frame = QMargins(border, border + window->style()->pixelMetric(QStyle::PM_TitleBarHeight), border,
                         border);
    }
    const QRect placed = ReachableRect(clientPx.marginsAdded(frame), screen->availableGeometry());
    // The geometry of a top-level widget is its client area, without the frame.
    window->setGeometry(placed.marginsRemoved(frame));
}

void PlaceWindow(QWidget* window, const QRect& clientPx) {
    MoveWindow(window, clientPx);
    window->setFixedSize(clientPx.size());
}

void SizeWindow(QWidget* window, const QSize& clientPx) { window->setFixedSize(clientPx); }

void UseButtonFaceBackground(QWidget* window) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, ToQColor(kButtonFace, palette));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

QFont FittingFont(QFont font, const QString& text, const QSize& box, int flags) {
    for (int px = font.pixelSize(); px > 6; --px) {
        font.setPixelSize(px);
        const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), box), flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height()) break;
    }
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                  const Font& font, TextAlign alignment) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    const Qt::Alignment align =
        (alignment == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    label->setAlignment(align);
    label->setWordWrap(true);
    label->setFont(FittingFont(ToQFont(font), caption, geometry.size(), int(align) | Qt::TextWordWrap));
    label->setAutoFillBackground(true);
    return label;
}

}  // namespace crumbleton
