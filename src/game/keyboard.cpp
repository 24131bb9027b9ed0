// The arrow keys steer both paddles; space serves a parked ball. The handlers
// only set the game variables: all motion happens in the frame tick.

#include "frm_game.h"

namespace crumbleton {

void frmGame::Form_KeyDown(int KeyCode, int /*Shift*/) {
    if (BallSpeedX == 0 && BallSpeedY == 0 && KeyCode == kKeySpace) {
        // Downwards first, towards the paddle the ball rests on.
        BallSpeedY = 50;
        BallSpeedX = PaddleSpeed == -105 ? -50 : 50;
        lblMessage.Visible = false;
    }
    if (KeyCode == kKeyLeft) PaddleSpeed = -105;
    if (KeyCode == kKeyRight) PaddleSpeed = 105;
}

void frmGame::Form_KeyUp(int KeyCode, int /*Shift*/) {
    if (KeyCode == kKeyLeft || KeyCode == kKeyRight) PaddleSpeed = 0;
}

}  // namespace crumbleton
