// The large paddle: both paddles grow, a countdown runs, then they shrink.

#include "frm_game.h"

namespace crumbleton {

void frmGame::CheckBananaPickup() {}

}  // namespace crumbleton
