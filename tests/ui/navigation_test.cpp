// The ways between the screens, clicked through the real windows.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QKeyEvent>
#include <QTest>
#include <functional>
#include <memory>

#include "colour_window.h"
#include "fake_toolkit.h"
#include "game_window.h"
#include "instructions_window.h"
#include "navigator.h"
#include "start_window.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

using testing::ChooseMenuItem;
using testing::Click;
using testing::Control;
using ::testing::ElementsAre;
using testing::MessageCloser;
using testing::VisibleScreens;

// The program as it starts: the start menu on view.
struct Program {
    Program() { navigator.Show(Screen::Start); }

    QWidget* start() const { return navigator.startWindow(); }
    QWidget* instructions() const { return navigator.instructionsWindow(); }
    QWidget* colours() const { return navigator.colourWindow(); }
    GameWindow* game() const { return navigator.gameWindow(); }

    Navigator navigator;
};

class NavigationTest : public ::testing::Test, protected Program {};

TEST_F(NavigationTest, EveryWayBetweenScreensShowsItsTarget) {
    using Step = std::function<void(Program&)>;
    const Step startGame = [](Program& t) { Click(t.start(), "Command1"); };
    const Step toInstructions = [](Program& t) { Click(t.start(), "cmdInstructions"); };
    const Step toColours = [](Program& t) {
        Click(t.start(), "cmdOptions");
        Click(t.start(), "cmdColours");
    };
    const Step none = [](Program&) {};
    // The game's ticks end it with a message; OK returns to the start menu.
    const auto endOfGame = [](Program& t, std::function<void(frmGame&)> end, const QString& message) {
        MessageCloser closer;
        end(t.game()->game());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !closer.texts().isEmpty() && t.start()->isVisible(); }));
        EXPECT_EQ(closer.texts(), QStringList{message});
    };
    struct Way {
        const char* name;
        Step reach, act;
        QStringList shown;
    };
    const Way ways[] = {
        {"Start Game!", none, startGame, {"Game"}},
        {"Instructions", none, toInstructions, {"Instructions"}},
        {"Options", none, [](Program& t) { Click(t.start(), "cmdOptions"); }, {"Start"}},
        {"Colours", none, toColours, {"Colours"}},
        {"instructions' Back",
         toInstructions,
         [](Program& t) { Click(t.instructions(), "cmdBack"); },
         {"Start"}},
        {"colours' Back", toColours, [](Program& t) { Click(t.colours(), "cmdBack"); }, {"Start"}},
        {"&Menu", startGame, [](Program& t) { ChooseMenuItem(t.game(), "&Menu"); }, {"Start"}},
        {"&Reset", startGame, [](Program& t) { ChooseMenuItem(t.game(), "&Reset"); }, {"Game"}},
        {"lost game",
         startGame,
         [&](Program& t) {
             endOfGame(
                 t, [](frmGame& g) { g.lblLives.Caption = "0"; }, " Game Over!!");
         },
         {"Start"}},
        {"won game",
         startGame,
         [&](Program& t) {
             endOfGame(
                 t,
                 [](frmGame& g) {
                     g.lblPoints.Caption = "6900";
                     g.imgFace.Width = g.imgFace.Height = 2400;  // grown: the message is due
                 },
                 " congratulations, You Win!!");
         },
         {"Start"}},
        {"closing the instructions",
         toInstructions,
         [](Program& t) { t.instructions()->close(); },
         {"Start"}},
        {"closing the colour options", toColours, [](Program& t) { t.colours()->close(); }, {"Start"}},
        {"closing the game", startGame, [](Program& t) { t.game()->close(); }, {"Start"}},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        Program t;
        way.reach(t);
        way.act(t);
        EXPECT_EQ(VisibleScreens(t.navigator), way.shown);
    }
}

TEST_F(NavigationTest, EachScreenShowsBeforeOrHidesAfterAsItsWayRequires) {
    // A recording toolkit under each screen: the start menu hides itself before
    // showing its target; every way back shows the start menu first.
    testing::FakeToolkit toolkit;
    StartWindow startWindow(toolkit);
    InstructionsWindow instructionsWindow(toolkit);
    ColourWindow colourWindow(toolkit);
    GameWindow gameWindow(toolkit);
    gameWindow.stopTicking();
    using Act = std::function<void()>;
    struct Case {
        const char* name;
        Act act;
        std::vector<std::string> calls;
    };
    const auto click = [](QWidget* window, const char* name) {
        return [=] { QTest::mouseClick(Control(window, name), Qt::LeftButton); };
    };
    // Escape where the focus sits, on a button or an option of the screen.
    const auto escape = [](QWidget* window, const char* focus, bool autoRepeat = false) {
        return [=] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), autoRepeat);
            QApplication::sendEvent(Control(window, focus), &press);
        };
    };
    const Case cases[] = {
        {"Start Game!", click(&startWindow, "Command1"), {"Hide Start", "Show Game"}},
        {"Instructions", click(&startWindow, "cmdInstructions"), {"Hide Start", "Show Instructions"}},
        {"Options", click(&startWindow, "cmdOptions"), {}},
        {"Colours", click(&startWindow, "cmdColours"), {"Hide Start", "Show Colours"}},
        {"End Game", click(&startWindow, "cmdEnd"), {"Quit"}},
        {"closing the start menu", [&] { startWindow.close(); }, {"Quit"}},
        {"instructions' Back", click(&instructionsWindow, "cmdBack"), {"Show Start", "Hide Instructions"}},
        {"closing the instructions",
         [&] { instructionsWindow.close(); },
         {"Show Start", "Hide Instructions"}},
        {"instructions' Escape", escape(&instructionsWindow, "cmdBack"), {"Show Start", "Hide Instructions"}},
        {"Escape held from before the instructions", escape(&instructionsWindow, "cmdBack", true), {}},
        {"colours' Back", click(&colourWindow, "cmdBack"), {"Show Start", "Hide Colours"}},
        {"closing the colour options", [&] { colourWindow.close(); }, {"Show Start", "Hide Colours"}},
        {"colours' Escape", escape(&colourWindow, "optPink"), {"Show Start", "Hide Colours"}},
        {"closing the game", [&] { gameWindow.close(); }, {"Show Start", "Hide Game"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (QWidget* w : std::initializer_list<QWidget*>{&startWindow, &instructionsWindow, &colourWindow})
            w->show();
        toolkit.calls.clear();
        c.act();
        std::vector<std::string> screenCalls;
        for (const std::string& call : toolkit.calls)
            if (call.rfind("Show", 0) == 0 || call.rfind("Hide", 0) == 0 || call == "Quit")
                screenCalls.push_back(call);
        EXPECT_EQ(screenCalls, c.calls);
    }
}

TEST_F(NavigationTest, ScreensAreCreatedWhenFirstNeededAndThenKept) {
    EXPECT_EQ(instructions(), nullptr);
    EXPECT_EQ(colours(), nullptr);
    EXPECT_EQ(game(), nullptr);

    Click(start(), "cmdInstructions");
    QWidget* const firstInstructions = instructions();
    ASSERT_NE(firstInstructions, nullptr);
    Click(instructions(), "cmdBack");
    Click(start(), "cmdInstructions");
    EXPECT_EQ(instructions(), firstInstructions);
    Click(instructions(), "cmdBack");
    EXPECT_EQ(colours(), nullptr);
    EXPECT_EQ(game(), nullptr);

    // The game's first tick reads the colour options, which creates their screen, hidden.
    Click(start(), "Command1");
    ASSERT_NE(game(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return colours() != nullptr; }));
    EXPECT_FALSE(colours()->isVisible());
    QWidget* const firstColours = colours();
    GameWindow* const firstGame = game();
    ChooseMenuItem(game(), "&Menu");
    Click(start(), "cmdOptions");
    Click(start(), "cmdColours");
    EXPECT_EQ(colours(), firstColours);
    Click(colours(), "cmdBack");
    Click(start(), "Command1");
    EXPECT_EQ(game(), firstGame);
}

TEST_F(NavigationTest, ColoursClickCreatesTheColourScreenBeforeAnyGame) {
    Click(start(), "cmdOptions");
    Click(start(), "cmdColours");
    ASSERT_NE(colours(), nullptr);
    EXPECT_TRUE(colours()->isVisible());
    EXPECT_EQ(game(), nullptr);
}

TEST_F(NavigationTest, TheMenuComesBackAsItWasLeftWithStartGameFocused) {
    auto* frame = Control<QGroupBox>(start(), "frmOptions");
    QWidget* startGame = Control(start(), "Command1");
    // Activating a window is the window system's, and takes its time.
    const auto startGameHasTheFocus = [&] {
        return QTest::qWaitFor([&] { return QApplication::focusWidget() == startGame; });
    };
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(startGameHasTheFocus());

    Click(start(), "cmdOptions");
    EXPECT_TRUE(frame->isVisible());
    Click(start(), "cmdOptions");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(VisibleScreens(navigator), QStringList{"Start"});

    const std::function<void()> visits[] = {
        [&] {
            Click(start(), "cmdColours");
            Click(colours(), "cmdBack");
        },
        [&] {
            Click(start(), "cmdInstructions");
            Click(instructions(), "cmdBack");
        },
        [&] {
            Click(start(), "Command1");
            ChooseMenuItem(game(), "&Menu");
        },
    };
    for (const auto& visit : visits) {
        visit();
        EXPECT_TRUE(frame->isVisible());
        EXPECT_TRUE(startGameHasTheFocus());
    }
}

TEST_F(NavigationTest, StartingAgainAfterLeavingMidRallyShowsAFreshGame) {
    const std::function<void(GameWindow*)> leave[] = {
        [](GameWindow* game) { ChooseMenuItem(game, "&Menu"); },
        [](GameWindow* game) { game->close(); },
    };
    for (const auto& leaveTheGame : leave) {
        Program t;
        Click(t.start(), "Command1");
        frmGame& g = t.game()->game();
        g.lblLives.Caption = "1";
        g.lblPoints.Caption = "2400";
        g.Brick[5].Visible = false;
        // Served, heading for the top edge past the top paddle.
        QTest::keyClick(t.game(), Qt::Key_Space);
        g.BallSpeedY = -50;
        leaveTheGame(t.game());
        // Long enough for a ball in flight to be lost at either edge.
        QTest::qWait(40 * kTickPeriod.count());
        Click(t.start(), "Command1");
        EXPECT_EQ(g.lblLives.Caption, "3");
        EXPECT_EQ(g.lblPoints.Caption, "0");
        EXPECT_TRUE(g.Brick[5].Visible);
        EXPECT_EQ(g.BallSpeedX, 0);
        EXPECT_EQ(g.BallSpeedY, 0);
        EXPECT_TRUE(g.lblMessage.Visible);
    }
}

// Minimised, then closed from the taskbar or ended behind the player's back: the
// way back in brings the window on view again.
TEST_F(NavigationTest, AMinimisedScreenComesBackOnView) {
    using Step = std::function<void(Program&)>;
    struct Case {
        const char* name;
        Step reach;
        std::function<QWidget*(Program&)> screen;
        Step leave, back;
    };
    const Step startGame = [](Program& t) { Click(t.start(), "Command1"); };
    const Step toInstructions = [](Program& t) { Click(t.start(), "cmdInstructions"); };
    const Step toColours = [](Program& t) {
        Click(t.start(), "cmdOptions");
        Click(t.start(), "cmdColours");
    };
    const Step close = [](Program&) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->isMinimized()) w->close();
    };
    const Case cases[] = {
        {"game closed", startGame, [](Program& t) -> QWidget* { return t.game(); }, close, startGame},
        {"game lost", startGame, [](Program& t) -> QWidget* { return t.game(); },
         [](Program& t) {
             MessageCloser closer;
             t.game()->game().lblLives.Caption = "0";
             ASSERT_TRUE(QTest::qWaitFor([&] { return t.start()->isVisible(); }));
         },
         startGame},
        {"instructions closed", toInstructions, [](Program& t) -> QWidget* { return t.instructions(); },
         close, toInstructions},
        {"colours closed", toColours, [](Program& t) -> QWidget* { return t.colours(); }, close,
         [](Program& t) { Click(t.start(), "cmdColours"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program t;
        c.reach(t);
        QWidget* screen = c.screen(t);
        screen->showMinimized();
        ASSERT_TRUE(QTest::qWaitFor([&] { return screen->isMinimized(); }));
        c.leave(t);
        ASSERT_TRUE(t.start()->isVisible());
        c.back(t);
        EXPECT_TRUE(screen->isVisible());
        EXPECT_FALSE(screen->isMinimized());
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen));
    }
}

}  // namespace
}  // namespace crumbleton
