// Every way out of the program ends its event loop at once, with status 0.

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "window_helpers.h"

namespace crumbleton {
namespace {

using testing::ChooseMenuItem;
using testing::Click;
using testing::MessageCloser;
using testing::VisibleScreens;

class QuitTest : public ::testing::Test {
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

TEST_F(QuitTest, EndGameEndsTheProgram) {
    EXPECT_EQ(RunUntilEnd([&] { Click(navigator.startWindow(), "cmdEnd"); }), 0);
    ExpectEnded();
}

TEST_F(QuitTest, ClosingTheStartMenuEndsTheProgram) {
    EXPECT_EQ(RunUntilEnd([&] { navigator.startWindow()->close(); }), 0);
    ExpectEnded();
}

TEST_F(QuitTest, EndGameEndsTheProgramWhileTheGameTicksHidden) {
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

// The game menu's Exit, in each state the game may be in when it is chosen.
struct ExitCase {
    const char* name;
    void (*before)(GameWindow&);  // what happens just before Exit is chosen
};

class ExitTest : public QuitTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitTest, ExitEndsTheProgram) {
    StartGame();
    GameWindow& window = *navigator.gameWindow();
    MessageCloser closer;
    std::string livesAtExit;
    EXPECT_EQ(RunUntilEnd([&] {
                  GetParam().before(window);
                  livesAtExit = window.game().lblLives.Caption;
                  ChooseMenuItem(&window, "E&xit");
              }),
              0);
    ExpectEnded();
    // No end-of-game message and no reset after the end.
    EXPECT_TRUE(closer.seen.empty());
    EXPECT_EQ(window.game().lblLives.Caption, livesAtExit);
}

INSTANTIATE_TEST_SUITE_P(States, ExitTest,
                         ::testing::Values(ExitCase{"WhileTheBallMoves", [](GameWindow&) {}},
                                           ExitCase{"Paused",
                                                    [](GameWindow& w) {
                                                        QTest::keyClick(&w, Qt::Key_P);
                                                        ASSERT_TRUE(w.paused());
                                                    }},
                                           // The next tick would end the game with a message and a reset.
                                           ExitCase{"WithTheLastLifeGone",
                                                    [](GameWindow& w) { w.game().lblLives.Caption = "0"; }}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace crumbleton
