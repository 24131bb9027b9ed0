#pragma once
// Every window of the game at once, for tests that walk them all.

#include <QWidget>
#include <vector>

#include "navigator.h"

namespace crumbleton::testing {

// Every window shown, built in the language installed, with the options frame
// revealed and the game held still.
struct AllWindows {
    AllWindows() {
        for (Screen screen : {Screen::Start, Screen::Instructions, Screen::Colours, Screen::Game})
            navigator.Show(screen);
        navigator.gameWindow()->stopTicking();
        navigator.startWindow()->cmdOptions_Click();
    }
    std::vector<QWidget*> windows() const {
        return {navigator.startWindow(), navigator.instructionsWindow(), navigator.colourWindow(),
                navigator.gameWindow()};
    }
    Navigator navigator;
};

}  // namespace crumbleton::testing
