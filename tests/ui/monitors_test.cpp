// Two monitors side by side, the right one at scale 2: a window dragged from one
// to the other fits the monitor it lands on and draws all of itself at its scale,
// and a screen opens on the monitor of the screen it replaces.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "game_view.h"
#include "navigator.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

class MonitorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QList<QScreen*> screens = QGuiApplication::screens();
        ASSERT_EQ(screens.size(), 2) << "run on the two-monitor desktop";
        left = screens[0];
        right = screens[1];
        ASSERT_EQ(right->devicePixelRatio(), 2);
    }

    // Drags `window` by its frame to 100, 100 from `screen`'s corner. The window
    // system moves the window and tells it its new screen, keeping its size in
    // device pixels, as X11 does.
    static void DragTo(QWidget* window, QScreen* screen) {
        window->windowHandle()->setScreen(screen);
        window->move(screen->geometry().topLeft() + QPoint(100, 100));
    }

    // The window lies on `screen`, wholly inside its free area, at `full` (logical
    // pixels) where there is room for it, else touching two sides of the free area.
    static bool Fits(const QWidget* window, const QScreen* screen, QSize full) {
        const QRect frame = window->frameGeometry(), room = screen->availableGeometry();
        const bool filled = frame.width() >= room.width() - 2 || frame.height() >= room.height() - 2;
        return window->screen() == screen && room.contains(frame) && (window->size() == full || filled);
    }

    // Waits for the window to fit `screen`, then checks that it draws all of itself at its scale.
    static void ExpectFits(QWidget* window, const QScreen* screen, QSize full) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return Fits(window, screen, full); }))
            << "frame " << window->frameGeometry().width() << "x" << window->frameGeometry().height()
            << " at " << window->frameGeometry().x() << "," << window->frameGeometry().y();
        const QImage image = window->grab().toImage();
        EXPECT_EQ(image.devicePixelRatio(), screen->devicePixelRatio());
        EXPECT_EQ(image.size(), window->size() * screen->devicePixelRatio());
    }

    Navigator navigator;
    QScreen* left = nullptr;
    QScreen* right = nullptr;
};

TEST_F(MonitorsTest, AFormWindowDraggedToTheOtherMonitorFitsIt) {
    navigator.Show(Screen::Start);
    navigator.Show(Screen::Instructions);
    navigator.Show(Screen::Colours);
    struct Window {
        QWidget* window;
        QSize laidOut;
    };
    const Window windows[] = {
        {navigator.startWindow(), {530, 392}},
        {navigator.instructionsWindow(), {667, 599}},
        {navigator.colourWindow(), {507, 381}},
    };
    for (const Window& w : windows) {
        SCOPED_TRACE(w.window->objectName().toStdString());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.window));
        for (QScreen* screen : {right, left}) {
            SCOPED_TRACE(screen->name().toStdString());
            DragTo(w.window, screen);
            ExpectFits(w.window, screen, w.laidOut);
            // Shrunk, if at all, by the same factor both ways.
            const QSize size = w.window->size();
            EXPECT_NEAR(qreal(size.width()) / w.laidOut.width(), qreal(size.height()) / w.laidOut.height(),
                        1.5 / size.height());
            for (QWidget* control : w.window->findChildren<QWidget*>()) {
                if (control->objectName().isEmpty() || !control->isVisibleTo(w.window)) continue;
                EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
                    << control->objectName().toStdString();
            }
        }
    }
}

TEST_F(MonitorsTest, TheGameDraggedMidRallyToTheOtherMonitorShowsItsWholeScene) {
    navigator.Show(Screen::Game);
    GameWindow* window = navigator.gameWindow();
    window->stopTicking();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    frmGame& game = window->game();
    game.BallSpeedX = 50;
    game.BallSpeedY = -50;
    const QSize laidOut = window->size();
    for (QScreen* screen : {right, left}) {
        SCOPED_TRACE(screen->name().toStdString());
        DragTo(window, screen);
        // As large as the monitor allows, up to the laid-out size, to which it
        // returns: the scene is not drawn at the scale of the monitor it came from.
        ExpectFits(window, screen, laidOut);
        // The whole field, to its bottom-right corner, in the view.
        const QImage image = testing::Grab(window->view());
        const QPointF corner =
            window->view()->sceneScale().snapped(8895, 9975, 0, 0, QTransform()).topLeft() *
            image.devicePixelRatio();
        EXPECT_TRUE(image.rect().contains(corner.toPoint() - QPoint(1, 1)));
        EXPECT_EQ(image.pixelColor(corner.toPoint() - QPoint(1, 1)),
                  ToQColor(kWindowText, window->palette()));
    }
}

TEST_F(MonitorsTest, AScreenOpensOnTheMonitorOfTheScreenItReplaces) {
    navigator.Show(Screen::Start);
    StartWindow* start = navigator.startWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
    DragTo(start, right);
    ASSERT_TRUE(QTest::qWaitFor([&] { return start->screen() == right; }));

    testing::Click(start, "Command1");
    GameWindow* game = navigator.gameWindow();
    game->stopTicking();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(game));
    ExpectFits(game, right, QSize(859, 679 + game->menuBar()->height()));

    testing::ChooseMenuItem(game, "&Menu");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
    ExpectFits(start, right, {530, 392});

    testing::Click(start, "cmdInstructions");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(navigator.instructionsWindow()));
    ExpectFits(navigator.instructionsWindow(), right, {667, 599});

    // Dragged back to the primary monitor, the instructions take the start menu with them.
    DragTo(navigator.instructionsWindow(), left);
    ExpectFits(navigator.instructionsWindow(), left, {667, 599});
    testing::Click(navigator.instructionsWindow(), "cmdBack");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
    ExpectFits(start, left, {530, 392});
}

}  // namespace
}  // namespace crumbleton
