// The colour options applied to the game screen at every tick.

#include <array>
#include <initializer_list>

#include "frm_game.h"

namespace crumbleton {

namespace {

struct ColourChoice {
    ColourOption option;
    Colour colour;
};

// Each table in the order its options are tested; the first one selected wins.
// Red and grey have no entry: choosing them clears the others of their group, and
// the fallback does the rest.
constexpr std::array<ColourChoice, 5> kBallColours{{
    {ColourOption::optPink, 0xFF00FF},
    {ColourOption::optLightBlue, 0xFFFF00},
    {ColourOption::optBlue, 0xFF0000},
    {ColourOption::optGreen, 0x00FF00},
    {ColourOption::optPurple, 0xFF8080},
}};

constexpr std::array<ColourChoice, 5> kPaddleColours{{
    {ColourOption::optPaddlePink, 0xFF00FF},
    {ColourOption::optPaddleLightBlue, 0xFFFF00},
    {ColourOption::optPaddleBlue, 0xFF0000},
    {ColourOption::optPaddleGreen, 0x00FF00},
    {ColourOption::optPaddlePurple, 0xFF8080},
}};

constexpr std::array<ColourChoice, 5> kBackColours{{
    {ColourOption::optBackPink, 0xFFC0FF},
    {ColourOption::optBackLightBlue, 0xFFFF80},
    {ColourOption::optBackOrange, 0x80C0FF},
    {ColourOption::optBackGreen, 0xC0FFC0},
    {ColourOption::optBackPurple, 0xFFC0C0},
}};

Colour Chosen(Toolkit& toolkit, const std::array<ColourChoice, 5>& table, Colour fallback) {
    for (const ColourChoice& choice : table)
        if (toolkit.OptionValue(choice.option)) return choice.colour;
    return fallback;
}

}  // namespace

void frmGame::ApplyColours() {
    shpBall.FillColor = Chosen(toolkit_, kBallColours, kRed);

    for (Shape& paddle : shpPaddle) paddle.FillColor = Chosen(toolkit_, kPaddleColours, kRed);

    const Colour back = Chosen(toolkit_, kBackColours, kButtonFace);
    shpField.BackColor = back;
    BackColor = back;
    for (Label* label : {&lblLivesF, &lblPointsF, &lblTimer, &lblMessage, &lblBrick}) label->BackColor = back;
}

}  // namespace crumbleton
