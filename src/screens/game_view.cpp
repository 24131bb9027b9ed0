#include "game_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <type_traits>
#include <variant>

#include "desktop.h"
#include "form_layout.h"

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

// The device-aligned logical pixels a control may paint, with a pixel to spare
// for antialiased edges. A picture that is not stretched keeps its natural size.
template <typename Control>
QRect PaintedRect(const Control& control, qreal devicePixelRatio) {
    QRectF r = PixelRect(control, devicePixelRatio);
    if constexpr (std::is_same_v<Control, Image>) {
        if (!control.Stretch) r = r.united(QRectF(r.topLeft(), QSizeF(32, 32)));
    }
    return r.toAlignedRect().adjusted(-1, -1, 1, 1);
}

}  // namespace

GameView::GameView(const frmGame& game, QWidget* parent) : QWidget(parent), game_(game) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(static_cast<int>(game.ClientWidth / kTwipsPerPixel),
                 static_cast<int>(game.ClientHeight / kTwipsPerPixel));
    remember();
}

void GameView::remember() {
    const auto order = game_.StackingOrder();
    for (std::size_t i = 0; i < order.size(); ++i)
        std::visit([&](const auto* c) { drawn_[i] = *c; }, order[i]);
    drawnBackColor_ = game_.BackColor;
}

void GameView::refresh() {
    if (game_.BackColor != drawnBackColor_) {
        remember();
        update();
        return;
    }
    const qreal dpr = devicePixelRatioF();
    const auto order = game_.StackingOrder();
    QRegion dirty;
    for (std::size_t i = 0; i < order.size(); ++i) {
        std::visit(
            [&](const auto* now) {
                auto& before = std::get<std::remove_cvref_t<decltype(*now)>>(drawn_[i]);
                if (before == *now) return;
                if (before.Visible) dirty += PaintedRect(before, dpr);
                if (now->Visible) dirty += PaintedRect(*now, dpr);
                before = *now;
            },
            order[i]);
    }
    if (!dirty.isEmpty()) update(dirty);
}

void GameView::setPaused(bool paused) {
    paused_ = paused;
    update();
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
    const QRegion& region = event->region();
    const qreal dpr = devicePixelRatioF();
    for (const ControlRef& control : game_.StackingOrder()) {
        std::visit(
            [&](const auto* c) {
                if (c->Visible && region.intersects(PaintedRect(*c, dpr))) draw(painter, *c);
            },
            control);
    }
    if (paused_) drawPaused(painter);
}

void GameView::drawPaused(QPainter& painter) {
    // A band across the middle of the field, dimming what lies under it.
    const QRectF field = PixelRect(game_.shpField, devicePixelRatioF());
    const qreal bandHeight = field.height() / 6;
    const QRectF band(field.left(), field.center().y() - bandHeight / 2, field.width(), bandHeight);
    painter.fillRect(band, QColor(0, 0, 0, 170));
    QFont font = ToQFont({"MS Sans Serif", 24, true, false});
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QRectF title = band.adjusted(0, 0, 0, -bandHeight * 0.35);
    painter.drawText(title, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Paused"));
    font.setPixelSize(std::max(1, font.pixelSize() / 2));
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(band.adjusted(0, bandHeight * 0.68, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("P, Pause or Space to play on"));
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
    painter.setFont(FittingFont(ToQFont(label.Font), caption, text.size().toSize(), flags));
    painter.setPen(ToQColor(label.ForeColor, palette()));
    painter.drawText(text, flags, caption);
    painter.restore();
}

void GameView::draw(QPainter& painter, const Image& image) {
    if (!image.Visible || image.Picture == Picture::None) return;
    const qreal dpr = devicePixelRatioF();
    const QRectF r = PixelRect(image, dpr);
    if (!image.Stretch) {
        // Every picture of the screen is a 32 x 32 pixel icon unless stretched.
        painter.drawPixmap(r.topLeft(), pictures_.pixmap(image.Picture, QSize(32, 32), dpr));
        return;
    }
    // The win face grows every frame: scaled from a larger rendering, not rendered anew.
    const QPixmap& pixmap = pictures_.scalable(image.Picture, r.size(), dpr);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(r, pixmap, QRectF(pixmap.rect()));
    painter.restore();
}

}  // namespace crumbleton
