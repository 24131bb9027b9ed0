#pragma once
// The colour options screen: three groups of option buttons for the ball, the
// paddles and the background. The option buttons are the setting itself; the
// game reads them at every tick.

#include <QWidget>
#include <array>

#include "toolkit.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace crumbleton {

class ColourWindow : public QWidget {
public:
    // Created hidden, with no option selected in any group.
    explicit ColourWindow(Toolkit& toolkit, QWidget* parent = nullptr);

    bool isSelected(ColourOption option) const;
    QRadioButton* option(ColourOption option) const;
    QPushButton* backButton() const { return cmdBack; }

    void cmdBack_Click();

protected:
    // The frame's close control leaves the screen as "Back" does.
    void closeEvent(QCloseEvent* event) override;

private:
    Toolkit& toolkit_;
    QGroupBox* fraColours = nullptr;
    std::array<QRadioButton*, kColourOptionCount> options_{};  // by ColourOption
    QPushButton* cmdBack = nullptr;
};

}  // namespace crumbleton
