// The shield: two bars that return the ball once. The shield is up exactly while
// the bars are visible; only a bounce takes them down, so a reset leaves them up.

#include "frm_game.h"
#include "rect.h"

namespace crumbleton {

void frmGame::CheckShieldPickup() {
    // The hidden picture falls on: while it still touches the paddle the bars
    // come back, even just after a bounce.
    if (Overlaps(shpPaddle[0], imgshield)) {
        imgshield.Visible = false;
        shpShield[0].Visible = true;
        shpShield[1].Visible = true;
    }
    if (shpShield[0].Visible) ShieldBounce();
}

void frmGame::ShieldBounce() {
    for (const Shape& bar : shpShield) {
        if (Overlaps(bar, shpBall)) {
            BallSpeedY = static_cast<std::int16_t>(-BallSpeedY);
            shpShield[0].Visible = false;
            shpShield[1].Visible = false;
        }
    }
}

}  // namespace crumbleton
