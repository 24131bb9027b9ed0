#pragma once
// The control records of the game screen. The game keeps its state in these
// properties, so they are plain data: a property reads back what was last written.

#include <cstdint>
#include <string>

namespace crumbleton {

// 0x00BBGGRR, blue in the highest byte. Values with the top bit set name a desktop
// colour that only the toolkit can resolve; they stay those exact values here.
using Colour = std::uint32_t;

inline constexpr Colour kButtonFace = 0x8000000F;
inline constexpr Colour kActiveTitleBarText = 0x80000009;
inline constexpr Colour kWindowText = 0x80000008;
inline constexpr Colour kButtonText = 0x80000012;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kOrange = 0x0080FF;

constexpr bool IsDesktopColour(Colour c) { return (c & 0x80000000u) != 0; }

struct Font {
    std::string Name = "MS Sans Serif";
    float Size = 8.25f;  // points
    bool Bold = false;
    bool Underline = false;
    bool operator==(const Font&) const = default;
};

enum class ShapeKind { Rectangle, Oval };
enum class FillPattern { Transparent, Solid, DownwardDiagonal };

// Positions and sizes are twips (1/1440 inch) from the top-left corner of the
// screen's client area, y downwards.
struct Shape {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
    ShapeKind Kind = ShapeKind::Rectangle;
    FillPattern FillStyle = FillPattern::Transparent;
    Colour FillColor = kBlack;
    bool BackOpaque = false;
    Colour BackColor = kButtonFace;
    Colour BorderColor = kWindowText;
    bool operator==(const Shape&) const = default;
};

enum class TextAlign { Left, Centre };

struct Label {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Caption;
    bool Visible = true;
    Colour BackColor = kButtonFace;
    Colour ForeColor = kButtonText;
    TextAlign Alignment = TextAlign::Left;
    bool Border = false;  // single-line border
    crumbleton::Font Font;
    bool operator==(const Label&) const = default;
};

enum class Picture { None, CompactDisc, Banana, BurningMatch, Smiley };

// A picture's natural size, a 32 x 32 pixel icon, in twips.
inline constexpr float kIconTwips = 480;

struct Image {
    float Left = 0, Top = 0, Width = kIconTwips, Height = kIconTwips;
    bool Visible = true;
    crumbleton::Picture Picture = crumbleton::Picture::None;
    bool Stretch = false;  // false: the picture at its natural 32 x 32 px
    bool operator==(const Image&) const = default;
};

struct Timer {
    int Interval = 0;  // milliseconds asked of the toolkit
    bool Enabled = false;
};

struct MenuItem {
    std::string Caption;  // "&" marks the access key
};

}  // namespace crumbleton
