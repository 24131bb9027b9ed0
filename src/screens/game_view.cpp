#include "game_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <type_traits>
#include <variant>

#include "desktop.h"
#include "form_layout.h"
#include "scale.h"

namespace crumbleton {

namespace {

// Every picture of the screen is a 32 x 32 pixel icon unless stretched.
constexpr float kIconTwips = 480;

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
QRect PaintedRect(const Control& control, const Scale& scale, const QTransform& device) {
    QRectF r = scale.snapped(control, device);
    if constexpr (std::is_same_v<Control, Image>) {
        if (!control.Stretch)
            r = r.united(scale.snapped(control.Left, control.Top, kIconTwips, kIconTwips, device));
    }
    return r.toAlignedRect().adjusted(-1, -1, 1, 1);
}

}  // namespace

GameView::GameView(const frmGame& game, QWidget* parent)
    : QWidget(parent), game_(game), laidOut_(Scale().rect(0, 0, game.ClientWidth, game.ClientHeight).size()) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(laidOut_ / 4);
    remember();
}

QSize GameView::sizeHint() const { return laidOut_; }

Scale GameView::sceneScale() const {
    const qreal factor = std::min(qreal(width()) / laidOut_.width(), qreal(height()) / laidOut_.height());
    // Centred, the margin on two sides in the screen's background.
    return Scale(factor, QPointF((width() - laidOut_.width() * factor) / 2,
                                 (height() - laidOut_.height() * factor) / 2));
}

void GameView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
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
    const Scale scale = sceneScale();
    const QTransform device = DeviceTransform(this);
    const auto order = game_.StackingOrder();
    QRegion dirty;
    for (std::size_t i = 0; i < order.size(); ++i) {
        std::visit(
            [&](const auto* now) {
                auto& before = std::get<std::remove_cvref_t<decltype(*now)>>(drawn_[i]);
                if (before == *now) return;
                if (before.Visible) dirty += PaintedRect(before, scale, device);
                if (now->Visible) dirty += PaintedRect(*now, scale, device);
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
    const Mapping mapping{sceneScale(), DeviceTransform(this)};
    for (const ControlRef& control : game_.StackingOrder()) {
        std::visit(
            [&](const auto* c) {
                if (c->Visible && region.intersects(PaintedRect(*c, mapping.scale, mapping.device)))
                    draw(painter, mapping, *c);
            },
            control);
    }
    if (paused_) drawPaused(painter, mapping);
}

void GameView::drawPaused(QPainter& painter, const Mapping& mapping) {
    // A band across the middle of the field, dimming what lies under it.
    const QRectF field = mapping.scale.snapped(game_.shpField, mapping.device);
    const qreal bandHeight = field.height() / 6;
    const QRectF band(field.left(), field.center().y() - bandHeight / 2, field.width(), bandHeight);
    painter.fillRect(band, QColor(0, 0, 0, 170));
    QFont font = mapping.scale.font({"MS Sans Serif", 24, true, false});
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

void GameView::draw(QPainter& painter, const Mapping& mapping, const Shape& shape) {
    if (!shape.Visible) return;
    const QRectF r = mapping.scale.snapped(shape, mapping.device);
    const qreal outline = mapping.scale.outlineWidth(mapping.device);
    const QColor border = ToQColor(shape.BorderColor, palette());
    const QBrush fill = FillBrush(shape, palette());

    if (shape.Kind == ShapeKind::Oval) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF inner = r.adjusted(outline / 2, outline / 2, -outline / 2, -outline / 2);
        if (shape.BackOpaque) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ToQColor(shape.BackColor, palette()));
            painter.drawEllipse(inner);
        }
        painter.setPen(QPen(border, outline));
        painter.setBrush(fill);
        painter.drawEllipse(inner);
        painter.restore();
        return;
    }

    if (shape.BackOpaque) painter.fillRect(r, ToQColor(shape.BackColor, palette()));
    if (fill.style() != Qt::NoBrush) painter.fillRect(r, fill);
    DrawOutline(painter, r, outline, border);
}

void GameView::draw(QPainter& painter, const Mapping& mapping, const Label& label) {
    if (!label.Visible) return;
    const QRectF r = mapping.scale.snapped(label, mapping.device);
    painter.fillRect(r, ToQColor(label.BackColor, palette()));
    QRectF text = r;
    if (label.Border) {
        const qreal w = mapping.scale.outlineWidth(mapping.device);
        DrawOutline(painter, r, w, ToQColor(kWindowText, palette()));
        text = r.adjusted(w, w, -w, -w);
    }
    const int flags = (label.Alignment == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                      Qt::AlignTop | Qt::TextWordWrap;
    const QString caption = QString::fromStdString(label.Caption);
    painter.save();
    painter.setClipRect(r, Qt::IntersectClip);
    painter.setFont(FittingFont(mapping.scale.font(label.Font), caption, text.size().toSize(), flags));
    painter.setPen(ToQColor(label.ForeColor, palette()));
    painter.drawText(text, flags, caption);
    painter.restore();
}

void GameView::draw(QPainter& painter, const Mapping& mapping, const Image& image) {
    if (!image.Visible || image.Picture == Picture::None) return;
    const qreal dpr = devicePixelRatioF();
    if (!image.Stretch) {
        // Rendered at the size it covers on the device, so that it stays sharp at any scale.
        const QRectF r = mapping.scale.snapped(image.Left, image.Top, kIconTwips, kIconTwips, mapping.device);
        const QSize device(qRound(r.width() * dpr), qRound(r.height() * dpr));
        painter.drawPixmap(r.topLeft(), pictures_.pixmap(image.Picture, device, dpr));
        return;
    }
    const QRectF r = mapping.scale.snapped(image, mapping.device);
    // The win face grows every frame: scaled from a larger rendering, not rendered anew.
    const QPixmap& pixmap = pictures_.scalable(image.Picture, r.size(), dpr);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(r, pixmap, QRectF(pixmap.rect()));
    painter.restore();
}

}  // namespace crumbleton
