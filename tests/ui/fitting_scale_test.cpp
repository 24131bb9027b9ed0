// The scale at which a window fits the free area of its screen.

#include <gtest/gtest.h>

#include <climits>

#include "form_layout.h"

namespace crumbleton {
namespace {

TEST(FittingScaleTest, FitsTheFreeAreaWhateverSizeAScreenReports) {
    const QSize game(859, 699);  // with a 20 pixel menu bar
    const QMargins frame(1, 30, 1, 1);
    struct Case {
        const char* what;
        QSize available;
        int fixedHeight;
        qreal scale;
    };
    const Case cases[] = {
        {"room to spare", {1920, 1080}, 20, 1.0},
        {"too narrow", {689, 1080}, 20, 0.8},
        {"too low, the menu bar unscaled", {1920, 20 + 31 + 339}, 20, 0.5},
        {"far too small", {40, 40}, 20, 0.1},
        {"no size", {0, 0}, 0, 0.1},
        // A screen seen at a scale factor of 0: its size overflows int's range.
        {"sizes at int's lowest", {INT_MIN, INT_MIN}, 20, 0.1},
        {"sizes at int's highest", {INT_MAX, INT_MAX}, 20, 1.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(FittingScale(c.available, frame, game, c.fixedHeight), c.scale, 1e-3) << c.what;
}

}  // namespace
}  // namespace crumbleton
