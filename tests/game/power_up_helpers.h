#pragma once
// Where the power-up pictures wait and rest, and a falling picture moved by hand
// as the motion step moves it, for tests of the pickups one step at a time.

#include <gtest/gtest.h>

#include "frm_game.h"

namespace crumbleton::testing {

inline constexpr float kWaitingLeft = 4080, kWaitingTop = 4680;
inline constexpr float kFallStep = 45;  // twips per tick
// The last Top from which one fall step brings a waiting-column picture onto the
// bottom paddle (Top 9000): 8550 overlaps it, 8505 does not.
inline constexpr float kTopBeforeCatch = 8505;
// Ticks in which a falling picture overlaps the bottom paddle: Tops 8550 to 9225.
inline constexpr int kOverlapTicks = 16;

inline bool AtWaitingSpot(const Image& image) {
    return image.Left == kWaitingLeft && image.Top == kWaitingTop;
}

// Exactly one picture waits on the black brick; the others are at home; all visible.
inline void ExpectOneWaitingOthersHome(const frmGame& g) {
    struct Home {
        const char* name;
        const Image& image;
        float left, top;
    };
    const Home homes[] = {{"imgLive", g.imgLive, 9840, 7680},
                          {"imgBananna", g.imgBananna, 9840, 8280},
                          {"imgshield", g.imgshield, 9840, 8880}};
    int waiting = 0;
    for (const Home& h : homes) {
        EXPECT_TRUE(h.image.Visible) << h.name;
        if (AtWaitingSpot(h.image)) {
            ++waiting;
        } else {
            EXPECT_EQ(h.image.Left, h.left) << h.name;
            EXPECT_EQ(h.image.Top, h.top) << h.name;
        }
    }
    EXPECT_EQ(waiting, 1);
}

}  // namespace crumbleton::testing
