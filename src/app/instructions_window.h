#pragma once
// The instructions screen: how to play, in words and pictures, with a legend of
// the power-ups.

#include <QWidget>

#include "toolkit.h"

class QPushButton;

namespace crumbleton {

class InstructionsWindow : public QWidget {
public:
    explicit InstructionsWindow(Toolkit& toolkit, QWidget* parent = nullptr);

    void cmdBack_Click();

protected:
    // The frame's close control leaves the screen as "Back" does.
    void closeEvent(QCloseEvent* event) override;

private:
    Toolkit& toolkit_;
    QPushButton* cmdBack = nullptr;
};

}  // namespace crumbleton
