#include "form_layout.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <cmath>

#include "desktop.h"

namespace crumbleton {

int TwipsToPx(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

QRect TwipsRect(float left, float top, float width, float height) {
    return QRect(TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height));
}

void PlaceWindow(QWidget* window, const QRect& clientPx) {
    // The geometry of a top-level widget is its client area, without the frame.
    window->setGeometry(clientPx);
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
