// The screen's load step and the frame tick.

#include "captions.h"
#include "frm_game.h"

namespace crumbleton {

void frmGame::Form_Load() { PlacePowerUp(); }

void frmGame::Timer1_Timer() {
    // The toolkit may deliver timer events while a message box of an earlier
    // tick is open; that tick's lives still read 0, so a nested tick must not run.
    if (tickRunning_) return;
    tickRunning_ = true;
    struct Finish {
        bool& running;
        ~Finish() { running = false; }
    } finish{tickRunning_};

    ApplyColours();
    CheckWin();
    MoveObjects();
    CheckBallLost();
    PaddleBounce();
    CheckBricks();
    CheckBananaPickup();
    CheckLifePickup();
    CheckShieldPickup();
    CheckGameLost();
}

void frmGame::CheckGameLost() {
    if (CaptionToNumberStrict(lblLives.Caption) != 0) return;
    toolkit_.ShowMessage(" Game Over!!", " You Lose!", MessageIcon::Critical);
    LeaveGame();
}

}  // namespace crumbleton
