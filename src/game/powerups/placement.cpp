// Each game's one power-up, chosen at random and put on the black brick.

#include <cmath>

#include "frm_game.h"
#include "layout.h"

namespace crumbleton {

std::int16_t frmGame::RandomInRange(std::int16_t first, std::int16_t second) {
    const float r = toolkit_.RandomFraction();
    const auto n = static_cast<std::int16_t>(first - second + 1);
    // Floor, not truncation: with first below second, n is negative.
    const double x = std::floor(static_cast<double>(n) * static_cast<double>(r)) + second;
    return static_cast<std::int16_t>(x);
}

void frmGame::PlacePowerUp() {
    toolkit_.Reseed();
    // The arguments are the wrong way round, so the roll is 1 to 9, and 10 only
    // when the fraction is exactly 0. The game's odds rest on it: keep it.
    const std::int16_t roll = RandomInRange(0, 10);
    PowerUpRoll = roll;
    Image& chosen = roll <= 3 ? imgBananna : roll > 7 ? imgshield : imgLive;
    chosen.Left = kWaitingLeft;
    chosen.Top = kWaitingTop;
}

}  // namespace crumbleton
