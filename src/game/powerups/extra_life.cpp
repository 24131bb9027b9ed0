// The extra life.

#include "frm_game.h"

namespace crumbleton {

void frmGame::CheckLifePickup() {}

}  // namespace crumbleton
