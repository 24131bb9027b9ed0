// The end of a game and the game menu, through the real window and message boxes.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <vector>

#include "game_view.h"
#include "game_window.h"
#include "navigator.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

using namespace std::chrono_literals;
using testing::Grab;
using testing::PixelAt;

// Closes every modal message box after keeping it open for a while (long
// enough for the timer to fire meanwhile), and records what each one said.
class MessageCloser {
public:
    struct Seen {
        QString text, title;
        QMessageBox::Icon icon;
    };

    explicit MessageCloser(std::chrono::milliseconds keepOpen, std::function<void()> onOpen = {})
        : keepOpen_(keepOpen), onOpen_(std::move(onOpen)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] { check(); });
        poll_.start(5ms);
    }

    std::vector<Seen> seen;

private:
    void check() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box != current_) {
            seen.push_back({box->text(), box->windowTitle(), box->icon()});
            current_ = box;
            openFor_.start();
            if (onOpen_) onOpen_();
        }
        if (current_ && openFor_.elapsed() >= keepOpen_.count()) current_->accept();
    }

    std::chrono::milliseconds keepOpen_;
    std::function<void()> onOpen_;
    QTimer poll_;
    QPointer<QMessageBox> current_;
    QElapsedTimer openFor_;
};

QAction* MenuItem(GameWindow* window, const QString& text) {
    for (QAction* menu : window->menuBar()->actions())
        for (QAction* item : menu->menu()->actions())
            if (item->text() == text) return item;
    return nullptr;
}

// A twips box of a grab, in device pixels.
QImage Region(const QImage& grab, float left, float top, float width, float height) {
    const qreal scale = grab.devicePixelRatio() / kTwipsPerPixel;
    return grab.copy(QRectF(left * scale, top * scale, width * scale, height * scale).toAlignedRect());
}

template <typename Control>
QImage Region(const QImage& grab, const Control& c) {
    return Region(grab, c.Left, c.Top, c.Width, c.Height);
}

// How many pixels of an image are darker than mid-grey: text, or a picture's outline.
int DarkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) dark += image.pixelColor(x, y).lightness() < 100;
    return dark;
}

// What the screen shows of a widget now, as last painted (not a fresh rendering).
QImage OnScreen(QWidget* widget) {
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    return widget->screen()
        ->grabWindow(widget->window()->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage();
}

int PixelsNotOf(const QImage& image, const QColor& colour) {
    int other = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) other += image.pixelColor(x, y) != colour;
    return other;
}

using EndOfGameTest = testing::GameScreenTest;

TEST_F(EndOfGameTest, MenuResetRestoresLivesPointsAndBricksOnScreen) {
    window->stopTicking();
    frmGame& g = game();
    const QImage fresh = Grab(window->view());

    g.lblLives.Caption = "1";
    g.lblPoints.Caption = "2300";
    g.Brick[0].Visible = g.Brick[36].Visible = false;
    g.Brick[12].FillColor = kOrange;
    g.Brick[28].FillColor = kYellow;
    const QImage played = Grab(window->view());
    ASSERT_NE(Region(played, g.lblLives), Region(fresh, g.lblLives));
    ASSERT_NE(Region(played, g.lblPoints), Region(fresh, g.lblPoints));

    QAction* reset = MenuItem(window, "&Reset");
    ASSERT_NE(reset, nullptr);
    reset->trigger();
    const QImage after = Grab(window->view());

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Region(after, g.lblLives), Region(fresh, g.lblLives));
    EXPECT_EQ(Region(after, g.lblPoints), Region(fresh, g.lblPoints));
    const auto centre = [](const Shape& s) { return std::pair{s.Left + s.Width / 2, s.Top + s.Height / 2}; };
    for (std::size_t i : {0, 12, 28}) {
        const auto [x, y] = centre(g.Brick[i]);
        EXPECT_EQ(PixelAt(after, x, y), PixelAt(fresh, x, y)) << "brick " << i;
    }
    // Beside the power-up that waits on it.
    EXPECT_EQ(PixelAt(after, 3900, 4700), Expected(kBlack)) << "black brick";
}

TEST_F(EndOfGameTest, MenuCommandGoesBackResetting) {
    window->stopTicking();
    game().lblPoints.Caption = "2300";
    QAction* menu = MenuItem(window, "&Menu");
    ASSERT_NE(menu, nullptr);
    menu->trigger();

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(game().lblPoints.Caption, "0");
}

TEST_F(EndOfGameTest, EachEndOfGameShowsItsMessageOnce) {
    struct Case {
        const char* what;
        void (*prepare)(frmGame&);
        QString text, title;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {"lost", [](frmGame& g) { g.lblLives.Caption = "0"; }, " Game Over!!", " You Lose!",
         QMessageBox::Critical},
        {"won",
         [](frmGame& g) {
             // Ten ticks from full size: the count of the face's steps is the core's to test.
             g.imgFace.Width = g.imgFace.Height = 2300;
             g.lblPoints.Caption = "6900";
         },
         " congratulations, You Win!!", " Winner", QMessageBox::NoIcon},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        navigator.Show(Screen::Game);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        // Open for many ticks' time, so that the timer fires while it is. The
        // screen behind it shows the game as the tick left it.
        QImage shown, model;
        MessageCloser closer(200ms, [&] {
            shown = OnScreen(window->view());
            model = Grab(window->view());
        });

        c.prepare(game());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 5000));
        // The game screen is hidden but goes on ticking, on a fresh game.
        QTest::qWait(300);

        ASSERT_EQ(closer.seen.size(), 1u);
        EXPECT_EQ(closer.seen[0].text, c.text);
        EXPECT_EQ(closer.seen[0].title, c.title);
        EXPECT_EQ(closer.seen[0].icon, c.icon);
        // The offscreen platform grabs a scaled window's backing store at its
        // logical size, cropping it, so the screen is compared at scale 1 only.
        if (window->devicePixelRatioF() == 1) {
            EXPECT_EQ(shown.convertToFormat(model.format()), model) << "the screen behind the box";
        }
        EXPECT_EQ(game().lblLives.Caption, "3");
        EXPECT_EQ(game().lblPoints.Caption, "0");
    }
}

TEST_F(EndOfGameTest, PowerUpPicturesAndCountdownFollowTheModel) {
    window->stopTicking();
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
    MenuItem(window, "&Reset")->trigger();
    shot = Grab(window->view());
    EXPECT_EQ(Region(shot, g.lblTimer), Region(before, g.lblTimer));
    EXPECT_EQ(Region(shot, g.lblTime), Region(before, g.lblTime));
    EXPECT_GT(PixelsNotOf(spot(shot, 4080, 4680), black), 100);
}

// In a child process: ending the program stops its event handling for good.
TEST(GameMenuDeathTest, ExitEndsTheProgramAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Navigator navigator;
            navigator.Show(Screen::Game);
            GameWindow* window = navigator.gameWindow();
            MessageCloser closer(0ms);
            QTest::qWait(100);  // the game ticks
            // The next tick would end the game with a message and a reset.
            window->game().lblLives.Caption = "0";
            MenuItem(window, "E&xit")->trigger();
            QTest::qWait(300);
            const bool ended =
                window->game().lblLives.Caption == "0" && closer.seen.empty() && !window->isVisible();
            std::_Exit(ended ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace crumbleton
