// MoveObjects, its five stages in order.

#include <gtest/gtest.h>

#include "fake_toolkit.h"
#include "frm_game.h"

namespace crumbleton {
namespace {

class MotionTest : public ::testing::Test {
protected:
    // Moves until the paddles stop (or a bound is reached); returns how many
    // calls moved them.
    int MovesUntilStopped(int bound = 100) {
        int moves = 0;
        for (int i = 0; i < bound; ++i) {
            const float before = game.shpPaddle[0].Left;
            game.MoveObjects();
            if (game.shpPaddle[0].Left == before) break;
            ++moves;
        }
        return moves;
    }

    testing::FakeToolkit toolkit;
    frmGame game{toolkit};
};

TEST_F(MotionTest, PaddlesFromTheStartStopPastTheLeftWall) {
    game.PaddleSpeed = -105;
    EXPECT_EQ(MovesUntilStopped(), 31);
    for (const Shape& paddle : game.shpPaddle) EXPECT_EQ(paddle.Left, 105);  // 15 past the wall at 120
    game.MoveObjects();
    EXPECT_EQ(game.shpPaddle[0].Left, 105);
}

TEST_F(MotionTest, PaddlesFromTheStartStopPastTheRightWall) {
    game.PaddleSpeed = 105;
    EXPECT_EQ(MovesUntilStopped(), 37);
    for (const Shape& paddle : game.shpPaddle) {
        EXPECT_EQ(paddle.Left, 7245);
        EXPECT_EQ(paddle.Left + paddle.Width, 8895 + 45);
    }
}

struct PaddleCase {
    const char* name;
    float left;
    std::int16_t paddleSpeed;
    float expectedLeft;
};

class PaddleStepTest : public MotionTest, public ::testing::WithParamInterface<PaddleCase> {};

TEST_P(PaddleStepTest, TestsThePositionBeforeTheMove) {
    const PaddleCase& c = GetParam();
    for (Shape& paddle : game.shpPaddle) paddle.Left = c.left;
    game.PaddleSpeed = c.paddleSpeed;
    game.MoveObjects();
    EXPECT_EQ(game.shpPaddle[0].Left, c.expectedLeft);
    EXPECT_EQ(game.shpPaddle[1].Left, c.expectedLeft);
}

// Field from 120 to 8895; paddles 1695 wide, so a right edge on the wall is Left 7200.
INSTANTIATE_TEST_SUITE_P(Walls, PaddleStepTest,
                         ::testing::Values(PaddleCase{"OneTwipInsideLeftWallMovesTo104Past", 121, -105, 16},
                                           PaddleCase{"OnLeftWallStays", 120, -105, 120},
                                           PaddleCase{"PastLeftWallStays", 16, -105, 16},
                                           PaddleCase{"AtLeftWallMovesAway", 16, 105, 121},
                                           PaddleCase{"OneTwipInsideRightWallMovesTo104Past", 7199, 105,
                                                      7304},
                                           PaddleCase{"OnRightWallStays", 7200, 105, 7200},
                                           PaddleCase{"PastRightWallStays", 7304, 105, 7304},
                                           PaddleCase{"AtRightWallMovesAway", 7304, -105, 7199},
                                           PaddleCase{"StandingInTheMiddle", 3360, 0, 3360},
                                           PaddleCase{"StandingPastTheLeftWall", 16, 0, 16},
                                           PaddleCase{"StandingPastTheRightWall", 7304, 0, 7304}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MotionTest, EachPaddleIsJudgedOnItsOwnPosition) {
    game.shpPaddle[0].Left = 120;
    game.shpPaddle[1].Left = 2000;
    game.PaddleSpeed = -105;
    game.MoveObjects();
    EXPECT_EQ(game.shpPaddle[0].Left, 120);
    EXPECT_EQ(game.shpPaddle[1].Left, 1895);
}

TEST_F(MotionTest, TheBallMovesByItsSpeeds) {
    game.shpBall.Left = 4000, game.shpBall.Top = 5000;
    game.BallSpeedX = -50, game.BallSpeedY = 50;
    game.MoveObjects();
    EXPECT_EQ(game.shpBall.Left, 3950);
    EXPECT_EQ(game.shpBall.Top, 5050);
    EXPECT_EQ(game.BallSpeedX, -50);
    EXPECT_EQ(game.BallSpeedY, 50);
}

struct WallCase {
    const char* name;
    float leftBefore;
    std::int16_t speedX;
    std::int16_t expectedSpeedX;
};

class SideWallTest : public MotionTest, public ::testing::WithParamInterface<WallCase> {};

TEST_P(SideWallTest, TurnsOnlyABallStrictlyPastAWall) {
    const WallCase& c = GetParam();
    game.shpBall.Left = c.leftBefore, game.shpBall.Top = 5000;
    game.BallSpeedX = c.speedX, game.BallSpeedY = -50;
    game.MoveObjects();
    EXPECT_EQ(game.BallSpeedX, c.expectedSpeedX);
    EXPECT_EQ(game.BallSpeedY, -50);
    // Not moved back.
    EXPECT_EQ(game.shpBall.Left, c.leftBefore + c.speedX);
    EXPECT_EQ(game.shpBall.Top, 4950);
}

// Ball 275 wide; the right wall is 8895, so a right edge on it is Left 8620.
INSTANTIATE_TEST_SUITE_P(Walls, SideWallTest,
                         ::testing::Values(WallCase{"RightEdgeOnTheWall", 8570, 50, 50},
                                           WallCase{"RightEdgeOneTwipPast", 8571, 50, -50},
                                           WallCase{"RightEdgeFarPast", 8700, 50, -50},
                                           WallCase{"LeftEdgeOnTheWall", 170, -50, -50},
                                           WallCase{"LeftEdgeOneTwipPast", 169, -50, 50},
                                           // The test knows positions only, not directions.
                                           WallCase{"StillPastTheRightWallMovingAway", 8700, -50, 50},
                                           WallCase{"StillPastTheLeftWallMovingAway", 0, 50, -50}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MotionTest, TopAndBottomEdgesAreNoWalls) {
    game.shpBall.Left = 4000, game.shpBall.Top = 100;
    game.BallSpeedX = 50, game.BallSpeedY = -50;
    game.MoveObjects();
    EXPECT_EQ(game.BallSpeedY, -50);
    EXPECT_EQ(game.shpBall.Top, 50);
}

TEST_F(MotionTest, SideWallsCompareSinglePrecisionSums) {
    // Left + Width is 16777217 exactly, which single precision rounds to the
    // wall's 16777216: not strictly past it.
    game.shpField.Left = 0, game.shpField.Width = 16777216;
    game.shpBall.Left = 16777166, game.shpBall.Width = 1;
    game.BallSpeedX = 50, game.BallSpeedY = 50;
    game.MoveObjects();
    EXPECT_EQ(game.BallSpeedX, 50);
}

TEST_F(MotionTest, AParkedBallRidesOnTheBottomPaddle) {
    ASSERT_EQ(game.BallSpeedX, 0);
    ASSERT_EQ(game.BallSpeedY, 0);
    game.MoveObjects();
    EXPECT_EQ(game.shpBall.Left, 3360 + 847.5f);
    EXPECT_EQ(game.shpBall.Top, 8640);  // the layout's height, untouched

    // It follows the paddle in the tick in which the paddle moves.
    game.PaddleSpeed = 105;
    game.MoveObjects();
    EXPECT_EQ(game.shpPaddle[0].Left, 3465);
    EXPECT_EQ(game.shpBall.Left, 3465 + 847.5f);

    // The bottom paddle's current width counts; the top paddle plays no part.
    game.PaddleSpeed = 0;
    game.shpPaddle[0].Width = 2695;
    game.shpPaddle[1].Left = 120;
    game.MoveObjects();
    EXPECT_EQ(game.shpBall.Left, 3465 + 1347.5f);
}

TEST_F(MotionTest, AMovingBallIsNotPlacedOnThePaddle) {
    for (const auto& speeds : {std::pair<std::int16_t, std::int16_t>{0, 50}, {50, 0}}) {
        game.shpBall.Left = 2000, game.shpBall.Top = 5000;
        game.BallSpeedX = speeds.first, game.BallSpeedY = speeds.second;
        game.MoveObjects();
        EXPECT_EQ(game.shpBall.Left, 2000 + speeds.first);
    }
}

struct FallCase {
    const char* name;
    std::int16_t frmGame::*flag;
    Image frmGame::*image;
};

class FallingTest : public MotionTest, public ::testing::WithParamInterface<FallCase> {};

TEST_P(FallingTest, AFlaggedImageFalls45AShownOrNot) {
    const FallCase& c = GetParam();
    Image& image = game.*c.image;
    image.Left = 4080, image.Top = 4680;
    game.*c.flag = 45;
    game.MoveObjects();
    EXPECT_EQ(image.Top, 4725);
    image.Visible = false;  // caught: it keeps moving while its flag is set
    game.MoveObjects();
    EXPECT_EQ(image.Top, 4770);
    EXPECT_EQ(image.Left, 4080);

    // The other two stay where they are.
    for (const Image* other : {&game.imgBananna, &game.imgshield, &game.imgLive}) {
        if (other == &image) continue;
        EXPECT_EQ(other->Left, 9840);
        EXPECT_TRUE(other->Top == 7680 || other->Top == 8280 || other->Top == 8880);
    }
}

INSTANTIATE_TEST_SUITE_P(Images, FallingTest,
                         ::testing::Values(FallCase{"Banana", &frmGame::BananaFalling, &frmGame::imgBananna},
                                           FallCase{"Shield", &frmGame::ShieldFalling, &frmGame::imgshield},
                                           FallCase{"Life", &frmGame::LifeFalling, &frmGame::imgLive}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MotionTest, UnflaggedImagesStayPut) {
    game.MoveObjects();
    EXPECT_EQ(game.imgLive.Top, 7680);
    EXPECT_EQ(game.imgBananna.Top, 8280);
    EXPECT_EQ(game.imgshield.Top, 8880);
}

}  // namespace
}  // namespace crumbleton
