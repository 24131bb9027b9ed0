// The large paddle: both paddles grow, a countdown runs, then they shrink.
// Its state is the bottom paddle's width, the countdown caption and whether the
// banana has been caught (hidden).

#include "captions.h"
#include "frm_game.h"
#include "layout.h"
#include "rect.h"

namespace crumbleton {

namespace {

constexpr float kGrowth = 15, kShrink = 9;  // twips per tick
constexpr double kCountdownStep = 0.01;     // per tick

}  // namespace

void frmGame::CheckBananaPickup() {
    // The hidden banana falls on, and every tick it still touches the paddle
    // restarts the countdown.
    if (Overlaps(shpPaddle[0], imgBananna)) {
        imgBananna.Visible = false;
        lblTimer.Visible = true;
        lblTime.Visible = true;
        lblTime.Caption = "20";
    }

    const float width = shpPaddle[0].Width;
    const double countdown = CaptionToNumber(lblTime.Caption);
    if (countdown == 0 && width > kPaddleWidth) {
        // Not clamped: the last step lands on 1689, below the normal width, and
        // that is what keeps a caught banana from starting a new growth.
        for (Shape& paddle : shpPaddle) paddle.Width = paddle.Width - kShrink;
    } else if (width >= kLargePaddleWidth && countdown > 0) {
        lblTime.Caption = NumberToCaption(countdown - kCountdownStep);
    } else if (width < kPaddleWidth) {
        // Spent until the next reset.
    } else if (!imgBananna.Visible && width <= kLargePaddleWidth) {
        for (Shape& paddle : shpPaddle) {
            paddle.Width = paddle.Width + kGrowth;
            // Read back each pass: the countdown drops twice per growing tick.
            lblTime.Caption = NumberToCaption(CaptionToNumber(lblTime.Caption) - kCountdownStep);
        }
    }
}

}  // namespace crumbleton
