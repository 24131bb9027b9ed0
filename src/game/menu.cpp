// The game screen's "File" menu.

#include "frm_game.h"

namespace crumbleton {

void frmGame::mnuFileReset_Click() {
    // A ball in flight flies on into the new game, but one stopped by the win
    // would stay among the bricks with nothing to serve, and score as it slid.
    const bool winning = Winning();
    ResetGame();
    if (winning) ParkBall();
}

void frmGame::mnuFileMenu_Click() { LeaveGame(); }

void frmGame::LeaveGame() {
    ResetGame();
    // The player is away: the hidden screen's ticks must find nothing to move,
    // and the next game waits for its serve.
    PaddleSpeed = 0;
    ParkBall();
    toolkit_.Show(Screen::Start);
    toolkit_.Hide(Screen::Game);
}

void frmGame::mnuFileExit_Click() { toolkit_.Quit(); }

}  // namespace crumbleton
