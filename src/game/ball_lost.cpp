// A ball that reaches the field's top or bottom edge costs a life.

#include "captions.h"
#include "frm_game.h"
#include "layout.h"

namespace crumbleton {

void frmGame::CheckBallLost() {
    // Touching an edge counts; edges are single-precision sums.
    const float ballBottom = shpBall.Top + shpBall.Height;
    const float fieldBottom = shpField.Top + shpField.Height;
    if (!(ballBottom >= fieldBottom || shpBall.Top <= shpField.Top)) return;

    // Whether this was the last life is the lost-game check's to decide, at the
    // end of this tick.
    lblLives.Caption = NumberToCaption(CaptionToNumber(lblLives.Caption) - 1);
    PaddleSpeed = 0;
    ParkBall();
}

void frmGame::ParkBall() {
    BallSpeedX = 0;
    BallSpeedY = 0;
    shpBall.Left = kParkedLeft;
    shpBall.Top = kParkedTop;
    lblMessage.Visible = true;
}

}  // namespace crumbleton
