#include "game_view.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <type_traits>
#include <variant>

#include "brick_marks.h"
#include "desktop.h"
#include "form_layout.h"
#include "scale.h"
#include "window_commands.h"

namespace crumbleton {

namespace {

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

bool IsBrick(const frmGame& game, const Shape& shape) {
    return std::any_of(game.Brick.begin(), game.Brick.end(), [&](const Shape& b) { return &b == &shape; });
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

// A twips rectangle around some logical pixels, wide enough that no control
// outside it can paint any of them.
struct TwipsBounds {
    double left, top, right, bottom;
    template <typename Control>
    bool mayMeet(const Control& c) const {
        double width = c.Width, height = c.Height;
        if constexpr (std::is_same_v<Control, Image>) {
            // An icon paints its natural size, whatever its width and height say.
            if (!c.Stretch)
                width = std::max<double>(width, kIconTwips), height = std::max<double>(height, kIconTwips);
        }
        return c.Left <= right && c.Left + width >= left && c.Top <= bottom && c.Top + height >= top;
    }
};

TwipsBounds TwipsAround(const QRect& pixels, const Scale& scale) {
    // PaintedRect adds a pixel and snapping moves an edge by under one: three spare.
    const double twipsPerPixel = kTwipsPerPixel / scale.factor();
    const QPointF origin = scale.origin();
    const auto x = [&](double px) { return (px - origin.x()) * twipsPerPixel; };
    const auto y = [&](double px) { return (px - origin.y()) * twipsPerPixel; };
    constexpr int kSpare = 3;
    return {x(pixels.left() - kSpare), y(pixels.top() - kSpare), x(pixels.right() + 1 + kSpare),
            y(pixels.bottom() + 1 + kSpare)};
}

// The rules keep their English captions: they are the game's state. The window
// shows each in the player's language, looked up here.
[[maybe_unused]] constexpr const char* kCaptions[] = {
    //: The game window's title: the game's name.
    QT_TRANSLATE_NOOP("GameWindow", "Crumbleton"),
    //: The game window's only menu. The & marks the access key (Alt+letter).
    QT_TRANSLATE_NOOP("GameWindow", "&File"),
    //: Menu item: starts the game afresh. The & marks the access key.
    QT_TRANSLATE_NOOP("GameWindow", "&Reset"),
    //: Menu item: back to the start menu. The & marks the access key.
    QT_TRANSLATE_NOOP("GameWindow", "&Menu"),
    //: Menu item: ends the program. The & marks the access key.
    QT_TRANSLATE_NOOP("GameWindow", "E&xit"),
    //: The big title in the panel beside the field, 241 x 145 px at 39 pt: the game's name.
    QT_TRANSLATE_NOOP("GameWindow", "Crumbletons"),
    //: Panel label before the number of lives, 73 x 33 px at 18 pt.
    QT_TRANSLATE_NOOP("GameWindow", "Lives:"),
    //: Panel label before the points, 73 x 33 px at 18 pt.
    QT_TRANSLATE_NOOP("GameWindow", "Points:"),
    //: Panel label over the countdown of the large paddle, 161 x 33 px at 18 pt.
    QT_TRANSLATE_NOOP("GameWindow", "Power Up Time:"),
    //: In the field under the bricks, 217 x 33 px at 18 pt bold: the space bar serves the ball.
    QT_TRANSLATE_NOOP("GameWindow", "Press SPACE To Start"),
    //: Title of the legend of the three power-ups, 105 x 25 px, 12 pt bold, centred.
    QT_TRANSLATE_NOOP("GameWindow", "Power Ups"),
    //: Legend, beside a compact disc, 81 x 25 px, 12 pt bold: the power-up that gives
    //: one more life. The leading blank is the original's; a translation needs none.
    QT_TRANSLATE_NOOP("GameWindow", " Extra Life"),
    //: Legend, beside a banana, 97 x 25 px, 12 pt bold: the power-up that widens both paddles.
    QT_TRANSLATE_NOOP("GameWindow", "Large Paddle"),
    //: Legend, beside a burning match, 65 x 17 px, 12 pt bold: the power-up that puts a
    //: bar behind each paddle.
    QT_TRANSLATE_NOOP("GameWindow", "Shield"),
};

}  // namespace

QString ShownCaption(const std::string& caption) {
    return QCoreApplication::translate("GameWindow", caption.c_str());
}

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
                const QRect was = before.Visible ? PaintedRect(before, scale, device) : QRect();
                const QRect is = now->Visible ? PaintedRect(*now, scale, device) : QRect();
                // A step of a moving control overlaps its last place: one rectangle
                // over both is fewer to paint and to send than their outline.
                if (was.intersects(is))
                    dirty += was | is;
                else
                    dirty += was, dirty += is;
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

void GameView::setBrickMarks(bool on) {
    if (on == brickMarks_) return;
    brickMarks_ = on;
    update();
}

void GameView::paintEvent(QPaintEvent* event) {
    if (!paintObserver_) return paint(event);
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    paint(event);
    paintObserver_(Clock::now() - start, event->region());
}

void GameView::forgetOtherSizes() {
    if (size() == picturesSize_ && devicePixelRatioF() == picturesRatio_) return;
    // A window dragged through many sizes would otherwise keep a rendering for each.
    pictures_.clear();
    ballPictures_.clear();
    picturesSize_ = size();
    picturesRatio_ = devicePixelRatioF();
}

void GameView::paint(QPaintEvent* event) {
    forgetOtherSizes();
    // The widget's paint already clips to the region: no clip of our own to set up.
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(game_.BackColor, palette()));
    const QRegion& region = event->region();
    const Mapping mapping{sceneScale(), DeviceTransform(this)};
    // Most frames repaint a few small places: the controls far from all of them are
    // passed over in twips, before any is snapped to pixels.
    QVarLengthArray<TwipsBounds, 16> near;
    for (const QRect& r : region) near.append(TwipsAround(r, mapping.scale));
    const auto mayMeet = [&](const auto& c) {
        return std::any_of(near.begin(), near.end(), [&](const TwipsBounds& b) { return b.mayMeet(c); });
    };
    for (const ControlRef& control : game_.StackingOrder()) {
        std::visit(
            [&](const auto* c) {
                if (c->Visible && mayMeet(*c) &&
                    region.intersects(PaintedRect(*c, mapping.scale, mapping.device)))
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
    //: Over the middle of the field while the game is paused, 24 pt bold, 585 px wide.
    painter.drawText(title, Qt::AlignHCenter | Qt::AlignBottom,
                     QCoreApplication::translate("GameWindow", "Paused"));
    font.setPixelSize(std::max(1, font.pixelSize() / 2));
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(band.adjusted(0, bandHeight * 0.68, 0, 0), Qt::AlignHCenter | Qt::AlignTop, PauseHint());
}

void GameView::draw(QPainter& painter, const Mapping& mapping, const Shape& shape) {
    if (!shape.Visible) return;
    const QRectF r = mapping.scale.snapped(shape, mapping.device);
    const qreal outline = mapping.scale.outlineWidth(mapping.device);
    if (shape.Kind == ShapeKind::Oval) {
        if (&shape == &game_.shpBall && drawBallOnField(painter, mapping, r)) return;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        drawOval(painter, r, outline, shape);
        painter.restore();
        return;
    }

    const QColor border = ToQColor(shape.BorderColor, palette());
    const QBrush fill = FillBrush(shape, palette());
    if (shape.BackOpaque) painter.fillRect(r, ToQColor(shape.BackColor, palette()));
    if (fill.style() != Qt::NoBrush) painter.fillRect(r, fill);
    DrawOutline(painter, r, outline, border);
    if (brickMarks_ && IsBrick(game_, shape))
        DrawStrengthMarks(painter, mapping.scale, mapping.device, shape,
                          ToQColor(shape.FillColor, palette()));
}

void GameView::drawOval(QPainter& painter, const QRectF& r, qreal outline, const Shape& shape) const {
    const QRectF inner = r.adjusted(outline / 2, outline / 2, -outline / 2, -outline / 2);
    if (shape.BackOpaque) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(shape.BackColor, palette()));
        painter.drawEllipse(inner);
    }
    painter.setPen(QPen(ToQColor(shape.BorderColor, palette()), outline));
    painter.setBrush(FillBrush(shape, palette()));
    painter.drawEllipse(inner);
}

bool GameView::drawBallOnField(QPainter& painter, const Mapping& mapping, const QRectF& r) {
    // Only the field lies under the ball (the next control down in the stacking
    // order), so where a device pixel of the field's face surrounds it, the ball and
    // that pixel look the same wherever they are: drawn once, then copied. At a
    // fractional device pixel ratio the copy would not land on whole device pixels.
    const qreal ratio = mapping.device.m11();
    if (ratio != std::round(ratio)) return false;
    const Shape& field = game_.shpField;
    if (!field.Visible || !field.BackOpaque || field.FillStyle != FillPattern::Transparent) return false;
    const qreal outline = mapping.scale.outlineWidth(mapping.device);
    const QRectF face =
        mapping.scale.snapped(field, mapping.device).adjusted(outline, outline, -outline, -outline);
    const QRectF block = r.adjusted(-1 / ratio, -1 / ratio, 1 / ratio, 1 / ratio);
    if (!face.contains(block)) return false;

    const Shape& ball = game_.shpBall;
    const QSize devicePixels(qRound(block.width() * ratio), qRound(block.height() * ratio));
    const BallKey key{
        devicePixels,    ratio,          outline,          ball.FillStyle,  ball.FillColor,
        ball.BackOpaque, ball.BackColor, ball.BorderColor, field.BackColor, palette().cacheKey()};
    auto found = std::find_if(ballPictures_.begin(), ballPictures_.end(),
                              [&](const auto& entry) { return entry.first == key; });
    if (found == ballPictures_.end()) {
        QImage image(devicePixels, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(ToQColor(field.BackColor, palette()));
        QPainter picture(&image);
        picture.setRenderHint(QPainter::Antialiasing);
        drawOval(picture, QRectF(QPointF(1 / ratio, 1 / ratio), r.size()), outline, ball);
        picture.end();
        // The oldest goes: after a change of colours or scale it is not seen again.
        if (ballPictures_.size() == kBallPictures) ballPictures_.erase(ballPictures_.begin());
        ballPictures_.emplace_back(key, QPixmap::fromImage(std::move(image)));
        found = std::prev(ballPictures_.end());
    }
    painter.drawPixmap(block.topLeft(), found->second);
    return true;
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
    // Lives, points and the countdown are numbers, the same in every language.
    const bool number = &label == &game_.lblLives || &label == &game_.lblPoints || &label == &game_.lblTime;
    const QString caption = number ? QString::fromStdString(label.Caption) : ShownCaption(label.Caption);
    painter.save();
    painter.setClipRect(r, Qt::IntersectClip);
    painter.setFont(FittingFont(mapping.scale.font(label.Font), caption, text.size().toSize(), flags,
                                LegiblePixels(mapping.scale)));
    painter.setPen(TextColour(label.ForeColor, label.BackColor, palette()));
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
