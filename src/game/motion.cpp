// Everything that moves, moved once a tick.

#include "frm_game.h"
#include "layout.h"

namespace crumbleton {

namespace {

// Edges are compared as single-precision sums (exact for the game's values).
float RightEdge(const Shape& s) { return s.Left + s.Width; }

}  // namespace

void frmGame::MoveObjects() {
    // 1. A released power-up falls, shown or caught; only a reset stops it.
    if (BananaFalling > 0) imgBananna.Top = imgBananna.Top + kFallingStep;
    if (ShieldFalling > 0) imgshield.Top = imgshield.Top + kFallingStep;
    if (LifeFalling > 0) imgLive.Top = imgLive.Top + kFallingStep;

    // 2. Both paddles, judged on where they stand before the move: a paddle stops
    // only once past a wall (by up to 104 twips) and can always move away from it.
    for (Shape& paddle : shpPaddle) {
        if (paddle.Left <= shpField.Left && PaddleSpeed < 0) continue;
        if (RightEdge(shpField) <= RightEdge(paddle) && PaddleSpeed > 0) continue;
        paddle.Left = paddle.Left + PaddleSpeed;
    }

    // 3. The ball.
    shpBall.Left = shpBall.Left + BallSpeedX;
    shpBall.Top = shpBall.Top + BallSpeedY;

    // 4. The side walls, strictly past them; the ball is not moved back, its next
    // move brings it inside. The top and bottom edges lose the ball (CheckBallLost).
    if (RightEdge(shpField) < RightEdge(shpBall)) {
        BallSpeedX = static_cast<std::int16_t>(-BallSpeedX);
    } else if (shpBall.Left < shpField.Left) {
        BallSpeedX = static_cast<std::int16_t>(-BallSpeedX);
    }

    // 5. A parked ball rides on the bottom paddle, its left edge at the middle.
    if (BallSpeedX == 0 && BallSpeedY == 0) shpBall.Left = shpPaddle[0].Left + shpPaddle[0].Width / 2;
}

}  // namespace crumbleton
