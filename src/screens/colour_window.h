#pragma once
// The colour options screen: three groups of option buttons for the ball, the
// paddles and the background. The option buttons are the setting itself; the
// game reads them at every tick.

#include <array>

#include "side_screen.h"
#include "toolkit.h"

class QGroupBox;
class QRadioButton;

namespace crumbleton {

class ColourWindow : public SideScreen {
public:
    // Created hidden, with no option selected in any group.
    explicit ColourWindow(Toolkit& toolkit, QWidget* parent = nullptr);

    bool isSelected(ColourOption option) const;
    QRadioButton* option(ColourOption option) const;

private:
    QGroupBox* fraColours = nullptr;
    std::array<QRadioButton*, kColourOptionCount> options_{};  // by ColourOption
};

}  // namespace crumbleton
