#include "start_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "desktop.h"
#include "form_layout.h"

namespace crumbleton {

StartWindow::StartWindow(Toolkit& toolkit, QWidget* parent) : QWidget(parent), toolkit_(toolkit) {
    setObjectName("frmStart");
    //: The start menu's window title: the game's name.
    setWindowTitle(QCoreApplication::translate("StartWindow", "Crumbletons!"));
    //: What a screen reader calls the start menu's window (the title stays the game's name).
    setAccessibleName(QCoreApplication::translate("StartWindow", "Crumbleton Start Menu"));
    UseButtonFaceBackground(this);
    layout_ = new FormLayout(this, QRectF(4950, 4170, 7950, 5880), true);

    //: The start menu's big title, 281 x 57 px at 33 pt: the game's name.
    const QString title = QCoreApplication::translate("StartWindow", "Crumbletons");
    //: Button, 169 x 41 px, 13.5 pt bold: opens the game.
    const QString start = QCoreApplication::translate("StartWindow", "Start Game!");
    //: Button, 153 x 33 px, 12 pt bold: opens the instructions.
    const QString instructions = QCoreApplication::translate("StartWindow", "Instructions");
    //: Button, 137 x 33 px, 12 pt bold, and the title of the frame it reveals
    //: (129 px wide, 12 pt bold underlined) around the "Colours" button.
    const QString options = QCoreApplication::translate("StartWindow", "Options");
    //: Button, 105 x 25 px, 9.75 pt bold: ends the program.
    const QString end = QCoreApplication::translate("StartWindow", "End Game");
    //: Button in the options frame, 105 x 33 px, 12 pt bold: opens the colour options.
    const QString colours = QCoreApplication::translate("StartWindow", "Colours");

    lblBrick = MakeLabel(*layout_, this, "lblBrick", title, {2160, 1200, 4215, 855},
                         Font{"MS Sans Serif", 33, false, true});
    Command1 = MakeButton(this, "Command1", start, {2880, 2640, 2535, 615},
                          Font{"MS Sans Serif", 13.5f, true, false}, &StartWindow::Command1_Click);
    cmdInstructions = MakeButton(this, "cmdInstructions", instructions, {3000, 3360, 2295, 495},
                                 Font{"MS Sans Serif", 12, true, false}, &StartWindow::cmdInstructions_Click);
    cmdOptions = MakeButton(this, "cmdOptions", options, {3120, 3960, 2055, 495},
                            Font{"MS Sans Serif", 12, true, false}, &StartWindow::cmdOptions_Click);
    cmdEnd = MakeButton(this, "cmdEnd", end, {3360, 4560, 1575, 375},
                        Font{"MS Sans Serif", 9.75f, true, false}, &StartWindow::cmdEnd_Click);

    frmOptions = layout_->add(new QGroupBox(options, this), "frmOptions", {120, 2520, 1935, 2055},
                              Font{"MS Sans Serif", 12, true, true});
    frmOptions->hide();
    cmdColours = MakeButton(frmOptions, "cmdColours", colours, {120, 720, 1575, 495},
                            Font{"Garamond", 12, true, false}, &StartWindow::cmdColours_Click);
    layout_->fit();

    setTabOrder(Command1, cmdEnd);
    setTabOrder(cmdEnd, cmdOptions);
    setTabOrder(cmdOptions, cmdColours);
    setTabOrder(cmdColours, cmdInstructions);
}

QPushButton* StartWindow::MakeButton(QWidget* parent, const char* name, const QString& caption,
                                     const QRectF& twips, const Font& font, void (StartWindow::*handler)()) {
    auto* button = layout_->add(new QPushButton(caption, parent), name, twips, font);
    // Enter presses the button that has the focus, as on the desktop the menu was made for.
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void StartWindow::Command1_Click() {
    toolkit_.Hide(Screen::Start);
    toolkit_.Show(Screen::Game);
}

void StartWindow::cmdInstructions_Click() {
    toolkit_.Hide(Screen::Start);
    toolkit_.Show(Screen::Instructions);
}

void StartWindow::cmdOptions_Click() { frmOptions->setVisible(true); }

void StartWindow::cmdColours_Click() {
    toolkit_.Hide(Screen::Start);
    toolkit_.Show(Screen::Colours);
}

void StartWindow::cmdEnd_Click() { toolkit_.Quit(); }

void StartWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Command1->setFocus();
}

void StartWindow::closeEvent(QCloseEvent* event) {
    cmdEnd_Click();
    event->ignore();
}

}  // namespace crumbleton
