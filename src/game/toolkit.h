#pragma once
// What the game's rules need from the windowing toolkit. The Qt layer implements
// it; tests pass fakes that record what was asked and choose what comes back.

#include <cstddef>
#include <string_view>

namespace crumbleton {

enum class Screen { Start, Instructions, Colours, Game };

enum class MessageIcon { None, Critical };

// The option buttons of the colour options screen, by their control names.
enum class ColourOption {
    optPink,
    optLightBlue,
    optBlue,
    optRed,
    optGreen,
    optPurple,
    optPaddlePink,
    optPaddleLightBlue,
    optPaddleBlue,
    optPAddleRed,
    optPaddleGreen,
    optPaddlePurple,
    optBackPink,
    optBackGreen,
    optBackLightBlue,
    optBackOrange,
    optBackPurple,
    optBackGrey,
};

// The number of option buttons: optBackGrey is the last.
inline constexpr std::size_t kColourOptionCount = static_cast<std::size_t>(ColourOption::optBackGrey) + 1;

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Modal: returns when the player has closed the box (a single OK button).
    virtual void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) = 0;
    // Show creates the screen first if it does not exist yet; neither ever destroys one.
    virtual void Show(Screen screen) = 0;
    virtual void Hide(Screen screen) = 0;
    // Ends the program at once: no question, and no further event of any screen.
    virtual void Quit() = 0;
    // Re-seeds the random source from the clock.
    virtual void Reseed() = 0;
    // A uniform fraction, 0 <= r < 1.
    virtual float RandomFraction() = 0;
    // Whether an option of the colour options screen is selected; reading it
    // creates that screen, hidden, if it does not exist yet.
    virtual bool OptionValue(ColourOption option) = 0;
};

}  // namespace crumbleton
