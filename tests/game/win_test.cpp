#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_toolkit.h"
#include "frm_game.h"

namespace crumbleton {
namespace {

using ::testing::ElementsAre;

class WinTest : public ::testing::Test {
protected:
    // Every brick struck down.
    void SetUp() override {
        g.lblPoints.Caption = "6900";
        for (Shape& brick : g.Brick) brick.Visible = false;
    }

    testing::FakeToolkit toolkit;
    frmGame g{toolkit};
};

TEST_F(WinTest, FaceGrowsForTheMessageInThe192ndTick) {
    float widthWhileOpen = 0, heightWhileOpen = 0;
    toolkit.whileMessageOpen = [&] {
        widthWhileOpen = g.imgFace.Width;
        heightWhileOpen = g.imgFace.Height;
    };
    for (int tick = 1; tick <= 191; ++tick) {
        g.CheckWin();
        ASSERT_TRUE(toolkit.messages.empty()) << "tick " << tick;
        ASSERT_TRUE(g.imgFace.Visible);
        ASSERT_EQ(g.imgFace.Width, 480 + 10 * tick);
        ASSERT_EQ(g.imgFace.Height, 480 + 10 * tick);
    }
    g.CheckWin();

    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].text, " congratulations, You Win!!");
    EXPECT_EQ(toolkit.messages[0].title, " Winner");
    EXPECT_EQ(toolkit.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(widthWhileOpen, 2400);
    EXPECT_EQ(heightWhileOpen, 2400);
    // Then a fresh game and the start screen; the face stays at full size.
    EXPECT_THAT(toolkit.calls, ElementsAre("ShowMessage", "Reseed", "Show Start", "Hide Game"));
    EXPECT_EQ(g.lblPoints.Caption, "0");
    EXPECT_TRUE(g.imgFace.Visible);
    EXPECT_EQ(g.imgFace.Width, 2400);
    EXPECT_EQ(g.imgFace.Height, 2400);
    // The sequence is over.
    g.CheckWin();
    EXPECT_EQ(toolkit.messages.size(), 1u);
}

TEST_F(WinTest, OnlyExactly6900Wins) {
    for (const char* points : {"6800", "6899", "6901", "7000", "69000", "0", ""}) {
        g.lblPoints.Caption = points;
        g.BallSpeedX = 50, g.BallSpeedY = -50;
        g.CheckWin();
        EXPECT_EQ(g.BallSpeedX, 50) << points;
        EXPECT_EQ(g.BallSpeedY, -50) << points;
        EXPECT_FALSE(g.imgFace.Visible) << points;
        EXPECT_EQ(g.imgFace.Width, 480) << points;
    }
    EXPECT_TRUE(toolkit.messages.empty());
}

TEST_F(WinTest, TheBallStopsWhereItIsAndServingDoesNotMoveIt) {
    // The last strike leaves the ball in flight in the middle of the field.
    g.shpBall.Left = 2000, g.shpBall.Top = 5000;
    g.BallSpeedX = 50, g.BallSpeedY = -50;
    g.Timer1_Timer();
    // Stopped at its height, riding on the bottom paddle.
    EXPECT_EQ(g.shpBall.Top, 5000);
    EXPECT_EQ(g.shpBall.Left, 3360 + 1695 / 2.0f);

    for (int tick = 0; tick < 20; ++tick) {
        g.Form_KeyDown(kKeySpace, 0);
        ASSERT_NE(g.BallSpeedY, 0);
        g.Timer1_Timer();
        EXPECT_EQ(g.BallSpeedX, 0);
        EXPECT_EQ(g.BallSpeedY, 0);
        EXPECT_EQ(g.shpBall.Left, 3360 + 1695 / 2.0f);
        EXPECT_EQ(g.shpBall.Top, 5000);
    }
}

TEST_F(WinTest, ASecondWinFindsTheFaceFullSize) {
    for (int tick = 0; tick < 192; ++tick) g.CheckWin();
    ASSERT_EQ(toolkit.messages.size(), 1u);

    g.imgFace.Visible = false;  // shown again at once, not regrown
    g.lblPoints.Caption = "6900";
    g.CheckWin();

    EXPECT_EQ(toolkit.messages.size(), 2u);
    EXPECT_TRUE(g.imgFace.Visible);
    EXPECT_EQ(g.imgFace.Width, 2400);
}

TEST_F(WinTest, TheWinningTickEndsWithoutALostGame) {
    g.imgFace.Width = g.imgFace.Height = 2390;
    // Even a lives caption of 0 is restored by the win before the tick's lost-game check.
    g.lblLives.Caption = "0";
    std::string livesWhileOpen;
    toolkit.whileMessageOpen = [&] { livesWhileOpen = g.lblLives.Caption; };

    g.Timer1_Timer();

    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].title, " Winner");
    EXPECT_EQ(livesWhileOpen, "0");
    EXPECT_EQ(g.lblLives.Caption, "3");
}

}  // namespace
}  // namespace crumbleton
