#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fake_toolkit.h"
#include "frm_game.h"
#include "power_up_helpers.h"

namespace crumbleton {
namespace {

using testing::kFallStep;

// The countdown's caption for a number of hundredths, spelled out independently
// of the caption conversions: "19.98", "18.9", "0.01", "0".
std::string Hundredths(int cents) {
    std::string text = std::to_string(cents / 100);
    const int fraction = cents % 100;
    if (fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

class LargePaddleTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Released, one fall step above the bottom paddle.
        g.imgBananna.Left = testing::kWaitingLeft;
        g.imgBananna.Top = testing::kTopBeforeCatch;
        g.BananaFalling = 45;
    }

    // A tick as far as the banana goes: it falls (as the motion step moves it),
    // then the pickup runs. Both paddles must always have the same width.
    void Tick() {
        if (g.BananaFalling > 0) g.imgBananna.Top += kFallStep;
        g.CheckBananaPickup();
        ASSERT_EQ(g.shpPaddle[1].Width, g.shpPaddle[0].Width);
    }

    float Width() const { return g.shpPaddle[0].Width; }
    const std::string& Countdown() const { return g.lblTime.Caption; }

    testing::FakeToolkit toolkit;
    frmGame g{toolkit};
};

TEST_F(LargePaddleTest, TheCatchingTickShowsTheCountdownAndStartsGrowth) {
    Tick();

    EXPECT_FALSE(g.imgBananna.Visible);
    EXPECT_TRUE(g.lblTimer.Visible);
    EXPECT_TRUE(g.lblTime.Visible);
    EXPECT_EQ(Width(), 1710);
    EXPECT_EQ(Countdown(), "19.98");
}

TEST_F(LargePaddleTest, AResetInAnyStageRestoresTheNormalWidthAtOnce) {
    struct Stage {
        const char* name;
        std::function<bool(const frmGame&)> reached;
    };
    const Stage stages[] = {
        {"growing", [](const frmGame& g) { return g.shpPaddle[0].Width == 2010; }},
        {"wide", [](const frmGame& g) { return g.shpPaddle[0].Width == 2535 && g.lblTime.Caption == "10"; }},
        {"shrinking", [](const frmGame& g) { return g.shpPaddle[0].Width == 2022; }},
        {"spent", [](const frmGame& g) { return g.shpPaddle[0].Width == 1689; }},
    };
    for (const Stage& stage : stages) {
        SCOPED_TRACE(stage.name);
        g.ResetGame();
        SetUp();
        for (int tick = 0; tick < 5000 && !stage.reached(g); ++tick) Tick();
        ASSERT_TRUE(stage.reached(g));

        toolkit.fractions = {0.5f};  // the next game's power-up is the extra life
        g.ResetGame();

        EXPECT_EQ(g.shpPaddle[0].Width, 1695);
        EXPECT_EQ(g.shpPaddle[1].Width, 1695);
        EXPECT_EQ(Countdown(), "0");
        EXPECT_FALSE(g.lblTime.Visible);
        EXPECT_FALSE(g.lblTimer.Visible);
        EXPECT_TRUE(g.imgBananna.Visible);
        // Idle again: nothing grows back.
        for (int tick = 0; tick < 100; ++tick) Tick();
        EXPECT_EQ(Width(), 1695);
        EXPECT_EQ(Countdown(), "0");
    }
}

TEST_F(LargePaddleTest, NothingHappensUntilTheBottomPaddleCatches) {
    const auto expectIdle = [&](const char* where) {
        for (int tick = 0; tick < 50; ++tick) g.CheckBananaPickup();
        EXPECT_EQ(g.shpPaddle[0].Width, 1695) << where;
        EXPECT_EQ(g.shpPaddle[1].Width, 1695) << where;
        EXPECT_TRUE(g.imgBananna.Visible) << where;
        EXPECT_FALSE(g.lblTime.Visible) << where;
        EXPECT_EQ(Countdown(), "") << where;
    };
    g.imgBananna.Left = 9840, g.imgBananna.Top = 8280;
    expectIdle("at home");
    g.imgBananna.Left = testing::kWaitingLeft, g.imgBananna.Top = testing::kWaitingTop;
    expectIdle("waiting");
    // Touching only the top paddle.
    g.imgBananna.Top = 600;
    expectIdle("on the top paddle");
    // Sharing only an edge with the bottom paddle.
    g.imgBananna.Top = 9000 - 480;
    expectIdle("resting on the bottom paddle's edge");
}

// The whole course in whole ticks: the motion step drops the banana and, after
// the catch, the right arrow takes the paddles away from it.
struct Course {
    const char* name;
    float paddleLeft;  // where the arrow keys left the paddles, 105 a step from 3360
    int overlapTicks;  // ticks in which the banana touches the bottom paddle
    int wideStartCents;
};

class LargePaddleCourseTest : public ::testing::TestWithParam<Course> {};

TEST_P(LargePaddleCourseTest, GrowsThenCountsDownThenShrinksOnce) {
    const Course& c = GetParam();
    testing::FakeToolkit toolkit;
    frmGame g{toolkit};
    toolkit.fractions = {0.9f};  // the banana
    g.Form_Load();
    ASSERT_TRUE(testing::AtWaitingSpot(g.imgBananna));
    for (Shape& paddle : g.shpPaddle) paddle.Left = c.paddleLeft;
    g.BananaFalling = 45;  // the black brick has been struck
    const auto tick = [&] {
        g.Timer1_Timer();
        ASSERT_EQ(g.shpPaddle[1].Width, g.shpPaddle[0].Width);
    };

    int ticks = 0;
    while (g.imgBananna.Visible && ticks < 200) {
        tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 86);  // from Top 4680 to 8550

    // Each tick of overlap restarts the countdown at 20; growth takes 56 ticks.
    if (c.overlapTicks < testing::kOverlapTicks) g.Form_KeyDown(kKeyRight, 0);
    int growth = 1;
    for (; growth <= c.overlapTicks; ++growth) {
        ASSERT_EQ(g.lblTime.Caption, "19.98") << "growing tick " << growth;
        ASSERT_EQ(g.shpPaddle[0].Width, 1695 + 15 * growth);
        tick();
    }
    while (g.shpPaddle[0].Width < 2535 && growth < 100) {
        tick();
        ++growth;
    }
    EXPECT_EQ(growth, 56);
    EXPECT_EQ(g.shpPaddle[0].Width, 2535);
    ASSERT_EQ(g.lblTime.Caption, Hundredths(c.wideStartCents));

    // Wide: a hundredth a tick, each caption exact, down to 0.
    for (int cents = c.wideStartCents - 1; cents >= 0; --cents) {
        tick();
        ASSERT_EQ(g.shpPaddle[0].Width, 2535);
        ASSERT_EQ(g.lblTime.Caption, Hundredths(cents));
    }

    // Shrink: 9 a tick, past the normal width to 1689, and no further.
    for (int step = 1; step <= 94; ++step) {
        tick();
        ASSERT_EQ(g.shpPaddle[0].Width, 2535 - 9 * step);
    }
    for (int i = 0; i < 200; ++i) tick();
    EXPECT_EQ(g.shpPaddle[0].Width, 1689);
    EXPECT_EQ(g.lblTime.Caption, "0");
    EXPECT_TRUE(g.lblTimer.Visible);
    EXPECT_TRUE(g.lblTime.Visible);
    // The parked ball rode along all the while; no life was lost.
    EXPECT_EQ(g.lblLives.Caption, "3");
}

// The paddles run off to the right after the catch, clear of the banana's right
// edge (4560) one or two steps later; standing still they let it fall through.
INSTANTIATE_TEST_SUITE_P(Overlaps, LargePaddleCourseTest,
                         ::testing::Values(Course{"OneTick", 4515, 1, 1888},
                                           Course{"TwoTicks", 4410, 2, 1890},
                                           Course{"FallingThrough", 3360, testing::kOverlapTicks, 1918}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace crumbleton
