// The ball striking bricks: rebounds, points, weakening and the power-up's release.

#include "captions.h"
#include "collisions/face_depths.h"
#include "frm_game.h"
#include "layout.h"
#include "rect.h"

namespace crumbleton {

namespace {

// A brick's colour is the number of strikes it still takes.
constexpr Colour kOneStrike = kOrange;
constexpr Colour kTwoStrikes = kYellow;
constexpr Colour kThreeStrikes = kGreen;
constexpr Colour kPowerUpBrick = kBlack;  // one strike

constexpr double kPointsPerStrike = 100;

}  // namespace

void frmGame::CheckBricks() {
    // Every brick every tick: one tick may strike several, each turning the ball anew.
    for (Shape& brick : Brick) {
        if (!brick.Visible) continue;
        RECT overlap;
        if (IntersectRect(overlap, ControlRect(brick), ControlRect(shpBall)) == 0) continue;

        // The bottom face first, unlike the paddles: a tie with a side turns the
        // ball vertically, and a tie of the top face with a side turns it sideways.
        const FaceDepths d = FaceDepthsOf(shpBall, brick);
        if (d.bottom <= d.top && d.bottom <= d.right && d.bottom <= d.left) {
            BallSpeedY = static_cast<std::int16_t>(-BallSpeedY);
        } else if (d.right <= d.top && d.right <= d.bottom && d.right <= d.left) {
            BallSpeedX = static_cast<std::int16_t>(-BallSpeedX);
        } else if (d.left <= d.top && d.left <= d.bottom && d.left <= d.right) {
            BallSpeedX = static_cast<std::int16_t>(-BallSpeedX);
        } else {
            BallSpeedY = static_cast<std::int16_t>(-BallSpeedY);
        }

        lblPoints.Caption = NumberToCaption(CaptionToNumber(lblPoints.Caption) + kPointsPerStrike);

        if (brick.FillColor == kOneStrike) {
            brick.Visible = false;
        } else if (brick.FillColor == kTwoStrikes) {
            brick.FillColor = kOneStrike;
        } else if (brick.FillColor == kThreeStrikes) {
            brick.FillColor = kTwoStrikes;
        } else if (brick.FillColor == kPowerUpBrick) {
            brick.Visible = false;
            // The game's power-up is the image at the waiting spot; the others sit
            // at home, and falling never changes an image's Left.
            if (imgshield.Left == kWaitingLeft) {
                ShieldFalling = kFallingStep;
            } else if (imgLive.Left == kWaitingLeft) {
                LifeFalling = kFallingStep;
            } else if (imgBananna.Left == kWaitingLeft) {
                BananaFalling = kFallingStep;
            }
        }
    }
}

}  // namespace crumbleton
