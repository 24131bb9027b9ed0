#include <gtest/gtest.h>

#include "fake_toolkit.h"
#include "frm_game.h"
#include "power_up_helpers.h"

namespace crumbleton {
namespace {

class ExtraLifeTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Released, one fall step above the bottom paddle.
        g.imgLive.Left = testing::kWaitingLeft;
        g.imgLive.Top = testing::kTopBeforeCatch;
        g.LifeFalling = 45;
    }
    // The picture falls as the motion step moves it, then the pickup runs.
    void Tick() {
        if (g.LifeFalling > 0) g.imgLive.Top += testing::kFallStep;
        g.CheckLifePickup();
    }

    testing::FakeToolkit toolkit;
    frmGame g{toolkit};
};

TEST_F(ExtraLifeTest, OneLifeHoweverLongTheHiddenPictureOverlaps) {
    Tick();
    EXPECT_FALSE(g.imgLive.Visible);
    EXPECT_EQ(g.lblLives.Caption, "4");

    for (int tick = 1; tick < testing::kOverlapTicks + 5; ++tick) Tick();
    EXPECT_EQ(g.lblLives.Caption, "4");
}

TEST_F(ExtraLifeTest, AddsToWhateverTheLivesRead) {
    for (const auto& [before, after] : {std::pair{"1", "2"}, {"0", "1"}, {"9", "10"}, {"", "1"}}) {
        g.ResetGame();
        SetUp();
        g.lblLives.Caption = before;
        Tick();
        EXPECT_EQ(g.lblLives.Caption, after) << before;
    }
}

TEST_F(ExtraLifeTest, OnlyTheBottomPaddleCatches) {
    const auto expectNoLife = [&](const char* where) {
        g.CheckLifePickup();
        EXPECT_EQ(g.lblLives.Caption, "3") << where;
        EXPECT_TRUE(g.imgLive.Visible) << where;
    };
    g.imgLive.Left = 9840, g.imgLive.Top = 7680;
    expectNoLife("at home");
    g.imgLive.Left = testing::kWaitingLeft, g.imgLive.Top = 600;
    expectNoLife("on the top paddle");
    g.imgLive.Top = 9255;
    expectNoLife("just below the bottom paddle");
    // Beside the paddle as it falls past.
    g.imgLive.Top = 9000;
    g.shpPaddle[0].Left = 4560;
    expectNoLife("beside the bottom paddle");
}

// The ball is lost earlier in the tick than the catch: with the last life the
// count goes 1, 0, 1, and the tick's lost-game check finds the game still on.
TEST_F(ExtraLifeTest, ACatchInTheTickOfTheLastLostBallSavesTheGame) {
    g.lblLives.Caption = "1";
    // Past the bottom paddle, beside it, one step from the field's bottom edge.
    g.shpBall.Left = 1000, g.shpBall.Top = 9650;
    g.BallSpeedX = 50, g.BallSpeedY = 50;

    g.Timer1_Timer();

    EXPECT_EQ(g.shpBall.Top, 8520) << "the ball was lost";
    EXPECT_FALSE(g.imgLive.Visible) << "and the extra life caught";
    EXPECT_EQ(g.lblLives.Caption, "1");
    EXPECT_TRUE(toolkit.messages.empty());
}

}  // namespace
}  // namespace crumbleton
