// The ball rebounding from the two paddles.

#include "collisions/face_depths.h"
#include "frm_game.h"
#include "rect.h"

namespace crumbleton {

void frmGame::PaddleBounce() {
    // Both paddles every tick; the ball is never pushed out, so a ball still inside
    // a paddle next tick is judged again on its new depths.
    for (std::size_t i = 0; i < shpPaddle.size(); ++i) {
        RECT overlap;
        if (IntersectRect(overlap, ControlRect(shpPaddle[i]), ControlRect(shpBall)) == 0) continue;
        const FaceDepths d = FaceDepthsOf(shpBall, shpPaddle[i]);
        // Sides first, so a tie between an end and a face turns the ball sideways;
        // only the face that looks into the field turns it vertically.
        if (d.left <= d.bottom && d.left <= d.top && d.left <= d.right) {
            BallSpeedX = static_cast<std::int16_t>(-BallSpeedX);
        } else if (d.right <= d.bottom && d.right <= d.top && d.right <= d.left) {
            BallSpeedX = static_cast<std::int16_t>(-BallSpeedX);
        } else if (i == 0 && d.top <= d.bottom && d.top <= d.left && d.top <= d.right) {
            BallSpeedY = static_cast<std::int16_t>(-BallSpeedY);
        } else if (i == 1 && d.bottom <= d.top && d.bottom <= d.left && d.bottom <= d.right) {
            BallSpeedY = static_cast<std::int16_t>(-BallSpeedY);
        }
    }
}

}  // namespace crumbleton
