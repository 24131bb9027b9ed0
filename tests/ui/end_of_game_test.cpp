// The end of a game, by its message or by the game menu, through the real window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTest>
#include <chrono>
#include <functional>

#include "window_helpers.h"

namespace crumbleton {
namespace {

using namespace std::chrono_literals;
using testing::ChooseMenuItem;
using testing::Grab;
using testing::MessageCloser;
using testing::OnScreen;
using testing::PixelAt;
using testing::Region;

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

    ChooseMenuItem(window, "&Reset");
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
    ChooseMenuItem(window, "&Menu");

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

TEST_F(EndOfGameTest, EachMessageIsWideEnoughForItsWholeTitle) {
    window->stopTicking();
    const std::function<void(frmGame&)> ends[] = {
        [](frmGame& g) { g.lblLives.Caption = "0"; },
        [](frmGame& g) {
            g.imgFace.Width = g.imgFace.Height = 2400;
            g.lblPoints.Caption = "6900";
        },
    };
    for (const auto& end : ends) {
        navigator.Show(Screen::Game);
        QSize size, plainSize;
        QString title;
        MessageCloser closer(0ms, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            size = box->size();
            title = box->windowTitle();
            QMessageBox plain(box->icon(), title, box->text(), QMessageBox::Ok);
            plain.show();
            plainSize = plain.size();
        });
        end(game());
        game().Timer1_Timer();
        ASSERT_EQ(closer.seen.size(), 1u);
        SCOPED_TRACE(title.toStdString());
        // Qt's own title bar on Wayland centres the title in 14-pixel type, between
        // an edge of 3 and a gap of 5 pixels on the left and three 18-pixel buttons
        // 5 apart, a right margin of 8 and the edge on the right.
        QFont decoration = QApplication::font("QMdiSubWindowTitleBar");
        decoration.setPixelSize(14);
        const int right = 3 + 8 + 3 * 18 + 2 * 5 + 5;
        EXPECT_GE(size.width(), QFontMetrics(decoration).horizontalAdvance(title) + 2 * right);
        // The bold title of an X11 desktop such as openbox's fits as well.
        QFont bold = QApplication::font("QMdiSubWindowTitleBar");
        bold.setBold(true);
        EXPECT_GE(size.width(), QFontMetrics(bold).horizontalAdvance(title) + 2 * right);
        EXPECT_EQ(size.height(), plainSize.height()) << "only the width grows";
    }
}

}  // namespace
}  // namespace crumbleton
