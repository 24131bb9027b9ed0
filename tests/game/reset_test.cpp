#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "fake_toolkit.h"
#include "frm_game.h"
#include "power_up_helpers.h"

namespace crumbleton {
namespace {

using testing::AtWaitingSpot;
using ::testing::ElementsAre;

class ResetTest : public ::testing::Test {
protected:
    // A game well under way: lives and points spent, bricks struck, the large
    // paddle in force, the power-up caught, the shield up, the ball in flight.
    void PlayAWhile() {
        g.lblLives.Caption = "1";
        g.lblPoints.Caption = "4300";
        for (std::size_t i = 0; i < g.Brick.size(); i += 2) g.Brick[i].Visible = false;
        for (std::size_t i = 12; i <= 35; ++i) g.Brick[i].FillColor = i <= 27 ? kOrange : kYellow;
        g.imgBananna.Left = testing::kWaitingLeft, g.imgBananna.Top = 9135;
        g.imgBananna.Visible = false;
        g.imgLive.Visible = false;
        g.imgshield.Left = 200, g.imgshield.Top = 300;
        g.BananaFalling = g.ShieldFalling = g.LifeFalling = 45;
        g.shpPaddle[0].Width = g.shpPaddle[1].Width = 2535;
        g.shpPaddle[0].Left = g.shpPaddle[1].Left = 6000;
        g.lblTime.Caption = "12.34";
        g.lblTime.Visible = g.lblTimer.Visible = true;
        g.shpShield[0].Visible = g.shpShield[1].Visible = true;
        g.imgFace.Visible = true;
        g.imgFace.Width = g.imgFace.Height = 2400;
        g.shpBall.Left = 1234, g.shpBall.Top = 5678;
        g.BallSpeedX = -50, g.BallSpeedY = 50;
        g.PaddleSpeed = 105;
        g.lblMessage.Visible = false;
    }

    testing::FakeToolkit toolkit;
    frmGame g{toolkit};
    const frmGame fresh{toolkit};
};

TEST_F(ResetTest, RestoresWhatAGameUsesUp) {
    PlayAWhile();
    toolkit.fractions = {0.5f};  // the extra life this time
    g.ResetGame();

    EXPECT_EQ(g.lblLives.Caption, "3");
    EXPECT_EQ(g.lblPoints.Caption, "0");
    for (std::size_t i = 0; i < g.Brick.size(); ++i) {
        EXPECT_TRUE(g.Brick[i].Visible) << i;
        EXPECT_EQ(g.Brick[i].FillColor, fresh.Brick[i].FillColor) << i;
    }
    EXPECT_EQ(g.BananaFalling, 0);
    EXPECT_EQ(g.ShieldFalling, 0);
    EXPECT_EQ(g.LifeFalling, 0);
    EXPECT_TRUE(AtWaitingSpot(g.imgLive));
    testing::ExpectOneWaitingOthersHome(g);
    // At once, not by shrinking.
    EXPECT_EQ(g.shpPaddle[0].Width, 1695);
    EXPECT_EQ(g.shpPaddle[1].Width, 1695);
    EXPECT_EQ(g.lblTime.Caption, "0");
    EXPECT_FALSE(g.lblTime.Visible);
    EXPECT_FALSE(g.lblTimer.Visible);
}

TEST_F(ResetTest, LeavesTheRestAlone) {
    PlayAWhile();
    g.ResetGame();

    // The ball flies on from where it was.
    EXPECT_EQ(g.shpBall.Left, 1234);
    EXPECT_EQ(g.shpBall.Top, 5678);
    EXPECT_EQ(g.BallSpeedX, -50);
    EXPECT_EQ(g.BallSpeedY, 50);
    EXPECT_EQ(g.PaddleSpeed, 105);
    EXPECT_EQ(g.shpPaddle[0].Left, 6000);
    EXPECT_EQ(g.shpPaddle[1].Left, 6000);
    // A raised shield carries into the new game; the face stays at full size.
    EXPECT_TRUE(g.shpShield[0].Visible);
    EXPECT_TRUE(g.shpShield[1].Visible);
    EXPECT_TRUE(g.imgFace.Visible);
    EXPECT_EQ(g.imgFace.Width, 2400);
    EXPECT_EQ(g.imgFace.Height, 2400);
    EXPECT_FALSE(g.lblMessage.Visible);
}

TEST_F(ResetTest, EveryResetLeavesExactlyOnePowerUpWaiting) {
    // Whichever image the last game used, and whichever the roll picks now.
    for (float last : {0.0f, 0.5f, 0.9f}) {
        for (float next : {0.0f, 0.05f, 0.3f, 0.5f, 0.7f, 0.95f}) {
            toolkit.fractions = {last};
            g.ResetGame();
            Image& used = AtWaitingSpot(g.imgBananna) ? g.imgBananna
                          : AtWaitingSpot(g.imgLive)  ? g.imgLive
                                                      : g.imgshield;
            used.Top = 9500;  // caught, falling on
            used.Visible = false;

            toolkit.fractions = {next};
            g.ResetGame();
            SCOPED_TRACE(::testing::Message() << last << " then " << next);
            testing::ExpectOneWaitingOthersHome(g);
        }
    }
}

TEST_F(ResetTest, MenuResetStaysOnTheGameScreen) {
    PlayAWhile();
    g.mnuFileReset_Click();

    EXPECT_EQ(g.lblLives.Caption, "3");
    EXPECT_EQ(g.lblPoints.Caption, "0");
    EXPECT_THAT(toolkit.calls, ElementsAre("Reseed"));
}

TEST_F(ResetTest, MenuResetsThenGoesToTheStartScreen) {
    PlayAWhile();
    g.mnuFileMenu_Click();

    EXPECT_EQ(g.lblLives.Caption, "3");
    // The reset's new roll comes before the screens change.
    EXPECT_THAT(toolkit.calls, ElementsAre("Reseed", "Show Start", "Hide Game"));
}

// However a game ends or is left, the next one waits on the bottom paddle for
// its serve, as after a lost ball, and nothing scores or is lost before it.
TEST_F(ResetTest, EveryWayOutOfAGameLeavesTheNextWaitingForTheServe) {
    // The ball stopped by the win among the bricks, or in flight beside them.
    const auto inTheBricks = [](frmGame& g, std::int16_t speedX, std::int16_t speedY) {
        g.shpBall.Left = 3000, g.shpBall.Top = 4400;
        g.BallSpeedX = speedX, g.BallSpeedY = speedY;
        g.lblMessage.Visible = false;
    };
    const auto winning = [](frmGame& g) {
        g.lblPoints.Caption = "6900";
        for (Shape& brick : g.Brick) brick.Visible = false;
    };
    struct Case {
        const char* what;
        std::function<void(frmGame&)> play;
    };
    const Case cases[] = {
        {"a won game",
         [&](frmGame& g) {
             inTheBricks(g, 50, -50);
             winning(g);
             for (int tick = 0; tick < 192; ++tick) g.Timer1_Timer();
         }},
        {"Reset while the face grows",
         [&](frmGame& g) {
             inTheBricks(g, 50, -50);
             winning(g);
             for (int tick = 0; tick < 50; ++tick) g.Timer1_Timer();
             g.mnuFileReset_Click();
         }},
        {"Menu in a rally",
         [&](frmGame& g) {
             inTheBricks(g, -50, 50);
             g.PaddleSpeed = 105;
             g.mnuFileMenu_Click();
         }},
        {"Menu while the face grows",
         [&](frmGame& g) {
             inTheBricks(g, 50, -50);
             winning(g);
             for (int tick = 0; tick < 50; ++tick) g.Timer1_Timer();
             g.mnuFileMenu_Click();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::FakeToolkit toolkit;
        frmGame game{toolkit};
        c.play(game);

        EXPECT_EQ(game.BallSpeedX, 0);
        EXPECT_EQ(game.BallSpeedY, 0);
        EXPECT_EQ(game.shpBall.Top, 8520);
        EXPECT_TRUE(game.lblMessage.Visible);
        EXPECT_EQ(game.lblPoints.Caption, "0");
        // Left alone, even on a hidden screen, the game stays as it was left.
        const Shape ball = game.shpBall;
        const float paddleLeft = game.shpPaddle[0].Left;
        for (int tick = 0; tick < 500; ++tick) game.Timer1_Timer();
        EXPECT_EQ(game.shpPaddle[0].Left, paddleLeft);
        EXPECT_EQ(game.shpBall.Top, ball.Top);
        EXPECT_EQ(game.shpBall.Left, game.shpPaddle[0].Left + game.shpPaddle[0].Width / 2);
        EXPECT_EQ(game.lblLives.Caption, "3");
        EXPECT_EQ(game.lblPoints.Caption, "0");
        // The paddles sweep the whole field: a ball left among the bricks would strike them.
        for (std::int16_t speed : {-105, 105, -105}) {
            game.PaddleSpeed = speed;
            for (int tick = 0; tick < 90; ++tick) game.Timer1_Timer();
        }
        EXPECT_EQ(game.lblPoints.Caption, "0");
        EXPECT_EQ(game.lblLives.Caption, "3");
    }
}

TEST_F(ResetTest, ExitEndsWithoutResetting) {
    PlayAWhile();
    g.mnuFileExit_Click();

    EXPECT_THAT(toolkit.calls, ElementsAre("Quit"));
    EXPECT_EQ(g.lblLives.Caption, "1");
}

}  // namespace
}  // namespace crumbleton
