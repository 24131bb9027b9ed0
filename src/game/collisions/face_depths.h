#pragma once
// The four face depths of a collision: how far each edge of
// the ball reaches past the facing edge of the paddle or brick it overlaps.

#include <cstdint>

#include "controls.h"
#include "rect.h"

namespace crumbleton {

// Signed 16-bit twips; the smallest one names the face that was struck.
struct FaceDepths {
    std::int16_t top;     // ball's lower edge below the target's top face
    std::int16_t bottom;  // ball's upper edge above the target's bottom face
    std::int16_t left;    // ball's right edge past the target's left face
    std::int16_t right;   // ball's left edge past the target's right face
};

// Each depth is taken from the unrounded float properties (in double, where the
// game's whole and half values are exact) and rounded once, halves to even.
inline FaceDepths FaceDepthsOf(const Shape& ball, const Shape& target) {
    const auto depth = [](double value) { return static_cast<std::int16_t>(RoundHalfEven(value)); };
    const double ballLeft = ball.Left, ballTop = ball.Top, ballWidth = ball.Width, ballHeight = ball.Height;
    const double left = target.Left, top = target.Top, width = target.Width, height = target.Height;
    return {depth(ballTop + ballHeight - top), depth(top + height - ballTop),
            depth(ballLeft + ballWidth - left), depth(left + width - ballLeft)};
}

}  // namespace crumbleton
