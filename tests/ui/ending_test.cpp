// Every way out of the program ends its event loop at once, with status 0.

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <functional>

#include "navigator.h"
#include "screen_helpers.h"

namespace crumbleton {
namespace {

using testing::ChooseMenuItem;
using testing::Click;
using testing::VisibleScreens;

class EndingTest : public ::testing::Test {
protected:
    void SetUp() override { navigator.Show(Screen::Start); }

    // Runs the program's event loop with `leave` as its first event; the loop's
    // status, or -1 if the program did not end.
    int RunUntilEnd(std::function<void()> leave) {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        watchdog.start(10000);
        QTimer::singleShot(0, leave);
        return QApplication::exec();
    }

    void StartGame() {
        Click(navigator.startWindow(), "Command1");
        ASSERT_NE(navigator.gameWindow(), nullptr);
        frmGame& g = navigator.gameWindow()->game();
        // The ball in flight, and proof that ticks run: they repaint the ball.
        g.BallSpeedX = 50;
        g.BallSpeedY = -50;
        g.shpBall.FillColor = kYellow;
        ASSERT_TRUE(QTest::qWaitFor([&] { return g.shpBall.FillColor == kRed; }));
    }

    // Nothing of the program runs once it has ended: no tick, no screen shown.
    void ExpectEnded() {
        EXPECT_TRUE(navigator.ended());
        EXPECT_TRUE(VisibleScreens(navigator).isEmpty());
        navigator.Show(Screen::Start);
        EXPECT_TRUE(VisibleScreens(navigator).isEmpty());
        if (GameWindow* game = navigator.gameWindow()) {
            frmGame& g = game->game();
            g.shpBall.FillColor = kYellow;
            const float left = g.shpBall.Left, top = g.shpBall.Top;
            QTest::qWait(100);
            EXPECT_EQ(g.shpBall.FillColor, kYellow) << "a tick ran after the end";
            EXPECT_EQ(g.shpBall.Left, left);
            EXPECT_EQ(g.shpBall.Top, top);
        }
    }

    Navigator navigator;
};

TEST_F(EndingTest, EndGameEndsTheProgram) {
    EXPECT_EQ(RunUntilEnd([&] { Click(navigator.startWindow(), "cmdEnd"); }), 0);
    ExpectEnded();
}

TEST_F(EndingTest, ClosingTheStartMenuEndsTheProgram) {
    EXPECT_EQ(RunUntilEnd([&] { navigator.startWindow()->close(); }), 0);
    ExpectEnded();
}

TEST_F(EndingTest, ExitEndsTheProgramWhileTheBallMoves) {
    StartGame();
    EXPECT_EQ(RunUntilEnd([&] { ChooseMenuItem(navigator.gameWindow(), "E&xit"); }), 0);
    ExpectEnded();
}

TEST_F(EndingTest, ExitEndsThePausedProgram) {
    StartGame();
    QTest::keyClick(navigator.gameWindow(), Qt::Key_P);
    ASSERT_TRUE(navigator.gameWindow()->paused());
    EXPECT_EQ(RunUntilEnd([&] { ChooseMenuItem(navigator.gameWindow(), "E&xit"); }), 0);
    ExpectEnded();
}

TEST_F(EndingTest, EndGameEndsTheProgramWhileTheGameTicksHidden) {
    StartGame();
    ChooseMenuItem(navigator.gameWindow(), "&Menu");
    Click(navigator.startWindow(), "cmdInstructions");
    EXPECT_EQ(RunUntilEnd([&] {
                  Click(navigator.instructionsWindow(), "cmdBack");
                  Click(navigator.startWindow(), "cmdEnd");
              }),
              0);
    ExpectEnded();
}

}  // namespace
}  // namespace crumbleton
