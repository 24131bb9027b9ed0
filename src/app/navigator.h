#pragma once
// The program's screens and the ways between them. It is the toolkit the screens
// and the game's rules talk to: message boxes, showing and hiding screens,
// ending, chance, and the colour options.

#include <QPointer>
#include <QScreen>
#include <memory>
#include <random>

#include "colour_window.h"
#include "game_window.h"
#include "instructions_window.h"
#include "key_gate.h"
#include "start_window.h"
#include "toolkit.h"

namespace crumbleton {

class Navigator : public Toolkit {
public:
    Navigator();
    ~Navigator() override;

    void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    void Show(Screen screen) override;
    void Hide(Screen screen) override;
    void Quit() override;
    void Reseed() override;
    float RandomFraction() override;
    bool OptionValue(ColourOption option) override;

    // Each screen, or null until it is first needed.
    StartWindow* startWindow() const { return start_.get(); }
    InstructionsWindow* instructionsWindow() const { return instructions_.get(); }
    ColourWindow* colourWindow() const { return colours_.get(); }
    GameWindow* gameWindow() const { return game_.get(); }
    // Quit has run: the screens are hidden for good.
    bool ended() const { return ended_; }

private:
    QWidget* window(Screen screen, bool create);
    // The screen (monitor) of the window that `shown` replaces, or null.
    QScreen* replacedScreen(const QWidget* shown) const;

    // Before the screens: a screen's own key filter must not hide keys from it.
    KeyGate keyGate_;
    // Created when first needed, hidden but never destroyed while the program runs.
    std::unique_ptr<StartWindow> start_;
    std::unique_ptr<InstructionsWindow> instructions_;
    std::unique_ptr<ColourWindow> colours_;
    std::unique_ptr<GameWindow> game_;
    QPointer<QScreen> lastHidden_;  // where the last screen left was
    std::mt19937 random_;
    bool ended_ = false;
};

}  // namespace crumbleton
