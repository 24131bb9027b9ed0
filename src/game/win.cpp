// The win: the ball stops and the face grows until the message.

#include "frm_game.h"

namespace crumbleton {

void frmGame::CheckWin() {}

void frmGame::GrowFace() {}

}  // namespace crumbleton
