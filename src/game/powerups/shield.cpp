// The shield: two bars that return the ball once.

#include "frm_game.h"

namespace crumbleton {

void frmGame::CheckShieldPickup() {}

void frmGame::ShieldBounce() {}

}  // namespace crumbleton
