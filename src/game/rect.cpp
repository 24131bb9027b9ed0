#include "rect.h"

#include <algorithm>
#include <cmath>

namespace crumbleton {

std::int32_t RoundHalfEven(double value) {
    // The default floating-point environment rounds to nearest, ties to even.
    return static_cast<std::int32_t>(std::lrint(value));
}

namespace {
template <typename Control>
RECT RectOf(const Control& c) {
    return {RoundHalfEven(c.Left), RoundHalfEven(c.Top),
            RoundHalfEven(static_cast<double>(c.Left) + static_cast<double>(c.Width)),
            RoundHalfEven(static_cast<double>(c.Top) + static_cast<double>(c.Height))};
}
}  // namespace

RECT ControlRect(const Shape& control) { return RectOf(control); }
RECT ControlRect(const Image& control) { return RectOf(control); }

int IntersectRect(RECT& dst, const RECT& a, const RECT& b) {
    const RECT overlap{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                       std::min(a.bottom, b.bottom)};
    if (overlap.left < overlap.right && overlap.top < overlap.bottom) {
        dst = overlap;
        return 1;
    }
    dst = RECT{};
    return 0;
}

}  // namespace crumbleton
