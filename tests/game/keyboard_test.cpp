// The arrow keys steer both paddles, space serves a parked ball.

#include <gtest/gtest.h>

#include "fake_toolkit.h"
#include "frm_game.h"

namespace crumbleton {
namespace {

constexpr int kNoShift = 0, kShift = 1, kCtrl = 2, kAlt = 4;

class KeyboardTest : public ::testing::Test {
protected:
    testing::FakeToolkit toolkit;
    frmGame game{toolkit};
};

struct ServeCase {
    const char* name;
    std::int16_t paddleSpeed;
    std::int16_t expectedSpeedX;
};

class ServeTest : public KeyboardTest, public ::testing::WithParamInterface<ServeCase> {};

TEST_P(ServeTest, SpaceServesAParkedBallDownwardsThePaddlesWay) {
    const ServeCase& c = GetParam();
    game.PaddleSpeed = c.paddleSpeed;
    ASSERT_TRUE(game.lblMessage.Visible);

    game.Form_KeyDown(kKeySpace, kNoShift);

    EXPECT_EQ(game.BallSpeedX, c.expectedSpeedX);
    EXPECT_EQ(game.BallSpeedY, 50);
    EXPECT_FALSE(game.lblMessage.Visible);
    EXPECT_EQ(game.PaddleSpeed, c.paddleSpeed);
}

INSTANTIATE_TEST_SUITE_P(Directions, ServeTest,
                         ::testing::Values(ServeCase{"PaddlesMovingRight", 105, 50},
                                           ServeCase{"PaddlesMovingLeft", -105, -50},
                                           ServeCase{"PaddlesStanding", 0, 50}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardTest, SpaceDoesNothingUnlessBothSpeedsAreZero) {
    struct Moving {
        std::int16_t x, y;
    };
    for (const Moving m : {Moving{50, -50}, Moving{-50, 50}, Moving{0, 50}, Moving{50, 0}}) {
        game.BallSpeedX = m.x, game.BallSpeedY = m.y;
        game.lblMessage.Visible = true;
        game.PaddleSpeed = -105;
        game.Form_KeyDown(kKeySpace, kNoShift);
        EXPECT_EQ(game.BallSpeedX, m.x);
        EXPECT_EQ(game.BallSpeedY, m.y);
        EXPECT_TRUE(game.lblMessage.Visible);
        EXPECT_EQ(game.PaddleSpeed, -105);
    }
}

TEST_F(KeyboardTest, ArrowsSteerWhetherOrNotTheBallIsParked) {
    game.Form_KeyDown(kKeyLeft, kNoShift);
    EXPECT_EQ(game.PaddleSpeed, -105);
    game.BallSpeedX = 50, game.BallSpeedY = -50;
    game.Form_KeyDown(kKeyRight, kNoShift);
    EXPECT_EQ(game.PaddleSpeed, 105);
    // An arrow never serves.
    game.BallSpeedX = 0, game.BallSpeedY = 0;
    game.Form_KeyDown(kKeyLeft, kNoShift);
    EXPECT_EQ(game.BallSpeedX, 0);
    EXPECT_EQ(game.BallSpeedY, 0);
    EXPECT_TRUE(game.lblMessage.Visible);
}

TEST_F(KeyboardTest, ArrowsPressedAndReleasedInOverlappingOrder) {
    struct Event {
        bool down;
        int key;
        std::int16_t paddleSpeedAfter;
    };
    // Right held, left pressed over it, then either released: the last press wins
    // and any arrow's release stops the paddles, although the other is still held.
    const Event events[] = {
        {true, kKeyRight, 105}, {true, kKeyLeft, -105}, {false, kKeyRight, 0},  {true, kKeyLeft, -105},
        {false, kKeyLeft, 0},   {true, kKeyRight, 105}, {true, kKeyLeft, -105}, {false, kKeyLeft, 0},
        {true, kKeyRight, 105}, {true, kKeyRight, 105}, {false, kKeyRight, 0},
    };
    for (std::size_t i = 0; i < std::size(events); ++i) {
        const Event& e = events[i];
        e.down ? game.Form_KeyDown(e.key, kNoShift) : game.Form_KeyUp(e.key, kNoShift);
        EXPECT_EQ(game.PaddleSpeed, e.paddleSpeedAfter) << "after event " << i;
    }
}

TEST_F(KeyboardTest, HoldingAnArrowWhileServingSetsTheServeDirection) {
    game.Form_KeyDown(kKeyLeft, kNoShift);
    game.Form_KeyDown(kKeySpace, kNoShift);
    EXPECT_EQ(game.BallSpeedX, -50);
    EXPECT_EQ(game.BallSpeedY, 50);
    // The arrow is still held: the paddles keep moving left.
    EXPECT_EQ(game.PaddleSpeed, -105);
}

TEST_F(KeyboardTest, OtherKeysAndReleasesChangeNothing) {
    game.PaddleSpeed = 105;
    for (int key : {kKeyReturn, kKeyEscape, kKeyUp, kKeyDown, 65, 90, 16, 17, 18}) {
        game.Form_KeyDown(key, kNoShift);
        game.Form_KeyUp(key, kNoShift);
    }
    game.Form_KeyUp(kKeySpace, kNoShift);
    EXPECT_EQ(game.PaddleSpeed, 105);
    EXPECT_EQ(game.BallSpeedX, 0);
    EXPECT_EQ(game.BallSpeedY, 0);
    EXPECT_TRUE(game.lblMessage.Visible);
}

TEST_F(KeyboardTest, ShiftStateIsIgnored) {
    for (int shift : {kShift, kCtrl, kAlt, kShift | kCtrl | kAlt}) {
        game.BallSpeedX = 0, game.BallSpeedY = 0;
        game.Form_KeyDown(kKeyLeft, shift);
        EXPECT_EQ(game.PaddleSpeed, -105);
        game.Form_KeyDown(kKeySpace, shift);
        EXPECT_EQ(game.BallSpeedX, -50);
        game.Form_KeyUp(kKeyLeft, shift);
        EXPECT_EQ(game.PaddleSpeed, 0);
    }
}

TEST_F(KeyboardTest, KeysMoveNothingThemselves) {
    game.Form_KeyDown(kKeyRight, kNoShift);
    game.Form_KeyDown(kKeySpace, kNoShift);
    EXPECT_EQ(game.shpPaddle[0].Left, 3360);
    EXPECT_EQ(game.shpPaddle[1].Left, 3360);
    EXPECT_EQ(game.shpBall.Left, 4320);
    EXPECT_EQ(game.shpBall.Top, 8640);
}

}  // namespace
}  // namespace crumbleton
