// A fresh game: lives, points, bricks and the power-up. Nothing else: a ball in
// flight flies on, the paddles stay where they are, a raised shield stays up.

#include "frm_game.h"
#include "layout.h"

namespace crumbleton {

void frmGame::ResetGame() {
    lblLives.Caption = "3";

    BananaFalling = 0;
    ShieldFalling = 0;
    LifeFalling = 0;

    // Home, beside the legend's icons.
    imgshield.Left = kPowerUpHomeLeft;
    imgshield.Top = kShieldHomeTop;
    imgshield.Visible = true;
    imgLive.Top = kLifeHomeTop;
    imgLive.Left = kPowerUpHomeLeft;
    imgLive.Visible = true;
    imgBananna.Left = kPowerUpHomeLeft;
    imgBananna.Top = kBananaHomeTop;
    imgBananna.Visible = true;

    lblPoints.Caption = "0";

    // At once, without shrinking.
    shpPaddle[0].Width = kPaddleWidth;
    shpPaddle[1].Width = kPaddleWidth;

    lblTime.Caption = "0";
    lblTime.Visible = false;
    lblTimer.Visible = false;

    for (Shape& brick : Brick) brick.Visible = true;
    // Hits only ever weaken green and yellow bricks; orange and black ones keep their colour.
    for (std::size_t i = kFirstYellowBrick; i < kBlackBrick; ++i) Brick[i].FillColor = FreshBrickColour(i);

    PlacePowerUp();
}

}  // namespace crumbleton
