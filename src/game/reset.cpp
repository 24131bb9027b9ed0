// A fresh game: lives, points, bricks and the power-up.

#include "frm_game.h"

namespace crumbleton {

void frmGame::ResetGame() {}

}  // namespace crumbleton
