// A ball that touches the field's top or bottom edge costs a life.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_toolkit.h"
#include "frm_game.h"

namespace crumbleton {
namespace {

class BallLostTest : public ::testing::Test {
protected:
    void InFlightAt(float left, float top) {
        game.shpBall.Left = left, game.shpBall.Top = top;
        game.BallSpeedX = 50, game.BallSpeedY = 50;
        game.PaddleSpeed = 105;
        game.lblMessage.Visible = false;
    }

    testing::FakeToolkit toolkit;
    frmGame game{toolkit};
};

struct EdgeCase {
    const char* name;
    float top;
    bool lost;
};

class BallLostEdgeTest : public BallLostTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(BallLostEdgeTest, TouchingAnEdgeIsLost) {
    const EdgeCase& c = GetParam();
    InFlightAt(2000, c.top);

    game.CheckBallLost();

    if (c.lost) {
        EXPECT_EQ(game.lblLives.Caption, "2");
        EXPECT_EQ(game.BallSpeedX, 0);
        EXPECT_EQ(game.BallSpeedY, 0);
        EXPECT_EQ(game.PaddleSpeed, 0);
        EXPECT_EQ(game.shpBall.Left, 3960);
        EXPECT_EQ(game.shpBall.Top, 8520);
        EXPECT_TRUE(game.lblMessage.Visible);
    } else {
        EXPECT_EQ(game.lblLives.Caption, "3");
        EXPECT_EQ(game.BallSpeedX, 50);
        EXPECT_EQ(game.BallSpeedY, 50);
        EXPECT_EQ(game.PaddleSpeed, 105);
        EXPECT_EQ(game.shpBall.Left, 2000);
        EXPECT_EQ(game.shpBall.Top, c.top);
        EXPECT_FALSE(game.lblMessage.Visible);
    }
}

// Field from 120 to 9975; the ball is 275 high, so its bottom edge is on 9975 at Top 9700.
INSTANTIATE_TEST_SUITE_P(Edges, BallLostEdgeTest,
                         ::testing::Values(EdgeCase{"BottomEdgeOnTheFieldsBottom", 9700, true},
                                           EdgeCase{"BottomEdgeOneTwipAbove", 9699, false},
                                           EdgeCase{"BottomEdgePast", 9750, true},
                                           EdgeCase{"TopOnTheFieldsTop", 120, true},
                                           EdgeCase{"TopOneTwipBelow", 121, false},
                                           EdgeCase{"TopAbove", 70, true}, EdgeCase{"MidField", 5000, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BallLostTest, TouchesOnlyBallPaddleSpeedLivesAndMessage) {
    InFlightAt(2000, 9700);
    game.shpPaddle[0].Width = game.shpPaddle[1].Width = 2695;
    game.shpShield[0].Visible = true;
    game.BananaFalling = 45;
    game.imgBananna.Top = 6000;
    game.lblTime.Caption = "12.5";
    game.lblTime.Visible = true;
    game.lblPoints.Caption = "700";

    game.CheckBallLost();

    EXPECT_EQ(game.lblLives.Caption, "2");
    EXPECT_EQ(game.shpPaddle[0].Width, 2695);
    EXPECT_EQ(game.shpPaddle[1].Width, 2695);
    EXPECT_EQ(game.shpPaddle[0].Left, 3360);
    EXPECT_TRUE(game.shpShield[0].Visible);
    EXPECT_EQ(game.BananaFalling, 45);
    EXPECT_EQ(game.imgBananna.Top, 6000);
    EXPECT_EQ(game.lblTime.Caption, "12.5");
    EXPECT_TRUE(game.lblTime.Visible);
    EXPECT_EQ(game.lblPoints.Caption, "700");
}

TEST_F(BallLostTest, LivesAreReadLenientlyAndWrittenPlain) {
    for (const auto& [before, after] : std::vector<std::pair<std::string, std::string>>{
             {"3", "2"}, {"1", "0"}, {"4", "3"}, {" 2", "1"}, {"", "-1"}, {"0", "-1"}}) {
        InFlightAt(2000, 120);
        game.lblLives.Caption = before;
        game.CheckBallLost();
        EXPECT_EQ(game.lblLives.Caption, after) << "from \"" << before << "\"";
    }
}

TEST_F(BallLostTest, ThePutBallStaysAt3960UntilTheNextTickParksItOnThePaddle) {
    game.shpPaddle[0].Left = 1000;
    game.BallSpeedX = 50, game.BallSpeedY = 50;
    game.shpBall.Left = 2000, game.shpBall.Top = 9650;

    game.Timer1_Timer();
    EXPECT_EQ(game.shpBall.Left, 3960);
    EXPECT_EQ(game.shpBall.Top, 8520);

    game.Timer1_Timer();
    EXPECT_EQ(game.shpBall.Left, 1000 + 847.5f);
    EXPECT_EQ(game.shpBall.Top, 8520);
}

TEST_F(BallLostTest, PaddlesStandAfterALostBallUntilTheNextArrowKeyDown) {
    game.Form_KeyDown(kKeyRight, 0);
    game.Form_KeyDown(kKeySpace, 0);
    game.shpBall.Top = 9650;  // falls past the bottom paddle this tick
    game.shpBall.Left = 600;
    game.Timer1_Timer();
    ASSERT_EQ(game.lblLives.Caption, "2");
    const float stopped = game.shpPaddle[0].Left;
    game.Timer1_Timer();
    EXPECT_EQ(game.shpPaddle[0].Left, stopped);
    // The held key's auto-repeat arrives: they move again.
    game.Form_KeyDown(kKeyRight, 0);
    game.Timer1_Timer();
    EXPECT_EQ(game.shpPaddle[0].Left, stopped + 105);
}

// Three lost balls through the real tick: the message opens in the tick that
// writes "0", once the steps after CheckBallLost have run.
TEST_F(BallLostTest, LivesCountDownToTheLostGameMessage) {
    // A green brick under the spot where CheckBallLost puts the ball (3960, 8520)
    // but clear of the parked ball on the paddle (from 4207.5): only CheckBricks,
    // a step after CheckBallLost, strikes it, once in every losing tick.
    Shape& brick = game.Brick[0];
    brick.Left = 2765, brick.Top = 8700;
    brick.FillColor = kGreen;
    const Colour colourAfter[] = {kYellow, kOrange};

    struct AtMessage {
        std::string lives, points;
        bool brickVisible;
    };
    std::vector<AtMessage> seen;
    toolkit.whileMessageOpen = [&] {
        seen.push_back({game.lblLives.Caption, game.lblPoints.Caption, brick.Visible});
    };

    const char* expectedLives[] = {"2", "1", "0"};
    for (int loss = 0; loss < 3; ++loss) {
        // A served ball one move from the bottom edge.
        game.BallSpeedX = 50, game.BallSpeedY = 50;
        game.shpBall.Left = 600, game.shpBall.Top = 9650;
        game.Timer1_Timer();

        if (loss < 2) {
            EXPECT_EQ(game.lblLives.Caption, expectedLives[loss]);
            EXPECT_TRUE(toolkit.messages.empty()) << "after loss " << loss + 1;
            EXPECT_TRUE(game.lblMessage.Visible);
            EXPECT_EQ(brick.FillColor, colourAfter[loss]);
            // A parked tick in between: nothing is lost.
            game.Timer1_Timer();
            EXPECT_EQ(game.lblLives.Caption, expectedLives[loss]);
        }
    }

    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].text, " Game Over!!");
    EXPECT_EQ(toolkit.messages[0].title, " You Lose!");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].lives, "0");
    // The third strike, in the losing tick, came before the message.
    EXPECT_EQ(seen[0].points, "300");
    EXPECT_FALSE(seen[0].brickVisible);
    std::vector<std::string> requests;
    for (const std::string& c : toolkit.calls)
        if (c != "Reseed") requests.push_back(c);
    EXPECT_THAT(requests, ::testing::ElementsAre("ShowMessage", "Show Start", "Hide Game"));
}

}  // namespace
}  // namespace crumbleton
