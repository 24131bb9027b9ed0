// A fresh game: lives, points, bricks and the power-up. Nothing else: a ball in
// flight flies on, the paddles stay where they are, a raised shield stays up.

#include "frm_game.h"

namespace crumbleton {

void frmGame::ResetGame() {
    lblLives.Caption = "3";

    BananaFalling = 0;
    ShieldFalling = 0;
    LifeFalling = 0;

    // Home, beside the legend's icons.
    imgshield.Left = 9840;
    imgshield.Top = 8880;
    imgshield.Visible = true;
    imgLive.Top = 7680;
    imgLive.Left = 9840;
    imgLive.Visible = true;
    imgBananna.Left = 9840;
    imgBananna.Top = 8280;
    imgBananna.Visible = true;

    lblPoints.Caption = "0";

    // At once, without shrinking.
    shpPaddle[0].Width = 1695;
    shpPaddle[1].Width = 1695;

    lblTime.Caption = "0";
    lblTime.Visible = false;
    lblTimer.Visible = false;

    for (Shape& brick : Brick) brick.Visible = true;
    // Hits only ever weaken green and yellow bricks; orange and black ones keep their colour.
    for (std::size_t i = 28; i <= 35; ++i) Brick[i].FillColor = kGreen;
    for (std::size_t i = 12; i <= 27; ++i) Brick[i].FillColor = kYellow;

    PlacePowerUp();
}

}  // namespace crumbleton
