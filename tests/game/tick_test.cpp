#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_toolkit.h"
#include "frm_game.h"

namespace crumbleton {
namespace {

using ::testing::ElementsAre;

class LostGameTest : public ::testing::Test {
protected:
    // What the game asked of the toolkit, without the re-seeding of the random source.
    std::vector<std::string> Requests() const {
        std::vector<std::string> out;
        for (const std::string& c : toolkit.calls)
            if (c != "Reseed") out.push_back(c);
        return out;
    }

    testing::FakeToolkit toolkit;
    frmGame game{toolkit};
};

TEST_F(LostGameTest, NoLivesOpensTheMessageThenReturnsToTheStartScreen) {
    game.lblLives.Caption = "0";
    std::string livesWhileOpen;
    toolkit.whileMessageOpen = [&] { livesWhileOpen = game.lblLives.Caption; };

    game.Timer1_Timer();

    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].text, " Game Over!!");
    EXPECT_EQ(toolkit.messages[0].title, " You Lose!");
    EXPECT_EQ(toolkit.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(livesWhileOpen, "0");
    // The start screen is shown before the game screen is hidden.
    EXPECT_THAT(Requests(), ElementsAre("ShowMessage", "Show Start", "Hide Game"));
}

TEST_F(LostGameTest, TheGameIsFreshBeforeTheStartScreenShows) {
    game.lblLives.Caption = "0";
    game.lblPoints.Caption = "3700";
    game.Brick[5].Visible = false;

    game.Timer1_Timer();

    // The reset's new roll comes after the message and before the screens change.
    EXPECT_THAT(toolkit.calls, ElementsAre("ShowMessage", "Reseed", "Show Start", "Hide Game"));
    EXPECT_EQ(game.lblLives.Caption, "3");
    EXPECT_EQ(game.lblPoints.Caption, "0");
    EXPECT_TRUE(game.Brick[5].Visible);
}

TEST_F(LostGameTest, OtherLivesEndNothing) {
    for (const char* lives : {"3", "1", "4", "0.5", "-1"}) {
        game.lblLives.Caption = lives;
        game.Timer1_Timer();
    }
    EXPECT_TRUE(toolkit.messages.empty());
    EXPECT_THAT(Requests(), ::testing::IsEmpty());
}

// Both ends of a game open their message inside a tick, and the toolkit keeps
// delivering timer events while the box is open.
struct GameEnd {
    const char* name;
    void (*bringAbout)(frmGame&);  // the next tick opens the message
};

class NestedTickTest : public ::testing::TestWithParam<GameEnd> {};

TEST_P(NestedTickTest, TicksWhileTheMessageIsOpenRunNoStep) {
    testing::FakeToolkit toolkit;
    frmGame game{toolkit};
    GetParam().bringAbout(game);
    int nested = 0;
    toolkit.whileMessageOpen = [&] {
        if (nested++ < 3) game.Timer1_Timer();
    };

    game.Timer1_Timer();

    EXPECT_EQ(nested, 1);
    EXPECT_EQ(toolkit.messages.size(), 1u);
    // Once the box is closed and the tick has ended, ticks run again.
    GetParam().bringAbout(game);
    game.Timer1_Timer();
    EXPECT_EQ(toolkit.messages.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Ends, NestedTickTest,
                         ::testing::Values(GameEnd{"Lost", [](frmGame& g) { g.lblLives.Caption = "0"; }},
                                           GameEnd{"Won",
                                                   [](frmGame& g) {
                                                       // Every brick struck down, the face one step from full
                                                       // size.
                                                       g.lblPoints.Caption = "6900";
                                                       for (Shape& brick : g.Brick) brick.Visible = false;
                                                       g.imgFace.Width = g.imgFace.Height = 2390;
                                                   }}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace crumbleton
