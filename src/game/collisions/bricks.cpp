// The ball striking bricks: rebounds, points, weakening and the power-up's release.

#include "frm_game.h"

namespace crumbleton {

void frmGame::CheckBricks() {}

}  // namespace crumbleton
