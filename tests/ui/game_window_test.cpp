#include <gtest/gtest.h>

#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "desktop.h"
#include "game_view.h"
#include "game_window.h"
#include "navigator.h"
#include "scale.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

using testing::ChooseMenuItem;
using testing::Grab;
using testing::OnScreen;
using testing::PixelAt;
using testing::Region;

// How many pixels of an image are darker than mid-grey: text, or a picture's outline.
int DarkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) dark += image.pixelColor(x, y).lightness() < 100;
    return dark;
}

int PixelsNotOf(const QImage& image, const QColor& colour) {
    int other = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) other += image.pixelColor(x, y) != colour;
    return other;
}

class GameWindowTest : public testing::GameScreenTest {
protected:
    GameWindowTest() { ticking = false; }
};

TEST_F(GameWindowTest, WindowIsLaidOutInTwips) {
    EXPECT_EQ(window->windowTitle(), "Crumbleton");
    EXPECT_EQ(window->view()->size(), QSize(859, 679));
    const QPoint client = window->view()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(client, QPoint(251, 196));

    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    QStringList items;
    for (QAction* a : menus[0]->menu()->actions()) items << a->text();
    EXPECT_EQ(items, (QStringList{"&Reset", "&Menu", "E&xit"}));
    EXPECT_EQ(menus[1]->text(), "&View");
}

TEST_F(GameWindowTest, DrawsEveryControlWhereTheModelPutsIt) {
    frmGame& g = window->game();
    const QImage image = Grab(window->view());
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), window->devicePixelRatioF());

    const auto centre = [](const auto& c) { return std::pair{c.Left + c.Width / 2, c.Top + c.Height / 2}; };
    struct Probe {
        const char* what;
        std::pair<float, float> at;
        Colour colour;
    };
    const Probe probes[] = {
        {"ball", centre(g.shpBall), g.shpBall.FillColor},
        {"bottom paddle", centre(g.shpPaddle[0]), g.shpPaddle[0].FillColor},
        {"top paddle", centre(g.shpPaddle[1]), g.shpPaddle[1].FillColor},
        {"orange brick", centre(g.Brick[0]), kOrange},
        {"yellow brick", centre(g.Brick[12]), kYellow},
        {"green brick", centre(g.Brick[28]), kGreen},
        {"black brick", {3900, 4700}, kBlack},
        {"field", {600, 9500}, g.shpField.BackColor},
        {"hidden bottom shield bar", {2000, 9787}, g.shpField.BackColor},
        {"hidden top shield bar", {2000, 307}, g.shpField.BackColor},
        {"hidden face", {3600, 4200}, g.shpField.BackColor},
        {"screen background", {12700, 150}, g.BackColor},
        {"lives box", {11000, 4400}, kWhite},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(PixelAt(image, p.at.first, p.at.second), Expected(p.colour)) << p.what;
}

TEST_F(GameWindowTest, RepaintsWhatTheModelChanged) {
    frmGame& g = window->game();
    g.shpBall.Left = 600, g.shpBall.Top = 7000;
    g.Brick[28].Visible = false;
    g.shpShield[0].Visible = true;
    g.imgFace.Visible = true;
    g.imgFace.Width = g.imgFace.Height = 2400;
    const QImage image = Grab(window->view());

    EXPECT_EQ(PixelAt(image, 737, 7137), Expected(g.shpBall.FillColor)) << "moved ball";
    EXPECT_EQ(PixelAt(image, 4457, 8777), Expected(g.shpField.BackColor)) << "ball's old place";
    EXPECT_EQ(PixelAt(image, 2900, 4400), Expected(g.shpField.BackColor)) << "hidden brick";

    // The hatched bar has lines of its colour and gaps of the field between them.
    int dark = 0, light = 0;
    const qreal dpr = image.devicePixelRatio();
    for (int x = 20; x < 580; ++x) {
        const QColor c = image.pixelColor(static_cast<int>(x * dpr), static_cast<int>(9787 / 15.0 * dpr));
        (c == Expected(kBlack) ? dark : light)++;
    }
    EXPECT_GT(dark, 20);
    EXPECT_GT(light, 200);

    // The face is stretched: yellow well beyond its natural 32 pixels, in a gap
    // between the bricks that are drawn over it.
    const QColor face = PixelAt(image, 3660, 4700);
    EXPECT_GT(face.red(), 200);
    EXPECT_GT(face.green(), 180);
    EXPECT_LT(face.blue(), 100);
}

TEST_F(GameWindowTest, KeysReachTheGameWhereverTheFocusIs) {
    frmGame& g = window->game();
    QTest::keyPress(window, Qt::Key_Left);
    EXPECT_EQ(g.PaddleSpeed, -105);
    QTest::keyRelease(window, Qt::Key_Left);
    EXPECT_EQ(g.PaddleSpeed, 0);

    // A child that could take the focus does not swallow the game's keys.
    auto* child = new QPushButton("focus", window);
    child->show();
    child->setFocus();
    QTest::keyPress(child, Qt::Key_Right);
    EXPECT_EQ(g.PaddleSpeed, 105);
    QTest::keyPress(child, Qt::Key_Space);
    EXPECT_EQ(g.BallSpeedX, 50);
    EXPECT_EQ(g.BallSpeedY, 50);
    EXPECT_FALSE(g.lblMessage.Visible);
    delete child;
}

TEST_F(GameWindowTest, MenuAccessKeyStillOpensTheFileMenu) {
    QMenu* file = window->menuBar()->actions().at(0)->menu();
    ASSERT_FALSE(file->isVisible());
    QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(file->isVisible());
    file->hide();
}

TEST_F(GameWindowTest, AutoRepeatReleasesAreNotKeyUps) {
    frmGame& g = window->game();
    QTest::keyPress(window, Qt::Key_Right);
    // What the desktop sends while a key is held: release and press, both auto-repeat.
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(window, &release);
    EXPECT_EQ(g.PaddleSpeed, 105);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(window, &press);
    EXPECT_EQ(g.PaddleSpeed, 105);
    QTest::keyRelease(window, Qt::Key_Right);
    EXPECT_EQ(g.PaddleSpeed, 0);
}

// Held in the game, let go while another widget has the keyboard: the File menu
// opened meanwhile, a message box, another window of the game.
TEST_F(GameWindowTest, AnArrowLetGoAnywhereStopsThePaddles) {
    frmGame& g = window->game();
    QMenu* file = window->menuBar()->actions().at(0)->menu();
    QMessageBox box(QMessageBox::NoIcon, "box", "text", QMessageBox::Ok);
    navigator.Show(Screen::Instructions);
    QWidget* instructions = navigator.instructionsWindow();
    window->activateWindow();
    struct Case {
        const char* where;
        std::function<QWidget*()> open;
    };
    const Case cases[] = {
        {"File menu opened by its access key",
         [&]() -> QWidget* {
             QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
             return file;
         }},
        {"message box",
         [&]() -> QWidget* {
             box.show();
             return &box;
         }},
        {"instructions", [&]() -> QWidget* { return instructions; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        QTest::keyPress(window, Qt::Key_Right);
        ASSERT_EQ(g.PaddleSpeed, 105);
        QWidget* elsewhere = c.open();
        ASSERT_TRUE(elsewhere->isVisible());
        QTest::keyRelease(elsewhere, Qt::Key_Right);
        EXPECT_EQ(g.PaddleSpeed, 0);
        elsewhere->hide();

        const float left = g.shpPaddle[0].Left;
        g.Timer1_Timer();
        EXPECT_EQ(g.shpPaddle[0].Left, left);
    }
    // A release of an arrow the game never saw pressed changes nothing.
    QTest::keyPress(window, Qt::Key_Left);
    QTest::keyPress(instructions, Qt::Key_Right);
    QTest::keyRelease(instructions, Qt::Key_Right);
    EXPECT_EQ(g.PaddleSpeed, -105);
    QTest::keyRelease(window, Qt::Key_Left);
}

TEST_F(GameWindowTest, HidingTheWindowReleasesAHeldArrow) {
    frmGame& g = window->game();
    QTest::keyPress(window, Qt::Key_Left);
    ASSERT_EQ(g.PaddleSpeed, -105);
    window->hide();
    EXPECT_EQ(g.PaddleSpeed, 0);
}

TEST_F(GameWindowTest, ResizedWindowShowsTheWholeSceneAsLargeAsFitsCentred) {
    frmGame& g = window->game();
    // Twice as wide, one and a half times as high: the scene at 1.5, margins left and right.
    const QSize view(859 * 2, 679 * 3 / 2);
    window->resize(view + QSize(0, window->height() - window->view()->height()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->view()->size() == view; }));
    const Scale scene = window->view()->sceneScale();
    EXPECT_NEAR(scene.factor(), 1.5, 0.002);
    const QImage image = Grab(window->view());
    const auto at = [&](float x, float y) {
        const QPointF p = scene.snapped(x, y, 0, 0, QTransform()).topLeft() * image.devicePixelRatio();
        return image.pixelColor(p.toPoint());
    };
    const float margin = -(859 * 2 - 859 * 1.5f) / 2 * 15 / 1.5f;  // twips left of the scene
    struct Probe {
        const char* what;
        float x, y;
        Colour colour;
    };
    const Probe probes[] = {
        {"left margin", margin / 2, 5000, g.BackColor},
        {"right margin", 12885 - margin / 2, 5000, g.BackColor},
        {"ball", g.shpBall.Left + 137, g.shpBall.Top + 137, g.shpBall.FillColor},
        {"bottom paddle", 4200, 9120, g.shpPaddle[0].FillColor},
        {"top paddle", 4200, 840, g.shpPaddle[1].FillColor},
        {"field", 600, 9500, g.shpField.BackColor},
        {"lives box", 11000, 4400, kWhite},
    };
    for (const Probe& p : probes) EXPECT_EQ(at(p.x, p.y), Expected(p.colour)) << p.what;
}

TEST_F(GameWindowTest, ResizingKeepsOnlyThePicturesOfTheCurrentSize) {
    const GameView& view = *window->view();
    window->view()->repaint();
    const std::size_t laidOut = view.pictures().entries();
    ASSERT_GT(laidOut, 0u) << "the legend's icons are drawn";
    const QSize start = window->size();
    // A drag through many widths, each size drawn.
    for (int width = 430; width <= 1500; width += 37) {
        window->resize(width, width * start.height() / start.width());
        window->view()->repaint();
        // Snapped to device pixels, icons at different places may differ by a pixel.
        EXPECT_LE(view.pictures().entries(), 2 * laidOut) << "at " << width << " px";
    }
    window->resize(start);
    window->view()->repaint();
    EXPECT_EQ(view.pictures().entries(), laidOut);
}

TEST_F(GameWindowTest, F11TogglesFullScreenAndEscapeLeavesIt) {
    frmGame& g = window->game();
    const QRect laidOut = window->geometry();
    QTest::keyClick(window, Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->view()->width() > 859; }));
    EXPECT_GT(window->view()->sceneScale().factor(), 1.0);

    QTest::keyClick(window, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->geometry() == laidOut; }));

    // Out of full screen, Escape is no window key: the window stays as it is.
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isFullScreen());
    QTest::keyClick(window, Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }));
    QTest::keyClick(window, Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }));
    // None of this reached the game.
    EXPECT_EQ(g.BallSpeedX, 0);
    EXPECT_TRUE(g.lblMessage.Visible);
}

TEST_F(GameWindowTest, PowerUpPicturesAndCountdownFollowTheModel) {
    frmGame& g = game();
    // The colours every tick paints, so that screenshots differ only by what a test changes.
    g.ApplyColours();
    Image& waiting = g.imgBananna.Left == 4080 ? g.imgBananna
                     : g.imgLive.Left == 4080  ? g.imgLive
                                               : g.imgshield;
    const QColor field = Expected(g.shpField.BackColor);
    const QColor black = Expected(kBlack);
    const auto spot = [](const QImage& grab, float left, float top) {
        return Region(grab, left, top, 480, 480);
    };

    // Waiting: drawn over the black brick.
    QImage shot = Grab(window->view());
    EXPECT_GT(PixelsNotOf(spot(shot, 4080, 4680), black), 100);

    // Falling: gone from the brick, drawn where its Top now is (above the start message).
    waiting.Top = 4680 + 45 * 47;
    shot = Grab(window->view());
    EXPECT_EQ(PixelsNotOf(spot(shot, 4080, 4680), black), 0);
    EXPECT_GT(PixelsNotOf(spot(shot, 4080, waiting.Top), field), 100);

    // Caught: hidden.
    waiting.Visible = false;
    shot = Grab(window->view());
    EXPECT_EQ(PixelsNotOf(spot(shot, 4080, 4680 + 45 * 47), field), 0);

    // The banana caught by the bottom paddle puts the countdown in the panel.
    const QImage before = Grab(window->view());
    EXPECT_EQ(DarkPixels(Region(before, g.lblTimer)), 0);
    EXPECT_EQ(DarkPixels(Region(before, g.lblTime)), 0);
    g.imgBananna.Left = 4080, g.imgBananna.Top = 8550;
    g.Timer1_Timer();
    ASSERT_EQ(g.lblTime.Caption, "19.98");
    shot = Grab(window->view());
    EXPECT_GT(DarkPixels(Region(shot, g.lblTimer)), 50);
    EXPECT_GT(DarkPixels(Region(shot, g.lblTime)), 30);
    EXPECT_EQ(PixelAt(shot, g.lblTime.Left + 60, g.lblTime.Top + 60), Expected(kActiveTitleBarText));

    // A reset clears the panel and puts one picture back on the brick.
    ChooseMenuItem(window, "&Reset");
    shot = Grab(window->view());
    EXPECT_EQ(Region(shot, g.lblTimer), Region(before, g.lblTimer));
    EXPECT_EQ(Region(shot, g.lblTime), Region(before, g.lblTime));
    EXPECT_GT(PixelsNotOf(spot(shot, 4080, 4680), black), 100);
}

// After refresh() only what changed is painted again; the rest of the screen stays
// as drawn. What the screen then shows must be what one full paint shows, at the
// laid-out size and at any other.
struct ViewSize {
    const char* name;
    QSize size;  // logical pixels
};

class PartialRepaintTest : public GameWindowTest, public ::testing::WithParamInterface<ViewSize> {};

TEST_P(PartialRepaintTest, TheScreenShowsWhatAFullPaintShows) {
    // The offscreen screen keeps one pixel per logical pixel: at other device
    // pixel ratios there is nothing of the same resolution to compare with.
    if (window->devicePixelRatioF() != 1) GTEST_SKIP() << "no screen pixels at this scale";
    const QSize view = GetParam().size;
    window->resize(view + QSize(0, window->height() - window->view()->height()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->view()->size() == view; }));
    const auto onScreenMatchesFullPaint = [&](const char* after) {
        // The paint that refresh() asked for, and nothing else.
        QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
        const QImage shown = OnScreen(window->view()).convertToFormat(QImage::Format_RGB32);
        const QImage full = Grab(window->view()).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), full.size());
        EXPECT_TRUE(shown == full) << "after " << after;
    };
    QTest::qWait(50);
    onScreenMatchesFullPaint("the first paint");

    struct Change {
        const char* what;
        std::function<void(frmGame&)> apply;
    };
    const Change changes[] = {
        {"the ball moved", [](frmGame& g) { g.shpBall.Left += 50, g.shpBall.Top -= 50; }},
        {"the start message hidden", [](frmGame& g) { g.lblMessage.Visible = false; }},
        {"the paddles moved",
         [](frmGame& g) {
             for (Shape& p : g.shpPaddle) p.Left += 105;
         }},
        {"the paddles grown",
         [](frmGame& g) {
             for (Shape& p : g.shpPaddle) p.Width += 15;
         }},
        {"a brick struck down", [](frmGame& g) { g.Brick[12].Visible = false; }},
        {"a brick weakened", [](frmGame& g) { g.Brick[28].FillColor = kYellow; }},
        {"the points caption", [](frmGame& g) { g.lblPoints.Caption = "100"; }},
        {"the black brick struck down", [](frmGame& g) { g.Brick[36].Visible = false; }},
        {"the power-ups moved",
         [](frmGame& g) {
             for (Image* i : {&g.imgLive, &g.imgBananna, &g.imgshield}) i->Top += 45;
         }},
        {"the countdown shown",
         [](frmGame& g) {
             g.lblTimer.Visible = g.lblTime.Visible = true;
             g.lblTime.Caption = "19.98";
         }},
        {"the shield raised", [](frmGame& g) { g.shpShield[0].Visible = g.shpShield[1].Visible = true; }},
        {"the face grown",
         [](frmGame& g) {
             g.imgFace.Visible = true;
             g.imgFace.Width = g.imgFace.Height = 1200;
         }},
        {"the background colour", [](frmGame& g) { g.BackColor = g.shpField.BackColor = 0xFFC0FF; }},
    };
    for (const Change& c : changes) {
        c.apply(game());
        window->view()->refresh();
        onScreenMatchesFullPaint(c.what);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, PartialRepaintTest,
                         ::testing::Values(ViewSize{"LaidOut", {859, 679}}, ViewSize{"Larger", {1000, 790}},
                                           ViewSize{"Smaller", {640, 506}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace crumbleton
