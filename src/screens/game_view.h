#pragma once
// Draws the game screen's controls as the model holds them, back to front in the
// screen's stacking order. It keeps nothing of the game: every paint reads the model.

#include <QRegion>
#include <QWidget>
#include <chrono>
#include <functional>

#include "frm_game.h"
#include "pictures.h"

namespace crumbleton {

class GameView : public QWidget {
public:
    GameView(const frmGame& game, QWidget* parent = nullptr);

    // Called after every paint with its duration and the region it painted (logical
    // pixels); for measuring programs. Nothing is timed while none is set.
    using PaintObserver = std::function<void(std::chrono::nanoseconds, const QRegion&)>;
    void setPaintObserver(PaintObserver observer) { paintObserver_ = std::move(observer); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void draw(QPainter& painter, const Shape& shape);
    void draw(QPainter& painter, const Label& label);
    void draw(QPainter& painter, const Image& image);

    void paint(QPaintEvent* event);

    const frmGame& game_;
    PictureCache pictures_;
    PaintObserver paintObserver_;
};

}  // namespace crumbleton
