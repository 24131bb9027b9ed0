#pragma once
// The integer rectangle and the overlap test on which every collision rests.

#include <cmath>
#include <cstdint>

#include "controls.h"

namespace crumbleton {

// Right and bottom are exclusive.
struct RECT {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const RECT&) const = default;
};

// Nearest integer, ties to the even one: the game's only float-to-integer rule.
// Inline, as every collision test of a tick rounds a few hundred edges; the core
// builds without errno for maths, so lrint is one instruction, not a call.
inline std::int32_t RoundHalfEven(double value) {
    // The default floating-point environment rounds to nearest, ties to even.
    return static_cast<std::int32_t>(std::lrint(value));
}

namespace detail {
template <typename Control>
RECT RectOf(const Control& c) {
    return {RoundHalfEven(c.Left), RoundHalfEven(c.Top),
            RoundHalfEven(static_cast<double>(c.Left) + static_cast<double>(c.Width)),
            RoundHalfEven(static_cast<double>(c.Top) + static_cast<double>(c.Height))};
}
}  // namespace detail

// Each edge rounded once from the exact (double) sum of two float properties.
inline RECT ControlRect(const Shape& control) { return detail::RectOf(control); }
inline RECT ControlRect(const Image& control) { return detail::RectOf(control); }

// Non-zero when a and b overlap; shared edges and empty rectangles do not.
// Stores the overlapping part in dst (all zeros when there is none).
inline int IntersectRect(RECT& dst, const RECT& a, const RECT& b) {
    const std::int32_t left = a.left > b.left ? a.left : b.left;
    const std::int32_t top = a.top > b.top ? a.top : b.top;
    const std::int32_t right = a.right < b.right ? a.right : b.right;
    const std::int32_t bottom = a.bottom < b.bottom ? a.bottom : b.bottom;
    if (left < right && top < bottom) {
        dst = {left, top, right, bottom};
        return 1;
    }
    dst = RECT{};
    return 0;
}

// The game's collision test: ControlRect of both, a first.
template <typename A, typename B>
bool Overlaps(const A& a, const B& b) {
    RECT dst;
    return IntersectRect(dst, ControlRect(a), ControlRect(b)) != 0;
}

}  // namespace crumbleton
