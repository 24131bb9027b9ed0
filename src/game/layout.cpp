// The game screen as it is created: the state of a fresh game.

#include <cstddef>

#include "frm_game.h"
#include "layout.h"

namespace crumbleton {

namespace {

constexpr float kBrickWidth = 1335, kBrickHeight = 255;

struct BrickCell {
    std::size_t index;
    float left, top;
};

// The orange rows above and below the block, and the 5 x 5 block between them
// (yellow ring, green ring, the black brick in the middle).
constexpr std::array kBrickCells{
    BrickCell{5, 240, 2880},   BrickCell{4, 1680, 2880},  BrickCell{3, 3120, 2880},
    BrickCell{2, 4560, 2880},  BrickCell{1, 6000, 2880},  BrickCell{11, 7440, 2880},
    BrickCell{0, 240, 6480},   BrickCell{10, 1680, 6480}, BrickCell{9, 3120, 6480},
    BrickCell{8, 4560, 6480},  BrickCell{7, 6000, 6480},  BrickCell{6, 7440, 6480},
    BrickCell{15, 840, 3840},  BrickCell{14, 2280, 3840}, BrickCell{13, 3720, 3840},
    BrickCell{12, 5160, 3840}, BrickCell{23, 6600, 3840}, BrickCell{27, 840, 4320},
    BrickCell{28, 2280, 4320}, BrickCell{29, 3720, 4320}, BrickCell{30, 5160, 4320},
    BrickCell{21, 6600, 4320}, BrickCell{26, 840, 4800},  BrickCell{35, 2280, 4800},
    BrickCell{33, 5160, 4800}, BrickCell{22, 6600, 4800}, BrickCell{25, 840, 5280},
    BrickCell{34, 2280, 5280}, BrickCell{31, 3720, 5280}, BrickCell{32, 5160, 5280},
    BrickCell{20, 6600, 5280}, BrickCell{24, 840, 5760},  BrickCell{16, 2280, 5760},
    BrickCell{17, 3720, 5760}, BrickCell{18, 5160, 5760}, BrickCell{19, 6600, 5760},
};

// Every brick but the black one has exactly one cell.
constexpr bool EachGridBrickOnce() {
    std::array<int, kBlackBrick> seen{};
    for (const BrickCell& cell : kBrickCells)
        if (cell.index >= seen.size() || seen[cell.index]++ != 0) return false;
    return kBrickCells.size() == seen.size();
}
static_assert(EachGridBrickOnce());

Shape SolidRect(float left, float top, float width, float height, Colour fill) {
    Shape s;
    s.Left = left, s.Top = top, s.Width = width, s.Height = height;
    s.FillStyle = FillPattern::Solid;
    s.FillColor = fill;
    return s;
}

Label MakeLabel(std::string caption, float left, float top, float width, float height, Font font,
                TextAlign align = TextAlign::Left) {
    Label l;
    l.Caption = std::move(caption);
    l.Left = left, l.Top = top, l.Width = width, l.Height = height;
    l.Font = std::move(font);
    l.Alignment = align;
    return l;
}

Image MakeImage(float left, float top, Picture picture) {
    Image i;
    i.Left = left, i.Top = top;
    i.Picture = picture;
    return i;
}

const Font kCalifornian18{"Californian FB", 18, false, false};
const Font kBell12Bold{"Bell MT", 12, true, false};

}  // namespace

frmGame::frmGame(Toolkit& toolkit) : toolkit_(toolkit) {
    Caption = "Crumbleton";
    ClientWidth = 12885, ClientHeight = 10185;
    WindowLeft = 3765, WindowTop = 2940;
    BackColor = 0xFF8080;

    shpField.Left = 120, shpField.Top = 120, shpField.Width = 8775, shpField.Height = 9855;
    shpField.BackOpaque = true;
    shpField.BackColor = kButtonFace;
    shpField.BorderColor = kBlack;

    shpPaddle[0] = SolidRect(3360, 9000, kPaddleWidth, 255, kBlue);
    shpPaddle[1] = SolidRect(3360, 720, kPaddleWidth, 255, kBlue);

    shpBall = SolidRect(4320, 8640, 275, 275, kRed);
    shpBall.Kind = ShapeKind::Oval;

    for (std::size_t i = 0; i < shpShield.size(); ++i) {
        Shape& bar = shpShield[i];
        bar.Left = 120, bar.Top = i == 0 ? 9720 : 240, bar.Width = 8775, bar.Height = 135;
        bar.FillStyle = FillPattern::DownwardDiagonal;
        bar.FillColor = kBlack;
        bar.Visible = false;
    }

    static_assert(std::tuple_size_v<decltype(Brick)> == kBlackBrick + 1);
    for (const BrickCell& cell : kBrickCells)
        Brick[cell.index] =
            SolidRect(cell.left, cell.top, kBrickWidth, kBrickHeight, FreshBrickColour(cell.index));
    // The black brick does not follow the grid: centred on the middle cell.
    Brick[kBlackBrick] = SolidRect(3840, 4680, 1095, 495, FreshBrickColour(kBlackBrick));

    imgLive = MakeImage(kPowerUpHomeLeft, kLifeHomeTop, Picture::CompactDisc);
    imgBananna = MakeImage(kPowerUpHomeLeft, kBananaHomeTop, Picture::Banana);
    imgshield = MakeImage(kPowerUpHomeLeft, kShieldHomeTop, Picture::BurningMatch);
    imgFace = MakeImage(3360, 3960, Picture::Smiley);
    imgFace.Stretch = true;
    imgFace.Visible = false;

    Shape1.Left = 9720, Shape1.Top = 7560, Shape1.Width = 2535, Shape1.Height = 2055;
    lblPowerUps =
        MakeLabel("Power Ups", 10200, 7080, 1575, 375, {"MS Sans Serif", 12, true, false}, TextAlign::Centre);
    Image1 = MakeImage(kPowerUpHomeLeft, kLifeHomeTop, Picture::CompactDisc);
    lblLife = MakeLabel(" Extra Life", 10560, 7800, 1215, 375, kBell12Bold);
    Image3 = MakeImage(kPowerUpHomeLeft, kBananaHomeTop, Picture::Banana);
    Label1 = MakeLabel("Large Paddle", 10560, 8400, 1455, 375, kBell12Bold, TextAlign::Centre);
    Image2 = MakeImage(kPowerUpHomeLeft, kShieldHomeTop, Picture::BurningMatch);
    Label2 = MakeLabel("Shield", 10680, 9120, 975, 255, kBell12Bold, TextAlign::Centre);

    lblBrick = MakeLabel("Crumbletons", 9000, 1080, 3615, 2175, {"MS Sans Serif", 39, false, true},
                         TextAlign::Centre);
    lblLivesF = MakeLabel("Lives:", 9360, 3960, 1095, 495, kCalifornian18);
    lblLives = MakeLabel("3", 10920, 3960, 1335, 495, kCalifornian18);
    lblLives.BackColor = kWhite;
    lblLives.Border = true;
    lblPointsF = MakeLabel("Points:", 9360, 4800, 1095, 495, kCalifornian18);
    lblPoints = MakeLabel("0", 10920, 4800, 1335, 495, kCalifornian18);
    lblPoints.BackColor = kWhite;
    lblPoints.Border = true;
    lblTimer = MakeLabel("Power Up Time:", 9720, 5640, 2415, 495, kCalifornian18);
    lblTimer.Visible = false;
    lblTime = MakeLabel("", 10320, 6480, 1335, 495, kCalifornian18, TextAlign::Centre);
    lblTime.Border = true;
    lblTime.BackColor = kActiveTitleBarText;
    lblTime.ForeColor = kBlack;
    lblTime.Visible = false;
    lblMessage =
        MakeLabel("Press SPACE To Start", 2880, 7560, 3255, 495, {"Californian FB", 18, true, false});

    Timer1.Interval = 1;
    Timer1.Enabled = true;
    mnuFile.Caption = "&File";
    mnuFileReset.Caption = "&Reset";
    mnuFileMenu.Caption = "&Menu";
    mnuFileExit.Caption = "E&xit";
}

std::array<ControlRef, 63> frmGame::StackingOrder() const {
    const auto& b = Brick;
    // Sized by its entries, so a control left out fails to build rather than
    // leaving an empty place in the order.
    return std::to_array<ControlRef>(
        {&shpField, &shpBall,    &shpPaddle[0], &lblLivesF,   &lblPointsF,   &lblLives,     &lblPoints,
         &lblBrick, &lblMessage, &lblTimer,     &lblTime,     &imgFace,      &shpPaddle[1], &b[0],
         &b[1],     &b[2],       &b[3],         &b[5],        &b[6],         &b[7],         &b[8],
         &b[9],     &b[10],      &b[4],         &b[11],       &b[12],        &b[13],        &b[14],
         &b[15],    &b[16],      &b[17],        &b[18],       &b[19],        &b[20],        &b[21],
         &b[22],    &b[23],      &b[24],        &b[25],       &b[26],        &b[27],        &b[28],
         &b[29],    &b[30],      &b[31],        &b[32],       &b[33],        &b[34],        &b[35],
         &b[36],    &imgLive,    &imgBananna,   &imgshield,   &shpShield[0], &shpShield[1], &Image2,
         &Image3,   &Image1,     &Shape1,       &lblPowerUps, &lblLife,      &Label1,       &Label2});
}

}  // namespace crumbleton
