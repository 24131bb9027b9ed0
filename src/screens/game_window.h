#pragma once
// The game screen's window: shows the model, drives its frame tick, forwards the
// keyboard and the "File" menu to the game's handlers, and runs its own commands
// (the "View" menu and their keys).

#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "frm_game.h"
#include "window_commands.h"

class QAction;
class QKeyEvent;
class QScreen;

namespace crumbleton {

class FieldAccessibility;
class GameView;

// The period the toolkit really delivers for the model's 1 ms timer: about 60
// ticks a second, the pace the game's per-tick steps were made for.
inline constexpr std::chrono::milliseconds kTickPeriod{16};

class GameWindow : public QMainWindow {
public:
    // Creates the game screen and runs its load step; the timer runs from here on,
    // whether the window is shown or hidden.
    explicit GameWindow(Toolkit& toolkit, QWidget* parent = nullptr);
    ~GameWindow() override;

    frmGame& game() { return game_; }
    GameView* view() const { return view_; }
    // Stops the frame tick for good: the program is ending.
    void stopTicking();
    // Paints the scene now, not once the event loop turns: a tick that opens a
    // modal message box has not finished, and behind the box the screen must show
    // what led to it (the last life gone).
    void paintNow();

    // A paused game runs no tick and takes no arrow or space until resumed (P,
    // Pause or space). The pause is the window's, not the game's: the rules never
    // see it, and leaving the screen ends it. An open menu of the window also
    // holds the ticks, apart from the pause: it shows no "Paused", and opening or
    // closing it neither starts nor ends a pause.
    bool paused() const { return paused_; }
    void setPaused(bool paused);
    // Marks on every brick telling the strikes it still takes; off until switched on,
    // and on until switched off or the program ends.
    bool brickMarks() const;
    void setBrickMarks(bool on);

    // Runs a command of the window, as its key or its menu entry does.
    void run(WindowCommand command);
    bool isOn(WindowCommand command) const;
    // What a screen reader is told of the field; see FieldAccessibility.
    FieldAccessibility& accessibility() const { return *accessibility_; }
    // Called after every tick of the timer; for measuring programs.
    void setTickObserver(std::function<void()> observer) { tickObserver_ = std::move(observer); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The frame's close control leaves the game as the menu's "Menu" does.
    void closeEvent(QCloseEvent* event) override;

private:
    // The laid-out size and place, or as near as the screen allows.
    void placeOnScreen();
    // The client area (menu bar included) at `wanted`, or as near as `screen` allows.
    void fitTo(QScreen* screen, const QRect& wanted);
    // Runs the window command whose key `key` is: true if it was one.
    bool commandKey(const QKeyEvent& key);
    // The menu's checks and what a screen reader is told, after anything may have changed.
    void showState();
    // The field and its state as the game now stands, after a tick, a key or a menu command.
    void showGame();
    void tick();
    // A menu of the window's menu bar, or a submenu of one, is open.
    bool menuOpen() const;
    void releaseHeldArrows();
    bool ballInFlight() const { return game_.BallSpeedX != 0 || game_.BallSpeedY != 0; }

    frmGame game_;
    GameView* view_ = nullptr;
    QTimer timer_;
    QTimer settled_;       // fires once the window has kept its size for a moment
    bool ticking_ = true;  // false once the program ends
    bool paused_ = false;
    std::set<int> heldArrows_;  // game key codes of arrows down now
    std::function<void()> tickObserver_;
    QSize fitted_, unshrunk_;  // the size fitTo last gave the window, and the size it was asked for
    std::vector<std::pair<WindowCommand, QAction*>> commandActions_;
    std::unique_ptr<FieldAccessibility> accessibility_;
};

}  // namespace crumbleton
