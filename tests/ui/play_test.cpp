// Playing through the real game window: keys take effect at the next tick of the
// window's own timer, space serves, and the timer ticks on while the window is hidden.

#include <gtest/gtest.h>

#include <QTest>

#include "game_view.h"
#include "game_window.h"
#include "navigator.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

using testing::Grab;
using testing::PixelAt;

constexpr int kWaitMs = 3000;

class PlayTest : public testing::GameScreenTest {
protected:
    // A ball in free flight, clear of bricks and paddles for some 50 ticks.
    void BallInFlight() {
        game().shpBall.Left = 300, game().shpBall.Top = 7000;
        game().BallSpeedX = 50, game().BallSpeedY = 50;
    }

    // Dark pixels (text) inside a label's box.
    int DarkPixelsIn(const Label& label) {
        const QImage image = Grab(window->view());
        int dark = 0;
        for (float y = label.Top + 15; y < label.Top + label.Height - 15; y += 7.5f)
            for (float x = label.Left + 15; x < label.Left + label.Width - 15; x += 7.5f)
                if (PixelAt(image, x, y).lightness() < 100) ++dark;
        return dark;
    }
};

TEST_F(PlayTest, AnArrowKeyMovesThePaddlesFromTheNextTick) {
    BallInFlight();
    const float ballTop = game().shpBall.Top;

    QTest::keyPress(window, Qt::Key_Left);
    // The key only sets the speed; the tick moves.
    EXPECT_EQ(game().PaddleSpeed, -105);
    EXPECT_EQ(game().shpPaddle[0].Left, 3360);

    ASSERT_TRUE(QTest::qWaitFor([&] { return game().shpBall.Top != ballTop; }, kWaitMs));
    window->stopTicking();
    // Every tick since the key press moved the ball 50 and the paddles 105.
    const float ticks = (game().shpBall.Top - ballTop) / 50;
    ASSERT_GE(ticks, 1);
    EXPECT_EQ(game().shpPaddle[0].Left, 3360 - 105 * ticks);
    EXPECT_EQ(game().shpPaddle[1].Left, 3360 - 105 * ticks);
    QTest::keyRelease(window, Qt::Key_Left);
    EXPECT_EQ(game().PaddleSpeed, 0);

    // The paddles are drawn where they went: the layout's right end is field now.
    const QImage image = Grab(window->view());
    const QColor paddle = ToQColor(game().shpPaddle[0].FillColor, window->view()->palette());
    EXPECT_EQ(PixelAt(image, game().shpPaddle[0].Left + 60, 9127), paddle);
    EXPECT_NE(PixelAt(image, 5055 - 60, 9127), paddle);
    EXPECT_NE(PixelAt(image, 5055 - 60, 847), paddle);
}

TEST_F(PlayTest, SpaceServesAndHidesTheStartMessage) {
    // A tick parks the ball on the bottom paddle.
    ASSERT_TRUE(QTest::qWaitFor([&] { return game().shpBall.Left == 3360 + 847.5f; }, kWaitMs));
    ASSERT_TRUE(game().lblMessage.Visible);
    EXPECT_GT(DarkPixelsIn(game().lblMessage), 20) << "\"Press SPACE To Start\" is drawn";

    QTest::keyPress(window, Qt::Key_Space);
    EXPECT_EQ(game().BallSpeedX, 50);
    EXPECT_EQ(game().BallSpeedY, 50);
    EXPECT_FALSE(game().lblMessage.Visible);

    // The ball leaves the paddle's middle at the next tick.
    ASSERT_TRUE(QTest::qWaitFor([&] { return game().shpBall.Left != 3360 + 847.5f; }, kWaitMs));
    window->stopTicking();
    EXPECT_GT(game().shpBall.Left, 3360 + 847.5f);
    EXPECT_EQ(DarkPixelsIn(game().lblMessage), 0) << "the message is gone from the screen";

    // A second space while the ball flies changes nothing.
    game().PaddleSpeed = -105;
    QTest::keyPress(window, Qt::Key_Space);
    EXPECT_EQ(game().BallSpeedX, 50);
    EXPECT_EQ(game().BallSpeedY, 50);
}

TEST_F(PlayTest, TheTimerTicksTheGameWhileTheWindowIsHidden) {
    BallInFlight();
    navigator.Hide(Screen::Game);
    ASSERT_FALSE(window->isVisible());
    const float top = game().shpBall.Top;
    const float left = game().shpBall.Left;

    ASSERT_TRUE(QTest::qWaitFor([&] { return game().shpBall.Top >= top + 150; }, kWaitMs));
    EXPECT_FALSE(window->isVisible());
    // It flew on its course, down and to the right.
    EXPECT_EQ(game().shpBall.Left - left, game().shpBall.Top - top);
}

}  // namespace
}  // namespace crumbleton
