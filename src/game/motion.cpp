// Everything that moves, moved once a tick.

#include "frm_game.h"

namespace crumbleton {

void frmGame::MoveObjects() {}

}  // namespace crumbleton
