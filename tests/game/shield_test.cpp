#include <gtest/gtest.h>

#include "fake_toolkit.h"
#include "frm_game.h"
#include "power_up_helpers.h"

namespace crumbleton {
namespace {

class ShieldTest : public ::testing::Test {
protected:
    void RaiseShield() { g.shpShield[0].Visible = g.shpShield[1].Visible = true; }
    bool Up() const { return g.shpShield[0].Visible && g.shpShield[1].Visible; }
    bool Down() const { return !g.shpShield[0].Visible && !g.shpShield[1].Visible; }
    void PutBall(float left, float top, std::int16_t speedX, std::int16_t speedY) {
        g.shpBall.Left = left, g.shpBall.Top = top;
        g.BallSpeedX = speedX, g.BallSpeedY = speedY;
    }

    testing::FakeToolkit toolkit;
    frmGame g{toolkit};
};

TEST_F(ShieldTest, ACatchRaisesBothBars) {
    g.imgshield.Left = testing::kWaitingLeft;
    g.imgshield.Top = 9000;

    g.CheckShieldPickup();

    EXPECT_FALSE(g.imgshield.Visible);
    EXPECT_TRUE(Up());
}

TEST_F(ShieldTest, EitherBarReturnsTheBallOnceAndBothGo) {
    struct Case {
        const char* what;
        float top;  // of the ball, 275 high
        std::int16_t speedY, after;
        bool bounces;
    };
    const Case cases[] = {
        {"down into the bottom bar", 9495, 50, -50, true},
        {"one twip into the bottom bar", 9446, 50, -50, true},
        {"touching the bottom bar's top edge", 9445, 50, 50, false},
        {"touching the bottom bar's bottom edge", 9855, -50, -50, false},
        {"up into the top bar", 325, -50, 50, true},
        {"one twip into the top bar", 374, -50, 50, true},
        {"touching the top bar's bottom edge", 375, -50, -50, false},
        {"touching the top bar's top edge", -35, 50, 50, false},
        // The bounce turns the ball whichever way it goes.
        {"up through the bottom bar", 9600, -50, 50, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RaiseShield();
        PutBall(2000, c.top, -50, c.speedY);

        g.CheckShieldPickup();

        EXPECT_EQ(g.BallSpeedY, c.after);
        EXPECT_EQ(g.BallSpeedX, -50);
        EXPECT_EQ(g.shpBall.Top, c.top);
        EXPECT_TRUE(c.bounces ? Down() : Up());
    }
}

TEST_F(ShieldTest, HiddenBarsReturnNothing) {
    PutBall(2000, 9495, 50, 50);
    g.CheckShieldPickup();
    EXPECT_EQ(g.BallSpeedY, 50);
    EXPECT_TRUE(Down());
}

TEST_F(ShieldTest, TheFallingPictureRaisesTheBarsAgainAfterABounce) {
    g.imgshield.Left = testing::kWaitingLeft;
    g.imgshield.Top = 9000;
    PutBall(2000, 9495, 50, 50);

    g.CheckShieldPickup();  // caught, and the ball turned in the same tick
    EXPECT_EQ(g.BallSpeedY, -50);
    EXPECT_TRUE(Down());

    g.shpBall.Top -= 50;
    g.imgshield.Top += testing::kFallStep;
    g.CheckShieldPickup();
    EXPECT_TRUE(Up());
}

TEST_F(ShieldTest, ARaisedShieldLastsIntoTheNextGame) {
    g.imgshield.Left = testing::kWaitingLeft;
    g.imgshield.Top = 9000;
    g.CheckShieldPickup();
    ASSERT_TRUE(Up());

    g.ResetGame();
    EXPECT_TRUE(Up());
    EXPECT_TRUE(g.imgshield.Visible);

    PutBall(4000, 9495, 50, 50);
    g.CheckShieldPickup();
    EXPECT_EQ(g.BallSpeedY, -50);
    EXPECT_TRUE(Down());
}

}  // namespace
}  // namespace crumbleton
