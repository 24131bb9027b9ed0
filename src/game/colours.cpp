// The colour options applied to the game screen at every tick.

#include <array>
#include <initializer_list>
#include <span>

#include "frm_game.h"

namespace crumbleton {

namespace {

using O = ColourOption;

struct ColourChoice {
    ColourOption option;
    Colour colour;
};

// The ball and the paddles offer the same colours, tested in the same order.
struct BallOrPaddleChoice {
    ColourOption ball, paddle;
    Colour colour;
};

// Each table in the order its options are tested; the first one selected wins.
// Red and grey have no entry: choosing them clears the others of their group, and
// the fallback does the rest.
constexpr auto kBallAndPaddleColours = std::to_array<BallOrPaddleChoice>({
    {O::optPink, O::optPaddlePink, 0xFF00FF},
    {O::optLightBlue, O::optPaddleLightBlue, 0xFFFF00},
    {O::optBlue, O::optPaddleBlue, 0xFF0000},
    {O::optGreen, O::optPaddleGreen, 0x00FF00},
    {O::optPurple, O::optPaddlePurple, 0xFF8080},
});

constexpr auto kBackColours = std::to_array<ColourChoice>({
    {O::optBackPink, 0xFFC0FF},
    {O::optBackLightBlue, 0xFFFF80},
    {O::optBackOrange, 0x80C0FF},
    {O::optBackGreen, 0xC0FFC0},
    {O::optBackPurple, 0xFFC0C0},
});

template <std::size_t N>
constexpr std::array<ColourChoice, N> Column(const std::array<BallOrPaddleChoice, N>& table,
                                             ColourOption BallOrPaddleChoice::*option) {
    std::array<ColourChoice, N> column{};
    for (std::size_t i = 0; i < N; ++i) column[i] = {table[i].*option, table[i].colour};
    return column;
}

constexpr auto kBallColours = Column(kBallAndPaddleColours, &BallOrPaddleChoice::ball);
constexpr auto kPaddleColours = Column(kBallAndPaddleColours, &BallOrPaddleChoice::paddle);

// A table holds each option of its group, first to last, once, but the one left
// to the fallback.
constexpr bool CoversGroup(std::span<const ColourChoice> table, O first, O last, O fallback) {
    for (auto o = static_cast<int>(first); o <= static_cast<int>(last); ++o) {
        int entries = 0;
        for (const ColourChoice& choice : table) entries += static_cast<int>(choice.option) == o;
        if (entries != (o == static_cast<int>(fallback) ? 0 : 1)) return false;
    }
    return table.size() == static_cast<std::size_t>(static_cast<int>(last) - static_cast<int>(first));
}
static_assert(CoversGroup(kBallColours, O::optPink, O::optPurple, O::optRed));
static_assert(CoversGroup(kPaddleColours, O::optPaddlePink, O::optPaddlePurple, O::optPAddleRed));
static_assert(CoversGroup(kBackColours, O::optBackPink, O::optBackGrey, O::optBackGrey));

Colour Chosen(Toolkit& toolkit, std::span<const ColourChoice> table, Colour fallback) {
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
