#pragma once
// The start menu: the way into the game, the instructions and the colour options,
// and the way out of the program.

#include <QWidget>

#include "controls.h"
#include "toolkit.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace crumbleton {

class FormLayout;

class StartWindow : public QWidget {
public:
    explicit StartWindow(Toolkit& toolkit, QWidget* parent = nullptr);

    void Command1_Click();
    void cmdInstructions_Click();
    void cmdOptions_Click();
    void cmdColours_Click();
    void cmdEnd_Click();

protected:
    // "Start Game!" has the focus whenever the menu is shown.
    void showEvent(QShowEvent* event) override;
    // The frame's close control ends the program as "End Game" does.
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRectF& twips,
                            const Font& font, void (StartWindow::*handler)());

    Toolkit& toolkit_;
    FormLayout* layout_ = nullptr;
    QLabel* lblBrick = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* cmdInstructions = nullptr;
    QPushButton* cmdOptions = nullptr;
    QPushButton* cmdEnd = nullptr;
    QGroupBox* frmOptions = nullptr;
    QPushButton* cmdColours = nullptr;
};

}  // namespace crumbleton
