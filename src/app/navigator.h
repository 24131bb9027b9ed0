#pragma once
// The program's screens and the ways between them. It is the toolkit the game's
// rules talk to: message boxes, showing and hiding screens, ending, chance.

#include <QPointer>
#include <random>

#include "game_window.h"
#include "toolkit.h"

namespace crumbleton {

class Navigator : public Toolkit {
public:
    Navigator();
    ~Navigator() override;

    void MsgBox(std::string_view text, std::string_view title, MsgBoxIcon icon) override;
    void Show(Screen screen) override;
    void Hide(Screen screen) override;
    void End() override;
    void Randomize() override;
    float Rnd() override;
    bool OptionValue(ColourOption option) override;

    // The game screen, or null before the first "Start Game!".
    GameWindow* gameWindow() const { return game_; }

private:
    QWidget* window(Screen screen, bool create);

    QPointer<GameWindow> game_;
    std::mt19937 random_;
    bool ended_ = false;
};

}  // namespace crumbleton
