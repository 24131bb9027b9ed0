// A ball that reaches the field's top or bottom edge costs a life.

#include "frm_game.h"

namespace crumbleton {

void frmGame::CheckBallLost() {}

}  // namespace crumbleton
