#pragma once
// Draws the game screen's controls as the model holds them, back to front in the
// screen's stacking order. Every paint reads the model; what the view keeps is
// only what it last drew, to find the parts of the screen that need painting.

#include <QPixmap>
#include <QRegion>
#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "frm_game.h"
#include "pictures.h"
#include "scale.h"

namespace crumbleton {

// A caption of the game screen's rules as the window shows it: in the player's language.
QString ShownCaption(const std::string& caption);

class GameView : public QWidget {
public:
    GameView(const frmGame& game, QWidget* parent = nullptr);

    // Schedules a repaint of the controls that changed since the last call, at
    // their old and their new places; the rest of the screen stays as drawn.
    void refresh();

    // Shows "Paused" over the scene, or takes it away.
    void setPaused(bool paused);
    // Draws on every brick a mark of the strikes it still takes, or no mark.
    void setBrickMarks(bool on);
    bool brickMarks() const { return brickMarks_; }

    // Called after every paint with its duration and the region it painted (logical
    // pixels); for measuring programs. Nothing is timed while none is set.
    using PaintObserver = std::function<void(std::chrono::nanoseconds, const QRegion&)>;
    void setPaintObserver(PaintObserver observer) { paintObserver_ = std::move(observer); }

    // The laid-out size; the view takes any other size it is given.
    QSize sizeHint() const override;
    // The scene as large as fits the view, centred: 1 at the laid-out size.
    Scale sceneScale() const;
    // The pictures rendered for the current size; for measuring programs and tests.
    const PictureCache& pictures() const { return pictures_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Mapping {
        Scale scale;
        QTransform device;
    };
    void draw(QPainter& painter, const Mapping& mapping, const Shape& shape);
    void draw(QPainter& painter, const Mapping& mapping, const Label& label);
    void draw(QPainter& painter, const Mapping& mapping, const Image& image);
    void drawOval(QPainter& painter, const QRectF& r, qreal outline, const Shape& shape) const;
    // False, having drawn nothing, where the ball does not lie on the field's face.
    bool drawBallOnField(QPainter& painter, const Mapping& mapping, const QRectF& r);

    void paint(QPaintEvent* event);
    // Drops the pictures rendered for another size or device pixel ratio.
    void forgetOtherSizes();
    void drawPaused(QPainter& painter, const Mapping& mapping);
    void remember();

    using Drawn = std::variant<Shape, Label, Image>;
    static constexpr std::size_t kControls =
        std::tuple_size_v<decltype(std::declval<frmGame>().StackingOrder())>;

    const frmGame& game_;
    const QSize laidOut_;  // logical pixels
    // The controls and the screen's colour as refresh() last saw them, in stacking order.
    std::array<Drawn, kControls> drawn_;
    Colour drawnBackColor_ = 0;
    PictureCache pictures_;
    QSize picturesSize_;  // the view's size and device pixel ratio that pictures_ was rendered for
    qreal picturesRatio_ = 0;
    // The ball on the field's face with a device pixel of it around, and what it depends on.
    struct BallKey {
        QSize devicePixels;
        qreal ratio = 0, outline = 0;
        FillPattern fillStyle{};
        Colour fill = 0;
        bool backOpaque = false;
        Colour back = 0, border = 0, face = 0;
        qint64 palette = 0;  // the desktop colours among them
        bool operator==(const BallKey&) const = default;
    };
    // Snapped to device pixels, the ball is one of two widths and two heights as it
    // moves: each of the four is kept.
    static constexpr std::size_t kBallPictures = 4;
    std::vector<std::pair<BallKey, QPixmap>> ballPictures_;
    PaintObserver paintObserver_;
    bool paused_ = false;
    bool brickMarks_ = false;
};

}  // namespace crumbleton
