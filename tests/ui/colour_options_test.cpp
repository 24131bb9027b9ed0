// The colour options screen, and its choices reaching the game at its ticks.

#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>

#include "colour_window.h"
#include "fake_toolkit.h"
#include "game_view.h"
#include "navigator.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

using O = ColourOption;
using testing::ChooseMenuItem;
using testing::Click;

constexpr O kAllOptions[] = {
    O::optPink,       O::optLightBlue, O::optBlue,          O::optRed,
    O::optGreen,      O::optPurple,    O::optPaddlePink,    O::optPaddleLightBlue,
    O::optPaddleBlue, O::optPAddleRed, O::optPaddleGreen,   O::optPaddlePurple,
    O::optBackPink,   O::optBackGreen, O::optBackLightBlue, O::optBackOrange,
    O::optBackPurple, O::optBackGrey,
};

std::vector<O> Selected(const ColourWindow& window) {
    std::vector<O> selected;
    for (O option : kAllOptions)
        if (window.isSelected(option)) selected.push_back(option);
    return selected;
}

TEST(ColourWindowTest, EachFrameIsOneGroupAndNothingIsSelectedAtFirst) {
    testing::FakeToolkit toolkit;
    ColourWindow window(toolkit);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(Selected(window).empty());

    struct Step {
        const char* click;
        std::vector<O> selected;
    };
    const Step steps[] = {
        {"optPink", {O::optPink}},
        {"optRed", {O::optRed}},
        {"optPaddleLightBlue", {O::optRed, O::optPaddleLightBlue}},
        {"optBackOrange", {O::optRed, O::optPaddleLightBlue, O::optBackOrange}},
        {"optPAddleRed", {O::optRed, O::optPAddleRed, O::optBackOrange}},
        {"optBackGrey", {O::optRed, O::optPAddleRed, O::optBackGrey}},
        {"optPurple", {O::optPurple, O::optPAddleRed, O::optBackGrey}},
    };
    for (const Step& step : steps) {
        Click(&window, step.click);
        EXPECT_EQ(Selected(window), step.selected) << "after " << step.click;
    }
}

class ColourOptionsInPlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        navigator.Show(Screen::Start);
        Click(navigator.startWindow(), "Command1");
        ASSERT_NE(navigator.gameWindow(), nullptr);
    }

    frmGame& game() { return navigator.gameWindow()->game(); }

    // Waits for the game's ticks to bring the ball, the paddles and the background
    // to these colours.
    bool TicksApply(Colour ball, Colour paddles, Colour back) {
        return QTest::qWaitFor([&] {
            const frmGame& g = game();
            return g.shpBall.FillColor == ball && g.shpPaddle[0].FillColor == paddles &&
                   g.shpPaddle[1].FillColor == paddles && g.BackColor == back && g.shpField.BackColor == back;
        });
    }

    // What the game screen shows: ball, both paddles, field and window background.
    std::vector<QColor> OnScreen() {
        GameWindow* window = navigator.gameWindow();
        window->view()->repaint();
        const QImage image = testing::Grab(window->view());
        const frmGame& g = game();
        const auto centre = [&](const Shape& s) {
            return testing::PixelAt(image, s.Left + s.Width / 2, s.Top + s.Height / 2);
        };
        return {centre(g.shpBall), centre(g.shpPaddle[0]), centre(g.shpPaddle[1]),
                testing::PixelAt(image, 600, 9500), testing::PixelAt(image, 12700, 150)};
    }

    std::vector<QColor> Expected(Colour ball, Colour paddles, Colour back) {
        const QPalette palette = navigator.gameWindow()->view()->palette();
        return {ToQColor(ball, palette), ToQColor(paddles, palette), ToQColor(paddles, palette),
                ToQColor(back, palette), ToQColor(back, palette)};
    }

    Navigator navigator;
};

TEST_F(ColourOptionsInPlayTest, NothingChosenGivesRedAndTheButtonFaceFromTheFirstTick) {
    ASSERT_TRUE(TicksApply(kRed, kRed, kButtonFace));
    // The first tick read the options, which created their screen, still hidden.
    ASSERT_NE(navigator.colourWindow(), nullptr);
    EXPECT_FALSE(navigator.colourWindow()->isVisible());
    EXPECT_EQ(OnScreen(), Expected(kRed, kRed, kButtonFace));
}

TEST_F(ColourOptionsInPlayTest, AChoiceReachesTheHiddenGameAtItsNextTick) {
    ChooseMenuItem(navigator.gameWindow(), "&Menu");
    Click(navigator.startWindow(), "cmdOptions");
    Click(navigator.startWindow(), "cmdColours");
    ColourWindow* colours = navigator.colourWindow();

    Click(colours, "optPink");
    Click(colours, "optPaddleGreen");
    Click(colours, "optBackOrange");
    EXPECT_TRUE(TicksApply(0xFF00FF, kGreen, 0x80C0FF));
    Click(colours, "optRed");
    EXPECT_TRUE(TicksApply(kRed, kGreen, 0x80C0FF));
    EXPECT_FALSE(navigator.gameWindow()->isVisible());

    Click(colours, "cmdBack");
    Click(navigator.startWindow(), "Command1");
    EXPECT_EQ(OnScreen(), Expected(kRed, kGreen, 0x80C0FF));
}

}  // namespace
}  // namespace crumbleton
