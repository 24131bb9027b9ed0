#include "game_view.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <variant>

#include "desktop.h"

namespace crumbleton {

namespace {

// A one-pixel outline drawn inside the control's bounds, as the desktop draws it.
void DrawOutline(QPainter& painter, const QRectF& r, const QColor& colour) {
    const qreal w = 1.0;
    painter.fillRect(QRectF(r.left(), r.top(), r.width(), w), colour);
    painter.fillRect(QRectF(r.left(), r.bottom() - w, r.width(), w), colour);
    painter.fillRect(QRectF(r.left(), r.top(), w, r.height()), colour);
    painter.fillRect(QRectF(r.right() - w, r.top(), w, r.height()), colour);
}

QBrush FillBrush(const Shape& shape, const QPalette& palette) {
    const QColor colour = ToQColor(shape.FillColor, palette);
    switch (shape.FillStyle) {
        case FillPattern::Solid:
            return QBrush(colour);
        case FillPattern::DownwardDiagonal:
            return QBrush(colour, Qt::FDiagPattern);
        case FillPattern::Transparent:
            break;
    }
    return Qt::NoBrush;
}

// The open fonts that stand in for the game's are wider than the originals; a
// caption that would not fit its label is drawn a little smaller instead of cut off.
QFont FittingFont(QFont font, const QString& text, const QRectF& box, int flags) {
    for (int px = font.pixelSize(); px > 6; --px) {
        font.setPixelSize(px);
        const QRectF needed = QFontMetricsF(font).boundingRect(box, flags, text);
        if (needed.width() <= box.width() + 0.5 && needed.height() <= box.height() + 0.5) break;
    }
    return font;
}

}  // namespace

GameView::GameView(const frmGame& game, QWidget* parent) : QWidget(parent), game_(game) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(static_cast<int>(game.ClientWidth / kTwipsPerPixel),
                 static_cast<int>(game.ClientHeight / kTwipsPerPixel));
}

void GameView::paintEvent(QPaintEvent* event) {
    if (!paintObserver_) return paint(event);
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    paint(event);
    paintObserver_(Clock::now() - start, event->region());
}

void GameView::paint(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), ToQColor(game_.BackColor, palette()));
    for (const ControlRef& control : game_.StackingOrder())
        std::visit([&](const auto* c) { draw(painter, *c); }, control);
}

void GameView::draw(QPainter& painter, const Shape& shape) {
    if (!shape.Visible) return;
    const QRectF r = PixelRect(shape, devicePixelRatioF());
    const QColor border = ToQColor(shape.BorderColor, palette());
    const QBrush fill = FillBrush(shape, palette());

    if (shape.Kind == ShapeKind::Oval) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF inner = r.adjusted(0.5, 0.5, -0.5, -0.5);
        if (shape.BackOpaque) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ToQColor(shape.BackColor, palette()));
            painter.drawEllipse(inner);
        }
        painter.setPen(QPen(border, 1.0));
        painter.setBrush(fill);
        painter.drawEllipse(inner);
        painter.restore();
        return;
    }

    if (shape.BackOpaque) painter.fillRect(r, ToQColor(shape.BackColor, palette()));
    if (fill.style() != Qt::NoBrush) painter.fillRect(r, fill);
    DrawOutline(painter, r, border);
}

void GameView::draw(QPainter& painter, const Label& label) {
    if (!label.Visible) return;
    const QRectF r = PixelRect(label, devicePixelRatioF());
    painter.fillRect(r, ToQColor(label.BackColor, palette()));
    QRectF text = r;
    if (label.Border) {
        DrawOutline(painter, r, ToQColor(kWindowText, palette()));
        text = r.adjusted(1, 1, -1, -1);
    }
    const int flags = (label.Alignment == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                      Qt::AlignTop | Qt::TextWordWrap;
    const QString caption = QString::fromStdString(label.Caption);
    painter.save();
    painter.setClipRect(r, Qt::IntersectClip);
    painter.setFont(FittingFont(ToQFont(label.Font), caption, text, flags));
    painter.setPen(ToQColor(label.ForeColor, palette()));
    painter.drawText(text, flags, caption);
    painter.restore();
}

void GameView::draw(QPainter& painter, const Image& image) {
    if (!image.Visible || image.Picture == Picture::None) return;
    const QRectF r = PixelRect(image, devicePixelRatioF());
    // Every picture of the screen is a 32 x 32 pixel icon unless stretched.
    const QSize size = image.Stretch ? r.size().toSize() : QSize(32, 32);
    painter.drawPixmap(r.topLeft(), pictures_.pixmap(image.Picture, size, devicePixelRatioF()));
}

}  // namespace crumbleton
