#pragma once
// The numbers of the game screen's layout that the rules use too: where the
// layout puts a control and the rules put it back, and the steps things move by.
// The layout (layout.cpp), the reset and the rules all take them from here.

#include <cstddef>
#include <cstdint>

#include "controls.h"

namespace crumbleton {

// A power-up picture's home spot, over its icon in the legend, twips. The three
// homes share a column.
inline constexpr float kPowerUpHomeLeft = 9840;
inline constexpr float kLifeHomeTop = 7680, kBananaHomeTop = 8280, kShieldHomeTop = 8880;

// The waiting spot on the black brick, twips. A Left of exactly kWaitingLeft
// marks the picture that the black brick releases: falling never changes a Left.
inline constexpr float kWaitingLeft = 4080, kWaitingTop = 4680;

// How far a released picture falls each tick, twips; a falling flag holds it too.
inline constexpr std::int16_t kFallingStep = 45;

// The paddles' width, twips: normal, and at its largest while the banana lasts.
inline constexpr float kPaddleWidth = 1695, kLargePaddleWidth = 2535;

// Where a ball waiting for its serve stops, above the bottom paddle (Top 9000), twips.
inline constexpr float kParkedLeft = 3960, kParkedTop = 8520;

// A brick's index decides its class: orange 0 to 11, yellow 12 to 27, green 28
// to 35, and the black brick 36.
inline constexpr std::size_t kFirstYellowBrick = 12, kFirstGreenBrick = 28, kBlackBrick = 36;

// A fresh brick's colour, which is the number of strikes it takes.
constexpr Colour FreshBrickColour(std::size_t index) {
    if (index < kFirstYellowBrick) return kOrange;
    if (index < kFirstGreenBrick) return kYellow;
    if (index < kBlackBrick) return kGreen;
    return kBlack;
}

}  // namespace crumbleton
