// The ball rebounding from the two paddles.

#include <gtest/gtest.h>

#include "collisions/face_depths.h"
#include "fake_toolkit.h"
#include "frm_game.h"

namespace crumbleton {
namespace {

// The layout's paddles: Left 3360, Width 1695, Height 255; bottom at Top 9000,
// top at Top 720. The ball is 275 by 275.
struct BounceCase {
    const char* name;
    float ballLeft, ballTop;
    std::int16_t expectedSpeedX, expectedSpeedY;  // from 50, 50
};

class PaddleBounceTest : public ::testing::TestWithParam<BounceCase> {
protected:
    testing::FakeToolkit toolkit;
    frmGame game{toolkit};
};

TEST_P(PaddleBounceTest, TurnsTheBallByTheShallowestFace) {
    const BounceCase& c = GetParam();
    game.shpBall.Left = c.ballLeft, game.shpBall.Top = c.ballTop;
    game.BallSpeedX = 50, game.BallSpeedY = 50;

    game.PaddleBounce();

    EXPECT_EQ(game.BallSpeedX, c.expectedSpeedX);
    EXPECT_EQ(game.BallSpeedY, c.expectedSpeedY);
    // Nothing is moved, and neither points nor lives change.
    EXPECT_EQ(game.shpBall.Left, c.ballLeft);
    EXPECT_EQ(game.shpBall.Top, c.ballTop);
    EXPECT_EQ(game.shpPaddle[0].Left, 3360);
    EXPECT_EQ(game.shpPaddle[1].Left, 3360);
    EXPECT_EQ(game.lblLives.Caption, "3");
    EXPECT_EQ(game.lblPoints.Caption, "0");
}

INSTANTIATE_TEST_SUITE_P(Faces, PaddleBounceTest,
                         ::testing::Values(
                             // Top depth 15, bottom 515, left 1235, right 735.
                             BounceCase{"BottomPaddleTopFace", 4320, 8740, 50, -50},
                             // Left depth 15, top 175.
                             BounceCase{"BottomPaddleLeftEnd", 3100, 8900, -50, 50},
                             // Left and top depths tie at 15: the side wins.
                             BounceCase{"TieOfEndAndFaceGoesToTheSide", 3100, 8740, -50, 50},
                             // Top paddle struck from above: top depth 15, bottom 515; nothing turns.
                             BounceCase{"TopPaddleFromAbove", 4320, 460, 50, 50},
                             // Top paddle's bottom face: bottom depth 15, top 515.
                             BounceCase{"TopPaddleBottomFace", 4320, 960, 50, -50},
                             // Lower edge on the paddle's top face: a shared edge is no overlap.
                             BounceCase{"EdgeContactIsNoStrike", 4320, 8725, 50, 50},
                             // More of the same rules.
                             // Right depth 15 (ball Left 5040), top 175.
                             BounceCase{"BottomPaddleRightEnd", 5040, 8900, -50, 50},
                             // Bottom paddle struck from below: bottom depth 15, top 515; nothing turns.
                             BounceCase{"BottomPaddleFromBelow", 4320, 9240, 50, 50},
                             // Top paddle's left end: left depth 15, bottom depth 175.
                             BounceCase{"TopPaddleLeftEnd", 3100, 800, -50, 50},
                             // Right and bottom depths tie at 15 on the top paddle: the side wins.
                             BounceCase{"TopPaddleTieGoesToTheSide", 5040, 960, -50, 50},
                             // Left depth 16.5 rounds to 16 (half to even), tying the top depth 16, so
                             // the side wins; unrounded, or rounded half away from zero, the face would.
                             BounceCase{"DepthsRoundHalfToEvenBeforeComparing", 3101.5f, 8741, -50, 50},
                             // Left depth 17.5 rounds to 18 and ties the top depth 18: the side wins.
                             BounceCase{"HalfRoundsUpToEven", 3102.5f, 8743, -50, 50},
                             // Clear of both paddles.
                             BounceCase{"MidField", 4320, 5000, 50, 50}),
                         [](const auto& info) { return std::string(info.param.name); });

class PaddleBounceStateTest : public ::testing::Test {
protected:
    testing::FakeToolkit toolkit;
    frmGame game{toolkit};
};

TEST_F(PaddleBounceStateTest, BothPaddlesAreExaminedEveryTick) {
    // A paddle pair moved so that one ball overlaps the top face of the bottom
    // paddle and the bottom face of the top paddle: both turn it, so the vertical
    // speed is negated twice.
    game.shpPaddle[1].Top = 8500;  // 8500 to 8755
    game.shpBall.Left = 4320, game.shpBall.Top = 8740;
    game.BallSpeedX = 50, game.BallSpeedY = 50;
    game.PaddleBounce();
    EXPECT_EQ(game.BallSpeedY, 50);
    EXPECT_EQ(game.BallSpeedX, 50);
}

TEST_F(PaddleBounceStateTest, UsesThePaddlesCurrentWidthAndPlace) {
    // The large paddle reaches further: a ball clear of the layout's paddle end.
    game.shpBall.Left = 5100, game.shpBall.Top = 8740;
    game.BallSpeedX = 50, game.BallSpeedY = 50;
    game.PaddleBounce();
    EXPECT_EQ(game.BallSpeedY, 50);
    game.shpPaddle[0].Width = 2695;
    game.PaddleBounce();
    EXPECT_EQ(game.BallSpeedY, -50);
}

TEST_F(PaddleBounceStateTest, ABallLeftInsideIsJudgedAgainNextTime) {
    game.shpBall.Left = 4320, game.shpBall.Top = 8740;
    game.BallSpeedX = 50, game.BallSpeedY = 50;
    game.PaddleBounce();
    EXPECT_EQ(game.BallSpeedY, -50);
    game.PaddleBounce();
    EXPECT_EQ(game.BallSpeedY, 50);
}

TEST_F(PaddleBounceStateTest, AServedBallRisesFromTheBottomPaddle) {
    // From the layout's parked ball (Top 8640), served with no arrow held.
    game.Form_KeyDown(kKeySpace, 0);
    int turnedAt = 0;
    for (int tick = 1; tick <= 20 && turnedAt == 0; ++tick) {
        game.Timer1_Timer();
        if (game.BallSpeedY < 0) turnedAt = tick;
    }
    // Ball bottom 8915 + 50k first passes the paddle's top (9000) at k = 2.
    EXPECT_EQ(turnedAt, 2);
    EXPECT_EQ(game.shpBall.Top, 8740);
    EXPECT_EQ(game.BallSpeedX, 50);
    EXPECT_EQ(game.lblLives.Caption, "3");
}

TEST(FaceDepthsTest, ComputedFromUnroundedValuesThenRoundedHalfToEven) {
    Shape ball, target;
    target.Left = 3360, target.Top = 9000, target.Width = 1695, target.Height = 255;
    ball.Width = ball.Height = 275;
    ball.Left = 3360 + 847.5f, ball.Top = 8740.5f;
    const FaceDepths d = FaceDepthsOf(ball, target);
    EXPECT_EQ(d.top, 16);      // 15.5
    EXPECT_EQ(d.bottom, 514);  // 514.5
    EXPECT_EQ(d.left, 1122);   // 1122.5
    EXPECT_EQ(d.right, 848);   // 847.5
}

}  // namespace
}  // namespace crumbleton
