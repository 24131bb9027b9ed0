// The start menu, the instructions and the colour options as laid out: captions,
// places, tab order and pictures.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "colour_window.h"
#include "fake_toolkit.h"
#include "instructions_window.h"
#include "start_window.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

using testing::Click;
using testing::Control;
using testing::FakeToolkit;

// The names of the controls that the Tab key visits from `first`, in order,
// until it comes back to `first`.
std::vector<std::string> TabCycle(QWidget* window, const char* first) {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) ADD_FAILURE() << "window not active";
    QWidget* start = Control<QWidget>(window, first);
    start->setFocus(Qt::TabFocusReason);
    std::vector<std::string> visited{first};
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == start) return visited;
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    ADD_FAILURE() << "Tab never returned to " << first;
    return visited;
}

// The window's tab order: every control that takes the focus by Tab, in order.
std::vector<std::string> TabOrder(QWidget* window) {
    std::vector<std::string> order;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus) order.push_back(w->objectName().toStdString());
    return order;
}

class ScreenLayoutTest : public ::testing::Test {
protected:
    FakeToolkit toolkit;
    StartWindow start{toolkit};
    InstructionsWindow instructions{toolkit};
    ColourWindow colours{toolkit};
};

TEST_F(ScreenLayoutTest, WindowsHaveTheirCaptionsFixedClientAreasAndPlaces) {
    struct Case {
        QWidget* window;
        QString caption;
        QSize client;
        std::optional<QPoint> corner;  // none: where the window system puts it
    };
    const Case cases[] = {
        {&start, "Crumbletons!", {530, 392}, QPoint(330, 278)},
        {&instructions, "Crumbleton", {667, 599}, std::nullopt},
        {&colours, "Crumbleton", {507, 381}, QPoint(330, 154)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        c.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(c.window));
        EXPECT_EQ(c.window->windowTitle(), c.caption);
        EXPECT_EQ(c.window->size(), c.client);
        EXPECT_EQ(c.window->minimumSize(), c.client);
        EXPECT_EQ(c.window->maximumSize(), c.client);
        if (c.corner) {
            EXPECT_EQ(c.window->mapToGlobal(QPoint(0, 0)), *c.corner);
        }
    }
}

TEST_F(ScreenLayoutTest, ControlsCarryTheirCaptions) {
    struct Case {
        QWidget* window;
        const char* control;
        QString caption;
    };
    const Case cases[] = {
        {&start, "lblBrick", "Crumbletons"},
        {&start, "Command1", "Start Game!"},
        {&start, "cmdInstructions", "Instructions"},
        {&start, "cmdOptions", "Options"},
        {&start, "cmdEnd", "End Game"},
        {&start, "frmOptions", "Options"},
        {&start, "cmdColours", "Colours"},
        {&instructions, "Label1", "How To Play:"},
        {&instructions, "lblHowTo1",
         "The goal of Crumbleton is to destroy all the bricks without losing any lives."},
        {&instructions, "Label2",
         "In this version of crumbleton you must control two paddles using the left and right arrow keys"},
        {&instructions, "Label4",
         "Every time the game starts or is reset a power up is randomly chosen and will spawn in the middle "
         "of "
         "the playing field. Use these power ups to help you destroy the bricks."},
        {&instructions, "Label3",
         "You lose lives when the ball goes out of bounds, which is below the bottom paddle or above the top "
         "paddle. "},
        {&instructions, "lblPowerUps", "Power Ups"},
        {&instructions, "lblLife", " Extra Life"},
        {&instructions, "Label6", "Large Paddle"},
        {&instructions, "Label5", "Shield"},
        {&instructions, "cmdBack", "Back"},
        {&colours, "fraColours", "Colours"},
        {&colours, "frmBall", "Ball Colour"},
        {&colours, "frmPaddles", "Paddle Colour"},
        {&colours, "fraBackGround", "Background Colour"},
        {&colours, "optPink", "Pink"},
        {&colours, "optLightBlue", "Light Blue"},
        {&colours, "optBlue", "Blue"},
        {&colours, "optRed", "Red"},
        {&colours, "optGreen", "Green"},
        {&colours, "optPurple", "Purple"},
        {&colours, "optPaddlePink", "Pink"},
        {&colours, "optPaddleLightBlue", "LightBlue"},
        {&colours, "optPaddleBlue", "Blue"},
        {&colours, "optPAddleRed", "Red"},
        {&colours, "optPaddleGreen", "Green"},
        {&colours, "optPaddlePurple", "Purple"},
        {&colours, "optBackPink", "Pink"},
        {&colours, "optBackGreen", "Green"},
        {&colours, "optBackLightBlue", "Light Blue"},
        {&colours, "optBackOrange", "Orange"},
        {&colours, "optBackPurple", "Purple"},
        {&colours, "optBackGrey", "Grey"},
        {&colours, "cmdBack", "Back"},
    };
    for (const Case& c : cases) {
        QWidget* control = Control<QWidget>(c.window, c.control);
        ASSERT_NE(control, nullptr);
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(control)) caption = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) caption = button->text();
        if (auto* frame = qobject_cast<QGroupBox*>(control)) caption = frame->title();
        EXPECT_EQ(caption, c.caption) << c.control;
    }
}

TEST_F(ScreenLayoutTest, NoCaptionIsClipped) {
    // The stand-in fonts run wider than those the screens were laid out for.
    for (QWidget* window : {static_cast<QWidget*>(&start), static_cast<QWidget*>(&instructions),
                            static_cast<QWidget*>(&colours)}) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            const QRect needed = label->fontMetrics().boundingRect(
                label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
            EXPECT_TRUE(label->contentsRect().contains(needed)) << label->objectName().toStdString();
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            const int needed = qobject_cast<QRadioButton*>(button)
                                   ? button->sizeHint().width()
                                   : button->fontMetrics().horizontalAdvance(button->text()) + 8;
            EXPECT_LE(needed, button->width()) << button->objectName().toStdString();
            EXPECT_LE(button->fontMetrics().height(), button->height()) << button->objectName().toStdString();
        }
        for (QGroupBox* frame : window->findChildren<QGroupBox*>())
            EXPECT_LE(frame->minimumSizeHint().width(), frame->width()) << frame->objectName().toStdString();
    }
}

TEST_F(ScreenLayoutTest, TabVisitsTheControlsInTheirOrder) {
    using ::testing::ElementsAre;
    EXPECT_THAT(TabCycle(&start, "Command1"),
                ElementsAre("Command1", "cmdEnd", "cmdOptions", "cmdInstructions"));
    Click(&start, "cmdOptions");
    EXPECT_THAT(TabCycle(&start, "Command1"),
                ElementsAre("Command1", "cmdEnd", "cmdOptions", "cmdColours", "cmdInstructions"));

    EXPECT_THAT(TabCycle(&instructions, "cmdBack"), ElementsAre("cmdBack"));

    EXPECT_THAT(TabOrder(&colours),
                ElementsAre("optPaddlePurple", "optPaddleBlue", "optPaddleGreen", "optPAddleRed",
                            "optPaddleLightBlue", "optPaddlePink", "optPurple", "optBlue", "optGreen",
                            "optRed", "optLightBlue", "optPink", "optBackPink", "optBackGreen",
                            "optBackLightBlue", "optBackOrange", "optBackPurple", "optBackGrey", "cmdBack"));
    // Tab stops once in each group of option buttons, at its first in tab order
    // while nothing is selected; the arrow keys move within the group.
    EXPECT_THAT(TabCycle(&colours, "optPaddlePurple"),
                ElementsAre("optPaddlePurple", "optPurple", "optBackPink", "cmdBack"));
}

TEST_F(ScreenLayoutTest, InstructionsShowTheirPictures) {
    instructions.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&instructions));
    const QImage image = testing::Grab(&instructions);
    const QColor face = instructions.palette().color(QPalette::Window);
    const auto isNeutral = [](QColor c) {
        return std::abs(c.red() - c.green()) < 8 && std::abs(c.green() - c.blue()) < 8;
    };
    const auto isRed = [](QColor c) { return c.red() > 180 && c.green() < 60 && c.blue() < 60; };

    // The arrow keys: grey keys, no colour anywhere.
    int grey = 0, coloured = 0;
    for (float x = 5300; x < 8280; x += 60)
        for (float y = 2180; y < 4050; y += 60) {
            const QColor c = testing::PixelAt(image, x, y);
            if (!isNeutral(c)) ++coloured;
            if (isNeutral(c) && c != face) ++grey;
        }
    EXPECT_GT(grey, 1000);
    EXPECT_EQ(coloured, 0);

    // The field's bottom: a red paddle in the middle, and red and black where the
    // ball leaves the field under the arrow.
    const auto count = [&](float left, float top, float right, float bottom, auto test) {
        int n = 0;
        for (float x = left; x < right; x += 15)
            for (float y = top; y < bottom; y += 15) n += test(testing::PixelAt(image, x, y)) ? 1 : 0;
        return n;
    };
    EXPECT_GT(count(6600, 7470, 7500, 7590, isRed), 10) << "paddle";
    EXPECT_GT(count(8050, 7600, 8350, 7850, isRed), 10) << "ball";
    EXPECT_GT(count(8100, 6700, 8300, 7400, [](QColor c) { return c.lightness() < 60; }), 10) << "arrow";

    // The legend's icons: something other than the background in each.
    for (float top : {6720.f, 7320.f, 7920.f})
        EXPECT_GT(count(840, top, 1320, top + 480, [&](QColor c) { return c != face; }), 100) << top;
}

}  // namespace
}  // namespace crumbleton
