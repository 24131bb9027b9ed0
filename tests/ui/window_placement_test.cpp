// Windows fit any desktop: where a window's laid-out place does not fit the free
// area of the screen, it moves just enough, and where its size does not fit, the
// whole window shrinks until it does.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "form_layout.h"
#include "game_view.h"
#include "navigator.h"

namespace crumbleton {
namespace {

TEST(WindowPlacementTest, ReachableRectMovesAWindowOnlyAsFarAsItMust) {
    // A 1280 x 1024 desktop with a 32 px panel across its top.
    const QRect desk(0, 32, 1280, 992);
    struct Case {
        const char* what;
        QRect wanted, available, placed;
    };
    const Case cases[] = {
        {"fits where it is", {251, 160, 859, 740}, desk, {251, 160, 859, 740}},
        {"fills the area exactly", {0, 32, 1280, 992}, desk, {0, 32, 1280, 992}},
        {"over the right edge", {600, 100, 859, 740}, desk, {421, 100, 859, 740}},
        {"over the bottom edge", {100, 400, 530, 700}, desk, {100, 324, 530, 700}},
        {"under the panel", {100, 10, 530, 400}, desk, {100, 32, 530, 400}},
        {"left of the screen", {-50, 100, 530, 400}, desk, {0, 100, 530, 400}},
        {"wider than the area", {251, 100, 1400, 400}, desk, {0, 100, 1400, 400}},
        {"taller than the area", {251, 100, 530, 1100}, desk, {251, 32, 530, 1100}},
        {"larger both ways", {251, 196, 1400, 1100}, desk, {0, 32, 1400, 1100}},
        {"on a second screen to the right",
         {1500, 100, 530, 400},
         {1280, 0, 1024, 768},
         {1500, 100, 530, 400}},
        {"over a second screen's far edge",
         {2000, 500, 530, 400},
         {1280, 0, 1024, 768},
         {1774, 368, 530, 400}},
        {"larger than a second screen", {1500, 100, 1400, 800}, {1280, 0, 1024, 768}, {1280, 0, 1400, 800}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReachableRect(c.wanted, c.available), c.placed);
    }
}

// Run on desktops from one that holds every window at its laid-out size down to
// ones smaller than the game window, at scale factors from 1 to 2.
TEST(WindowPlacementTest, EveryWindowLiesWhollyOnTheScreenAndKeepsItsProportions) {
    Navigator navigator;
    for (Screen screen : {Screen::Start, Screen::Instructions, Screen::Colours, Screen::Game}) {
        navigator.Show(screen);
    }
    navigator.gameWindow()->stopTicking();
    struct Window {
        QWidget* window;
        QWidget* content;  // what is laid out in twips
        QSize laidOut;
    };
    GameView* view = navigator.gameWindow()->view();
    const Window windows[] = {
        {navigator.startWindow(), navigator.startWindow(), {530, 392}},
        {navigator.instructionsWindow(), navigator.instructionsWindow(), {667, 599}},
        {navigator.colourWindow(), navigator.colourWindow(), {507, 381}},
        {navigator.gameWindow(), view, {859, 679}},
    };
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    for (const Window& w : windows) {
        SCOPED_TRACE(w.window->windowTitle().toStdString());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.window));
        const QRect frame = w.window->frameGeometry();
        EXPECT_TRUE(available.contains(frame))
            << "frame " << frame.width() << "x" << frame.height() << " at " << frame.x() << "," << frame.y();
        // Shrunk, if at all, by the same factor both ways.
        const QSize size = w.content->size();
        EXPECT_LE(size.width(), w.laidOut.width());
        EXPECT_NEAR(qreal(size.width()) / w.laidOut.width(), qreal(size.height()) / w.laidOut.height(),
                    1.5 / size.height());
        // Nothing of the content is cut off by its window or its frame.
        for (QWidget* control : w.content->findChildren<QWidget*>()) {
            if (control->objectName().isEmpty() || !control->isVisibleTo(w.window)) continue;
            EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
                << control->objectName().toStdString();
        }
    }
    // The game's whole scene is in view.
    const Scale scene = view->sceneScale();
    EXPECT_LE(scene.factor(), 1.0);
    EXPECT_TRUE(view->rect().contains(scene.rect(0, 0, 12885, 10185)));
}

}  // namespace
}  // namespace crumbleton
