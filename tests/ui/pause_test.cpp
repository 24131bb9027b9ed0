// The pause: P or Pause stops the game and shows "Paused"; P, Pause or space
// goes on. A ball in flight waits by itself when the player turns away.

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <functional>

#include "window_helpers.h"

namespace crumbleton {
namespace {

using testing::ChooseMenuItem;
using testing::Grab;

class PauseTest : public testing::GameScreenTest {
protected:
    void SetUp() override {
        GameScreenTest::SetUp();
        window->setTickObserver([this] { ++ticks; });
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Ticks that run over ten tick periods.
    int TicksOverAWhile() {
        const int before = ticks;
        QTest::qWait(10 * kTickPeriod.count());
        return ticks - before;
    }

    void Serve() {
        QTest::keyClick(window, Qt::Key_Space);
        ASSERT_NE(game().BallSpeedY, 0);
    }

    int ticks = 0;
};

TEST_F(PauseTest, PausedNothingMovesAndTheGameKeysChangeNothing) {
    struct Case {
        const char* name;
        Qt::Key pause, resume;
    };
    const Case cases[] = {
        {"P, then P", Qt::Key_P, Qt::Key_P},
        {"Pause, then Pause", Qt::Key_Pause, Qt::Key_Pause},
        {"P, then space", Qt::Key_P, Qt::Key_Space},
        {"Pause, then P", Qt::Key_Pause, Qt::Key_P},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmGame& g = game();
        g.BallSpeedX = 50, g.BallSpeedY = -50;
        g.shpBall.Left = 3000, g.shpBall.Top = 6000;
        QTest::keyPress(window, Qt::Key_Right);
        QTest::keyClick(window, c.pause);
        ASSERT_TRUE(window->paused());
        EXPECT_EQ(g.PaddleSpeed, 0) << "a held arrow is let go";
        const float ballLeft = g.shpBall.Left, paddleLeft = g.shpPaddle[0].Left;

        QTest::keyPress(window, Qt::Key_Left);
        QTest::keyRelease(window, Qt::Key_Left);
        QTest::keyPress(window, Qt::Key_Right);
        EXPECT_EQ(TicksOverAWhile(), 0);
        EXPECT_EQ(g.PaddleSpeed, 0);
        EXPECT_EQ(g.shpBall.Left, ballLeft);
        EXPECT_EQ(g.shpPaddle[0].Left, paddleLeft);

        QTest::keyClick(window, c.resume);
        EXPECT_FALSE(window->paused());
        EXPECT_GT(TicksOverAWhile(), 0);
        EXPECT_NE(g.shpBall.Left, ballLeft);
        EXPECT_TRUE(g.BallSpeedX != 0 && g.BallSpeedY != 0) << "the ball flies on";
        QTest::keyRelease(window, Qt::Key_Right);
    }
}

TEST_F(PauseTest, SpaceResumesWithoutServing) {
    ASSERT_EQ(game().BallSpeedX, 0);
    QTest::keyClick(window, Qt::Key_P);
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_FALSE(window->paused());
    EXPECT_EQ(game().BallSpeedX, 0);
    EXPECT_EQ(game().BallSpeedY, 0);
    EXPECT_TRUE(game().lblMessage.Visible);
}

TEST_F(PauseTest, PausedShowsPausedOverTheFieldAndResumedTakesItAway) {
    window->stopTicking();
    const QImage playing = Grab(window->view());
    window->setPaused(true);
    const QImage paused = Grab(window->view());
    window->setPaused(false);
    const QImage resumed = Grab(window->view());

    EXPECT_EQ(resumed, playing);
    // Across the middle of the field: dimmed, with light text on it.
    const qreal dpr = paused.devicePixelRatio();
    const auto px = [dpr](float twips) { return qRound(twips / kTwipsPerPixel * dpr); };
    const QColor field = Expected(game().shpField.BackColor);
    int dimmed = 0, text = 0;
    for (int y = px(4600); y < px(5500); ++y) {
        for (int x = px(200); x < px(8800); ++x) {
            const int lightness = paused.pixelColor(x, y).lightness();
            if (lightness < field.lightness() / 2) ++dimmed;
            if (lightness > 200) ++text;
        }
    }
    EXPECT_GT(dimmed, px(8000) * px(400));
    EXPECT_GT(text, 100 * dpr * dpr);
    // The panel beside the field stays as it was.
    const QRect panel(QPoint(px(9000), 0), QPoint(paused.width() - 1, paused.height() - 1));
    EXPECT_EQ(paused.copy(panel), playing.copy(panel));
}

TEST_F(PauseTest, ABallInFlightWaitsWhenThePlayerTurnsAway) {
    struct Case {
        const char* name;
        bool inFlight;
        std::function<void()> turnAway, comeBack;
        bool paused;
    };
    const Case cases[] = {
        {"another window activated, in flight", true, [this] { navigator.Show(Screen::Instructions); },
         [this] { window->activateWindow(); }, true},
        {"minimised, in flight", true, [this] { window->showMinimized(); }, [this] { window->showNormal(); },
         true},
        {"another window activated, parked", false, [this] { navigator.Show(Screen::Instructions); },
         [this] { window->activateWindow(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.inFlight) Serve();
        c.turnAway();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->paused() || !window->isActiveWindow(); }));
        QTest::qWait(2 * kTickPeriod.count());
        EXPECT_EQ(window->paused(), c.paused);
        // Back at the game, it waits for the player.
        c.comeBack();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_EQ(window->paused(), c.paused);
        if (c.paused) {
            EXPECT_EQ(TicksOverAWhile(), 0);
        }
        window->setPaused(false);
        if (navigator.instructionsWindow()) navigator.instructionsWindow()->hide();
        game().BallSpeedX = game().BallSpeedY = 0;
    }
}

TEST_F(PauseTest, AnOpenMenuHoldsTheRallyApartFromThePause) {
    QMenuBar* bar = window->menuBar();
    // Any menu of the bar holds the game, a submenu of one as well.
    QMenu* view = bar->addMenu("&View");
    QMenu* size = view->addMenu("&Size");
    size->addAction("&Large");
    const auto openMenu = [bar](QMenu* menu) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([menu] { return QApplication::activePopupWidget() == menu; }));
    };
    struct Case {
        const char* name;
        bool pausedBefore;
        std::function<void()> open;
    };
    const Case cases[] = {
        {"File", false, [&] { openMenu(bar->actions().at(0)->menu()); }},
        {"a submenu", false,
         [&] {
             openMenu(view);
             view->setActiveAction(size->menuAction());
             QTest::keyClick(view, Qt::Key_Right);
             ASSERT_TRUE(QTest::qWaitFor([size] { return QApplication::activePopupWidget() == size; }));
         }},
        {"File, paused", true, [&] { openMenu(bar->actions().at(0)->menu()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmGame& g = game();
        g.BallSpeedX = 50, g.BallSpeedY = -50;
        g.shpBall.Left = 3000, g.shpBall.Top = 6000;
        window->setPaused(c.pausedBefore);
        const QImage before = Grab(window->view());

        c.open();
        EXPECT_EQ(TicksOverAWhile(), 0);
        EXPECT_EQ(g.shpBall.Left, 3000);
        EXPECT_EQ(window->paused(), c.pausedBefore);
        EXPECT_EQ(Grab(window->view()), before) << "no \"Paused\" of its own";

        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        EXPECT_EQ(window->paused(), c.pausedBefore);
        if (c.pausedBefore) {
            EXPECT_EQ(TicksOverAWhile(), 0) << "closing the menu ends no pause";
            window->setPaused(false);
        } else {
            EXPECT_GT(TicksOverAWhile(), 0);
            EXPECT_NE(g.shpBall.Left, 3000);
        }
    }
}

TEST_F(PauseTest, TheGameMenuWorksWhilePaused) {
    frmGame& g = game();
    Serve();
    g.lblLives.Caption = "2";
    QTest::keyClick(window, Qt::Key_P);

    ChooseMenuItem(window, "&Reset");
    EXPECT_EQ(g.lblLives.Caption, "3");
    EXPECT_TRUE(window->paused()) << "the fresh game waits for the player too";
    EXPECT_EQ(TicksOverAWhile(), 0);

    ChooseMenuItem(window, "&Menu");
    EXPECT_TRUE(navigator.startWindow()->isVisible());
    EXPECT_FALSE(window->paused());
    // The hidden screen ticks on, as it must for the colour options.
    EXPECT_GT(TicksOverAWhile(), 0);
    navigator.Show(Screen::Game);
    EXPECT_FALSE(window->paused());
}

}  // namespace
}  // namespace crumbleton
