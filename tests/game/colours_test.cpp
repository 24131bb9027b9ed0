// ApplyColours: the colour options on the ball, the paddles and the backgrounds.

#include <gtest/gtest.h>

#include <vector>

#include "fake_toolkit.h"
#include "frm_game.h"

namespace crumbleton {
namespace {

using O = ColourOption;

constexpr Colour kPink = 0xFF00FF, kLightBlue = 0xFFFF00, kPurple = 0xFF8080;
constexpr Colour kBackPink = 0xFFC0FF, kBackLightBlue = 0xFFFF80, kBackOrange = 0x80C0FF,
                 kBackGreen = 0xC0FFC0, kBackPurple = 0xFFC0C0;

class ApplyColoursTest : public ::testing::Test {
protected:
    // Every background the options colour; they always agree.
    std::vector<Colour> Backgrounds() const {
        return {game.shpField.BackColor,   game.BackColor,          game.lblLivesF.BackColor,
                game.lblPointsF.BackColor, game.lblTimer.BackColor, game.lblMessage.BackColor,
                game.lblBrick.BackColor};
    }

    void ExpectColours(Colour ball, Colour paddles, Colour back) const {
        EXPECT_EQ(game.shpBall.FillColor, ball);
        EXPECT_EQ(game.shpPaddle[0].FillColor, paddles);
        EXPECT_EQ(game.shpPaddle[1].FillColor, paddles);
        EXPECT_EQ(Backgrounds(), std::vector<Colour>(7, back));
    }

    testing::FakeToolkit toolkit;
    frmGame game{toolkit};
};

TEST_F(ApplyColoursTest, EachOptionAloneColoursItsPartAndLeavesTheOthersAtTheirFallback) {
    struct Case {
        O option;
        Colour ball, paddles, back;
    };
    const Case cases[] = {
        {O::optPink, kPink, kRed, kButtonFace},
        {O::optLightBlue, kLightBlue, kRed, kButtonFace},
        {O::optBlue, kBlue, kRed, kButtonFace},
        {O::optRed, kRed, kRed, kButtonFace},
        {O::optGreen, kGreen, kRed, kButtonFace},
        {O::optPurple, kPurple, kRed, kButtonFace},
        {O::optPaddlePink, kRed, kPink, kButtonFace},
        {O::optPaddleLightBlue, kRed, kLightBlue, kButtonFace},
        {O::optPaddleBlue, kRed, kBlue, kButtonFace},
        {O::optPAddleRed, kRed, kRed, kButtonFace},
        {O::optPaddleGreen, kRed, kGreen, kButtonFace},
        {O::optPaddlePurple, kRed, kPurple, kButtonFace},
        {O::optBackPink, kRed, kRed, kBackPink},
        {O::optBackGreen, kRed, kRed, kBackGreen},
        {O::optBackLightBlue, kRed, kRed, kBackLightBlue},
        {O::optBackOrange, kRed, kRed, kBackOrange},
        {O::optBackPurple, kRed, kRed, kBackPurple},
        {O::optBackGrey, kRed, kRed, kButtonFace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.option));
        toolkit.selected = {c.option};
        game.ApplyColours();
        ExpectColours(c.ball, c.paddles, c.back);
    }
}

TEST_F(ApplyColoursTest, OneChoiceOfEachGroupTogether) {
    toolkit.selected = {O::optGreen, O::optPaddlePurple, O::optBackOrange};
    game.ApplyColours();
    ExpectColours(kGreen, kPurple, kBackOrange);
}

TEST_F(ApplyColoursTest, TheFirstSelectedInTestingOrderWins) {
    // Only one option of a group is ever selected on the screen, but the order in
    // which they are tested decides if the toolkit reports more.
    // Each group in testing order, then the option that is never tested.
    const auto check = [&](std::vector<O> order, std::vector<Colour> colours, auto read) {
        for (std::size_t first = 0; first < order.size(); ++first) {
            toolkit.selected = {order.begin() + static_cast<std::ptrdiff_t>(first), order.end()};
            game.ApplyColours();
            EXPECT_EQ(read(), colours[first]) << "first selected: " << static_cast<int>(order[first]);
        }
    };
    check({O::optPink, O::optLightBlue, O::optBlue, O::optGreen, O::optPurple, O::optRed},
          {kPink, kLightBlue, kBlue, kGreen, kPurple, kRed}, [&] { return game.shpBall.FillColor; });
    check({O::optPaddlePink, O::optPaddleLightBlue, O::optPaddleBlue, O::optPaddleGreen, O::optPaddlePurple,
           O::optPAddleRed},
          {kPink, kLightBlue, kBlue, kGreen, kPurple, kRed}, [&] { return game.shpPaddle[1].FillColor; });
    check({O::optBackPink, O::optBackLightBlue, O::optBackOrange, O::optBackGreen, O::optBackPurple,
           O::optBackGrey},
          {kBackPink, kBackLightBlue, kBackOrange, kBackGreen, kBackPurple, kButtonFace},
          [&] { return game.BackColor; });
}

TEST_F(ApplyColoursTest, NothingChosenRecoloursTheNewScreenAtTheFirstTick) {
    ASSERT_EQ(game.shpPaddle[0].FillColor, kBlue);
    ASSERT_EQ(game.BackColor, 0xFF8080u);

    game.Timer1_Timer();

    ExpectColours(kRed, kRed, kButtonFace);
    // Labels outside the list keep their own backgrounds.
    EXPECT_EQ(game.lblLives.BackColor, kWhite);
    EXPECT_EQ(game.lblPoints.BackColor, kWhite);
    EXPECT_EQ(game.lblTime.BackColor, kActiveTitleBarText);
    EXPECT_EQ(game.lblLife.BackColor, kButtonFace);
}

TEST_F(ApplyColoursTest, ChoosingTheFallbackAfterAColourRestoresItAtTheNextTick) {
    toolkit.selected = {O::optPink, O::optPaddleGreen, O::optBackPink};
    game.Timer1_Timer();
    ExpectColours(kPink, kGreen, kBackPink);

    // What the screen's groups leave selected after "Red", "Red" and "Grey".
    toolkit.selected = {O::optRed, O::optPAddleRed, O::optBackGrey};
    game.Timer1_Timer();
    ExpectColours(kRed, kRed, kButtonFace);
}

TEST_F(ApplyColoursTest, EveryTickWritesTheColoursAgain) {
    toolkit.selected = {O::optBlue};
    game.Timer1_Timer();
    game.shpBall.FillColor = kYellow;
    game.BackColor = kYellow;
    game.Timer1_Timer();
    ExpectColours(kBlue, kRed, kButtonFace);
}

}  // namespace
}  // namespace crumbleton
