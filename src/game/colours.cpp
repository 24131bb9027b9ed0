// The colour options applied to the game screen at every tick.

#include "frm_game.h"

namespace crumbleton {

void frmGame::ApplyColours() {}

}  // namespace crumbleton
