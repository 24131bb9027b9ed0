// The win: the ball stops and the face grows until the message.

#include "captions.h"
#include "frm_game.h"

namespace crumbleton {

namespace {

constexpr double kAllPoints = 6900;    // 69 strikes of 100
constexpr float kFaceFullSize = 2400;  // twips
constexpr float kFaceGrowth = 10;      // twips per tick

}  // namespace

bool frmGame::Winning() const { return CaptionToNumberStrict(lblPoints.Caption) == kAllPoints; }

void frmGame::CheckWin() {
    if (!Winning()) return;
    // Every tick of the sequence, so that a serve in between cannot move the ball.
    BallSpeedY = 0;
    BallSpeedX = 0;
    GrowFace();
    if (imgFace.Width >= kFaceFullSize && imgFace.Height >= kFaceFullSize) {
        toolkit_.ShowMessage(" congratulations, You Win!!", " Winner", MessageIcon::None);
        LeaveGame();
    }
}

void frmGame::GrowFace() {
    imgFace.Visible = true;
    // The face is never reset: a later win finds it full-sized and only shows it.
    if (imgFace.Width < kFaceFullSize && imgFace.Height < kFaceFullSize) {
        imgFace.Width = imgFace.Width + kFaceGrowth;
        imgFace.Height = imgFace.Height + kFaceGrowth;
    }
}

}  // namespace crumbleton
