// Windows stay reachable on any desktop: where a window's laid-out place does not
// fit the free area of the screen, it moves just enough, and a window larger than
// the screen keeps its title bar at the top-left corner.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "form_layout.h"
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

// Run on the test desktop, where every window has its laid-out place, and on one
// smaller than the game window.
TEST(WindowPlacementTest, EveryWindowKeepsItsTitleBarOnTheScreen) {
    Navigator navigator;
    for (Screen screen : {Screen::Start, Screen::Instructions, Screen::Colours, Screen::Game}) {
        navigator.Show(screen);
    }
    QWidget* windows[] = {navigator.startWindow(), navigator.instructionsWindow(), navigator.colourWindow(),
                          navigator.gameWindow()};
    navigator.gameWindow()->stopTicking();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    for (QWidget* window : windows) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        const QRect frame = window->frameGeometry();
        EXPECT_TRUE(available.contains(frame.topLeft())) << "frame at " << frame.x() << "," << frame.y();
        if (frame.width() <= available.width() && frame.height() <= available.height()) {
            EXPECT_TRUE(available.contains(frame)) << "frame " << frame.width() << "x" << frame.height()
                                                   << " at " << frame.x() << "," << frame.y();
        }
        // Laid out at a fixed size: resizing would only show empty space.
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
    }
}

}  // namespace
}  // namespace crumbleton
