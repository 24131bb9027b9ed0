// The game screen's "File" menu.

#include "frm_game.h"

namespace crumbleton {

void frmGame::mnuFileReset_Click() { ResetGame(); }

void frmGame::mnuFileMenu_Click() {
    ResetGame();
    toolkit_.Show(Screen::Start);
    toolkit_.Hide(Screen::Game);
}

void frmGame::mnuFileExit_Click() { toolkit_.End(); }

}  // namespace crumbleton
