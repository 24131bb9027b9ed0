#pragma once
// Draws the game screen's controls as the model holds them, back to front in the
// screen's stacking order. It keeps nothing of the game: every paint reads the model.

#include <QWidget>

#include "frm_game.h"
#include "pictures.h"

namespace crumbleton {

class GameView : public QWidget {
public:
    GameView(const frmGame& game, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void draw(QPainter& painter, const Shape& shape);
    void draw(QPainter& painter, const Label& label);
    void draw(QPainter& painter, const Image& image);

    const frmGame& game_;
    PictureCache pictures_;
};

}  // namespace crumbleton
