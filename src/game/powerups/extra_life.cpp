// The extra life.

#include "captions.h"
#include "frm_game.h"
#include "rect.h"

namespace crumbleton {

void frmGame::CheckLifePickup() {
    if (!Overlaps(shpPaddle[0], imgLive)) return;
    // Hidden: already taken. The picture falls on and may touch the paddle for
    // several more ticks.
    if (!imgLive.Visible) return;
    imgLive.Visible = false;
    lblLives.Caption = NumberToCaption(CaptionToNumber(lblLives.Caption) + 1);
}

}  // namespace crumbleton
