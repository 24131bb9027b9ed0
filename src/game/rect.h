#pragma once
// The integer rectangle and the overlap test on which every collision rests.

#include <cstdint>

#include "controls.h"

namespace crumbleton {

// Right and bottom are exclusive.
struct RECT {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const RECT&) const = default;
};

// Nearest integer, ties to the even one: the game's only float-to-integer rule.
std::int32_t RoundHalfEven(double value);

// Each edge rounded once from the exact (double) sum of two float properties.
RECT ControlRect(const Shape& control);
RECT ControlRect(const Image& control);

// Non-zero when a and b overlap; shared edges and empty rectangles do not.
// Stores the overlapping part in dst (all zeros when there is none).
int IntersectRect(RECT& dst, const RECT& a, const RECT& b);

// The game's collision test: ControlRect of both, a first.
template <typename A, typename B>
bool Overlaps(const A& a, const B& b) {
    RECT dst;
    return IntersectRect(dst, ControlRect(a), ControlRect(b)) != 0;
}

}  // namespace crumbleton
