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

// Whole ticks: a ball that got past a paddle meets the bar before the field's edge.
TEST_F(ShieldTest, TheBarsSaveOneBallAtEitherEnd) {
    struct Case {
        const char* what;
        float top;
        std::int16_t speedY;
    };
    const Case cases[] = {
        {"past the bottom paddle", 9300, 50},
        {"past the top paddle", 700, -50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RaiseShield();
        PutBall(1000, c.top, 50, c.speedY);  // beside the paddles, at Left 3360

        for (int tick = 0; tick < 40; ++tick) g.Timer1_Timer();

        EXPECT_EQ(g.lblLives.Caption, "3");
        EXPECT_TRUE(Down());
        EXPECT_EQ(g.BallSpeedY, -c.speedY);
        // Used up: the next ball past a paddle is lost.
        PutBall(1000, c.top, 50, c.speedY);
        for (int tick = 0; tick < 40; ++tick) g.Timer1_Timer();
        EXPECT_EQ(g.lblLives.Caption, "2");
        g.lblLives.Caption = "3";
    }
}

TEST_F(ShieldTest, ACaughtShieldReturnsTheFirstBallOfTheNextGame) {
    toolkit.fractions = {0.0f};  // the shield
    g.Form_Load();
    g.ShieldFalling = 45;  // the black brick has been struck
    for (int tick = 0; tick < 86; ++tick) g.Timer1_Timer();
    ASSERT_FALSE(g.imgshield.Visible);
    ASSERT_TRUE(Up());

    g.mnuFileReset_Click();
    for (int tick = 0; tick < 20; ++tick) g.Timer1_Timer();
    ASSERT_TRUE(Up());
    EXPECT_TRUE(g.imgshield.Visible);

    // The first ball of the new game to get past the bottom paddle.
    PutBall(1000, 9300, 50, 50);
    for (int tick = 0; tick < 40; ++tick) g.Timer1_Timer();

    EXPECT_EQ(g.lblLives.Caption, "3");
    EXPECT_TRUE(Down());
    EXPECT_EQ(g.BallSpeedY, -50);
}

}  // namespace
}  // namespace crumbleton
