#pragma once
// The game screen: its controls (the game's state, where the player sees it), the
// seven game variables, its event handlers and the procedures of the frame tick.
// Every procedure takes no arguments and returns nothing; they talk only through
// the controls and the variables, and each reads a property when it needs it.

#include <array>
#include <cstdint>
#include <string>
#include <variant>

#include "controls.h"
#include "toolkit.h"

namespace crumbleton {

// Key codes as the game screen's key events deliver them. The rules play with
// space and the left and right arrows; the other keys reach them and do nothing.
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

// A control in the screen's stacking order, for drawing.
using ControlRef = std::variant<const Shape*, const Label*, const Image*>;

class frmGame {
public:
    // Creates the screen with every control as laid out; Form_Load is the
    // toolkit's to call once the screen is loaded.
    explicit frmGame(Toolkit& toolkit);

    frmGame(const frmGame&) = delete;
    frmGame& operator=(const frmGame&) = delete;

    // Events
    void Form_Load();
    void Timer1_Timer();
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_KeyUp(int KeyCode, int Shift);
    void mnuFileReset_Click();
    void mnuFileMenu_Click();
    void mnuFileExit_Click();

    // Procedures of the frame tick, in tick order, and the ones they call
    void ApplyColours();
    void CheckWin();
    void GrowFace();
    void MoveObjects();
    void CheckBallLost();
    void PaddleBounce();
    void CheckBricks();
    void CheckBananaPickup();
    void CheckLifePickup();
    void CheckShieldPickup();
    void ShieldBounce();
    void ResetGame();
    void PlacePowerUp();
    // second + floor((first - second + 1) * r) for a fresh fraction r
    std::int16_t RandomInRange(std::int16_t first, std::int16_t second);

    // Every control drawn, back to front.
    std::array<ControlRef, 63> StackingOrder() const;

    // The screen
    std::string Caption;
    float ClientWidth = 0, ClientHeight = 0;  // twips
    float WindowLeft = 0, WindowTop = 0;      // client area's corner on the desktop, twips
    Colour BackColor = kButtonFace;

    // The playing field and what moves in it
    Shape shpField;
    Shape shpBall;
    std::array<Shape, 2> shpPaddle;  // 0 bottom, 1 top
    std::array<Shape, 37> Brick;
    std::array<Shape, 2> shpShield;  // 0 bottom, 1 top

    // Power-ups and the win face
    Image imgLive, imgBananna, imgshield, imgFace;

    // The information panel
    Label lblBrick, lblLivesF, lblLives, lblPointsF, lblPoints, lblTimer, lblTime, lblMessage;

    // The legend
    Shape Shape1;
    Label lblPowerUps, lblLife, Label1, Label2;
    Image Image1, Image2, Image3;

    Timer Timer1;
    MenuItem mnuFile, mnuFileReset, mnuFileMenu, mnuFileExit;

    // The game variables; all 0 at creation.
    std::int16_t BallSpeedX = 0;
    std::int16_t BallSpeedY = 0;
    std::int16_t PaddleSpeed = 0;
    std::int16_t BananaFalling = 0;
    std::int16_t ShieldFalling = 0;
    std::int16_t LifeFalling = 0;
    std::int16_t PowerUpRoll = 0;

private:
    void CheckGameLost();
    // The points read 6900: the win sequence is under way.
    bool Winning() const;
    // Stops the ball where a lost ball waits for its serve, above the bottom
    // paddle, and shows the start message.
    void ParkBall();
    // A fresh game waiting for its serve, then the start menu: every way out of
    // the game screen but Exit.
    void LeaveGame();

    Toolkit& toolkit_;
    // A tick that opened a message box is still running; nested ticks do nothing.
    bool tickRunning_ = false;
};

}  // namespace crumbleton
