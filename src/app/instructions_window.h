#pragma once
// The instructions screen: how to play, in words and pictures, with a legend of
// the power-ups.

#include "side_screen.h"
#include "toolkit.h"

namespace crumbleton {

class InstructionsWindow : public SideScreen {
public:
    explicit InstructionsWindow(Toolkit& toolkit, QWidget* parent = nullptr);
};

}  // namespace crumbleton
