// The ball rebounding from the two paddles.

#include "frm_game.h"

namespace crumbleton {

void frmGame::PaddleBounce() {}

}  // namespace crumbleton
