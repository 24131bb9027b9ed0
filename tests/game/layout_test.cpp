#include <gtest/gtest.h>

#include "fake_toolkit.h"
#include "frm_game.h"

namespace crumbleton {
namespace {

struct Box {
    float left, top, width, height;
};

template <typename Control>
void ExpectBox(const Control& c, Box b, bool visible) {
    EXPECT_EQ(c.Left, b.left);
    EXPECT_EQ(c.Top, b.top);
    EXPECT_EQ(c.Width, b.width);
    EXPECT_EQ(c.Height, b.height);
    EXPECT_EQ(c.Visible, visible);
}

class LayoutTest : public ::testing::Test {
protected:
    testing::FakeToolkit toolkit;
    frmGame game{toolkit};
};

TEST_F(LayoutTest, ScreenWindowTimerAndMenu) {
    EXPECT_EQ(game.Caption, "Crumbleton");
    EXPECT_EQ(game.ClientWidth, 12885);
    EXPECT_EQ(game.ClientHeight, 10185);
    EXPECT_EQ(game.WindowLeft, 3765);
    EXPECT_EQ(game.WindowTop, 2940);
    EXPECT_EQ(game.BackColor, 0xFF8080u);
    EXPECT_EQ(game.Timer1.Interval, 1);
    EXPECT_TRUE(game.Timer1.Enabled);
    EXPECT_EQ(game.mnuFile.Caption, "&File");
    EXPECT_EQ(game.mnuFileReset.Caption, "&Reset");
    EXPECT_EQ(game.mnuFileMenu.Caption, "&Menu");
    EXPECT_EQ(game.mnuFileExit.Caption, "E&xit");
    // Creating the screen asks nothing of the toolkit; loading it is a separate step.
    EXPECT_TRUE(toolkit.calls.empty());
}

TEST_F(LayoutTest, GameVariablesStartAtZero) {
    for (std::int16_t v : {game.BallSpeedX, game.BallSpeedY, game.PaddleSpeed, game.BananaFalling,
                           game.ShieldFalling, game.LifeFalling, game.PowerUpRoll})
        EXPECT_EQ(v, 0);
}

struct ShapeRow {
    const char* name;
    const Shape& (*get)(const frmGame&);
    Box box;
    bool visible;
    ShapeKind kind;
    FillPattern fill;
    Colour fillColor;
};

TEST_F(LayoutTest, Shapes) {
    const ShapeRow rows[] = {
        {"shpField",
         [](const frmGame& g) -> const Shape& { return g.shpField; },
         {120, 120, 8775, 9855},
         true,
         ShapeKind::Rectangle,
         FillPattern::Transparent,
         kBlack},
        {"shpPaddle(0)",
         [](const frmGame& g) -> const Shape& { return g.shpPaddle[0]; },
         {3360, 9000, 1695, 255},
         true,
         ShapeKind::Rectangle,
         FillPattern::Solid,
         0xFF0000},
        {"shpPaddle(1)",
         [](const frmGame& g) -> const Shape& { return g.shpPaddle[1]; },
         {3360, 720, 1695, 255},
         true,
         ShapeKind::Rectangle,
         FillPattern::Solid,
         0xFF0000},
        {"shpBall",
         [](const frmGame& g) -> const Shape& { return g.shpBall; },
         {4320, 8640, 275, 275},
         true,
         ShapeKind::Oval,
         FillPattern::Solid,
         0x0000FF},
        {"shpShield(0)",
         [](const frmGame& g) -> const Shape& { return g.shpShield[0]; },
         {120, 9720, 8775, 135},
         false,
         ShapeKind::Rectangle,
         FillPattern::DownwardDiagonal,
         kBlack},
        {"shpShield(1)",
         [](const frmGame& g) -> const Shape& { return g.shpShield[1]; },
         {120, 240, 8775, 135},
         false,
         ShapeKind::Rectangle,
         FillPattern::DownwardDiagonal,
         kBlack},
        {"Shape1",
         [](const frmGame& g) -> const Shape& { return g.Shape1; },
         {9720, 7560, 2535, 2055},
         true,
         ShapeKind::Rectangle,
         FillPattern::Transparent,
         kBlack},
    };
    for (const ShapeRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Shape& s = row.get(game);
        ExpectBox(s, row.box, row.visible);
        EXPECT_EQ(s.Kind, row.kind);
        EXPECT_EQ(s.FillStyle, row.fill);
        if (row.fill != FillPattern::Transparent) {
            EXPECT_EQ(s.FillColor, row.fillColor);
        }
    }
    EXPECT_TRUE(game.shpField.BackOpaque);
    EXPECT_EQ(game.shpField.BackColor, kButtonFace);
    EXPECT_EQ(game.shpField.BorderColor, kBlack);
}

struct BrickRow {
    std::size_t index;
    Box box;
    Colour colour;
};

TEST_F(LayoutTest, Bricks) {
    constexpr Colour O = 0x0080FF, Y = 0x00FFFF, G = 0x00FF00;
    const BrickRow rows[] = {
        {5, {240, 2880, 1335, 255}, O},   {4, {1680, 2880, 1335, 255}, O},  {3, {3120, 2880, 1335, 255}, O},
        {2, {4560, 2880, 1335, 255}, O},  {1, {6000, 2880, 1335, 255}, O},  {11, {7440, 2880, 1335, 255}, O},
        {0, {240, 6480, 1335, 255}, O},   {10, {1680, 6480, 1335, 255}, O}, {9, {3120, 6480, 1335, 255}, O},
        {8, {4560, 6480, 1335, 255}, O},  {7, {6000, 6480, 1335, 255}, O},  {6, {7440, 6480, 1335, 255}, O},
        {15, {840, 3840, 1335, 255}, Y},  {14, {2280, 3840, 1335, 255}, Y}, {13, {3720, 3840, 1335, 255}, Y},
        {12, {5160, 3840, 1335, 255}, Y}, {23, {6600, 3840, 1335, 255}, Y}, {27, {840, 4320, 1335, 255}, Y},
        {28, {2280, 4320, 1335, 255}, G}, {29, {3720, 4320, 1335, 255}, G}, {30, {5160, 4320, 1335, 255}, G},
        {21, {6600, 4320, 1335, 255}, Y}, {26, {840, 4800, 1335, 255}, Y},  {35, {2280, 4800, 1335, 255}, G},
        {36, {3840, 4680, 1095, 495}, 0}, {33, {5160, 4800, 1335, 255}, G}, {22, {6600, 4800, 1335, 255}, Y},
        {25, {840, 5280, 1335, 255}, Y},  {34, {2280, 5280, 1335, 255}, G}, {31, {3720, 5280, 1335, 255}, G},
        {32, {5160, 5280, 1335, 255}, G}, {20, {6600, 5280, 1335, 255}, Y}, {24, {840, 5760, 1335, 255}, Y},
        {16, {2280, 5760, 1335, 255}, Y}, {17, {3720, 5760, 1335, 255}, Y}, {18, {5160, 5760, 1335, 255}, Y},
        {19, {6600, 5760, 1335, 255}, Y},
    };
    ASSERT_EQ(std::size(rows), game.Brick.size());
    std::set<std::size_t> seen;
    for (const BrickRow& row : rows) {
        SCOPED_TRACE("Brick(" + std::to_string(row.index) + ")");
        seen.insert(row.index);
        const Shape& b = game.Brick[row.index];
        ExpectBox(b, row.box, true);
        EXPECT_EQ(b.FillStyle, FillPattern::Solid);
        EXPECT_EQ(b.FillColor, row.colour);
        EXPECT_EQ(b.Kind, ShapeKind::Rectangle);
    }
    EXPECT_EQ(seen.size(), game.Brick.size());
}

struct ImageRow {
    const char* name;
    const Image& (*get)(const frmGame&);
    Box box;
    bool visible;
    Picture picture;
    bool stretch;
};

TEST_F(LayoutTest, Images) {
    const ImageRow rows[] = {
        {"imgLive",
         [](const frmGame& g) -> const Image& { return g.imgLive; },
         {9840, 7680, 480, 480},
         true,
         Picture::CompactDisc,
         false},
        {"imgBananna",
         [](const frmGame& g) -> const Image& { return g.imgBananna; },
         {9840, 8280, 480, 480},
         true,
         Picture::Banana,
         false},
        {"imgshield",
         [](const frmGame& g) -> const Image& { return g.imgshield; },
         {9840, 8880, 480, 480},
         true,
         Picture::BurningMatch,
         false},
        {"imgFace",
         [](const frmGame& g) -> const Image& { return g.imgFace; },
         {3360, 3960, 480, 480},
         false,
         Picture::Smiley,
         true},
        {"Image1",
         [](const frmGame& g) -> const Image& { return g.Image1; },
         {9840, 7680, 480, 480},
         true,
         Picture::CompactDisc,
         false},
        {"Image3",
         [](const frmGame& g) -> const Image& { return g.Image3; },
         {9840, 8280, 480, 480},
         true,
         Picture::Banana,
         false},
        {"Image2",
         [](const frmGame& g) -> const Image& { return g.Image2; },
         {9840, 8880, 480, 480},
         true,
         Picture::BurningMatch,
         false},
    };
    for (const ImageRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Image& i = row.get(game);
        ExpectBox(i, row.box, row.visible);
        EXPECT_EQ(i.Picture, row.picture);
        EXPECT_EQ(i.Stretch, row.stretch);
    }
}

struct LabelRow {
    const char* name;
    const Label& (*get)(const frmGame&);
    const char* caption;
    Box box;
    bool visible;
    Font font;
    TextAlign align;
    Colour back;
    bool border;
};

TEST_F(LayoutTest, Labels) {
    const Font cal18{"Californian FB", 18, false, false};
    const Font bell12b{"Bell MT", 12, true, false};
    const LabelRow rows[] = {
        {"lblBrick",
         [](const frmGame& g) -> const Label& { return g.lblBrick; },
         "Crumbletons",
         {9000, 1080, 3615, 2175},
         true,
         {"MS Sans Serif", 39, false, true},
         TextAlign::Centre,
         kButtonFace,
         false},
        {"lblLivesF",
         [](const frmGame& g) -> const Label& { return g.lblLivesF; },
         "Lives:",
         {9360, 3960, 1095, 495},
         true,
         cal18,
         TextAlign::Left,
         kButtonFace,
         false},
        {"lblLives",
         [](const frmGame& g) -> const Label& { return g.lblLives; },
         "3",
         {10920, 3960, 1335, 495},
         true,
         cal18,
         TextAlign::Left,
         0xFFFFFF,
         true},
        {"lblPointsF",
         [](const frmGame& g) -> const Label& { return g.lblPointsF; },
         "Points:",
         {9360, 4800, 1095, 495},
         true,
         cal18,
         TextAlign::Left,
         kButtonFace,
         false},
        {"lblPoints",
         [](const frmGame& g) -> const Label& { return g.lblPoints; },
         "0",
         {10920, 4800, 1335, 495},
         true,
         cal18,
         TextAlign::Left,
         0xFFFFFF,
         true},
        {"lblTimer",
         [](const frmGame& g) -> const Label& { return g.lblTimer; },
         "Power Up Time:",
         {9720, 5640, 2415, 495},
         false,
         cal18,
         TextAlign::Left,
         kButtonFace,
         false},
        {"lblTime",
         [](const frmGame& g) -> const Label& { return g.lblTime; },
         "",
         {10320, 6480, 1335, 495},
         false,
         cal18,
         TextAlign::Centre,
         kActiveTitleBarText,
         true},
        {"lblMessage",
         [](const frmGame& g) -> const Label& { return g.lblMessage; },
         "Press SPACE To Start",
         {2880, 7560, 3255, 495},
         true,
         {"Californian FB", 18, true, false},
         TextAlign::Left,
         kButtonFace,
         false},
        {"lblPowerUps",
         [](const frmGame& g) -> const Label& { return g.lblPowerUps; },
         "Power Ups",
         {10200, 7080, 1575, 375},
         true,
         {"MS Sans Serif", 12, true, false},
         TextAlign::Centre,
         kButtonFace,
         false},
        {"lblLife",
         [](const frmGame& g) -> const Label& { return g.lblLife; },
         " Extra Life",
         {10560, 7800, 1215, 375},
         true,
         bell12b,
         TextAlign::Left,
         kButtonFace,
         false},
        {"Label1",
         [](const frmGame& g) -> const Label& { return g.Label1; },
         "Large Paddle",
         {10560, 8400, 1455, 375},
         true,
         bell12b,
         TextAlign::Centre,
         kButtonFace,
         false},
        {"Label2",
         [](const frmGame& g) -> const Label& { return g.Label2; },
         "Shield",
         {10680, 9120, 975, 255},
         true,
         bell12b,
         TextAlign::Centre,
         kButtonFace,
         false},
    };
    for (const LabelRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Label& l = row.get(game);
        EXPECT_EQ(l.Caption, row.caption);
        ExpectBox(l, row.box, row.visible);
        EXPECT_EQ(l.Font, row.font);
        EXPECT_EQ(l.Alignment, row.align);
        EXPECT_EQ(l.BackColor, row.back);
        EXPECT_EQ(l.Border, row.border);
    }
    EXPECT_EQ(game.lblTime.ForeColor, kBlack);
}

TEST_F(LayoutTest, StackingOrderPutsBallUnderPaddlesAndBarsOverTheField) {
    const auto order = game.StackingOrder();
    const auto position = [&](ControlRef ref) {
        return std::find(order.begin(), order.end(), ref) - order.begin();
    };
    EXPECT_EQ(position(&game.shpField), 0);
    EXPECT_EQ(position(&game.shpBall), 1);
    EXPECT_EQ(position(&game.shpPaddle[0]), 2);
    EXPECT_EQ(position(&game.shpPaddle[1]), 12);
    // Brick 4 is drawn between 10 and 11.
    EXPECT_EQ(position(&game.Brick[4]), position(&game.Brick[10]) + 1);
    EXPECT_EQ(position(&game.Brick[11]), position(&game.Brick[4]) + 1);
    EXPECT_LT(position(&game.Brick[36]), position(&game.imgLive));
    EXPECT_LT(position(&game.imgshield), position(&game.shpShield[0]));
    EXPECT_LT(position(&game.imgLive), position(&game.Image1));
    EXPECT_EQ(position(&game.Label2), static_cast<long>(order.size()) - 1);
    // Every control appears exactly once.
    std::set<ControlRef> unique(order.begin(), order.end());
    EXPECT_EQ(unique.size(), order.size());
}

}  // namespace
}  // namespace crumbleton
