#include "start_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "desktop.h"
#include "form_layout.h"

namespace crumbleton {

StartWindow::StartWindow(Toolkit& toolkit, QWidget* parent) : QWidget(parent), toolkit_(toolkit) {
    setObjectName("frmStart");
    setWindowTitle("Crumbletons!");
    UseButtonFaceBackground(this);
    layout_ = new FormLayout(this, QRectF(4950, 4170, 7950, 5880), true);

    lblBrick = MakeLabel(*layout_, this, "lblBrick", "Crumbletons", {2160, 1200, 4215, 855},
                         Font{"MS Sans Serif", 33, false, true});
    Command1 = MakeButton(this, "Command1", "Start Game!", {2880, 2640, 2535, 615},
                          Font{"MS Sans Serif", 13.5f, true, false}, &StartWindow::Command1_Click);
    cmdInstructions = MakeButton(this, "cmdInstructions", "Instructions", {3000, 3360, 2295, 495},
                                 Font{"MS Sans Serif", 12, true, false}, &StartWindow::cmdInstructions_Click);
    cmdOptions = MakeButton(this, "cmdOptions", "Options", {3120, 3960, 2055, 495},
                            Font{"MS Sans Serif", 12, true, false}, &StartWindow::cmdOptions_Click);
    cmdEnd = MakeButton(this, "cmdEnd", "End Game", {3360, 4560, 1575, 375},
                        Font{"MS Sans Serif", 9.75f, true, false}, &StartWindow::cmdEnd_Click);

    frmOptions = layout_->add(new QGroupBox("Options", this), "frmOptions", {120, 2520, 1935, 2055},
                              Font{"MS Sans Serif", 12, true, true});
    frmOptions->hide();
    cmdColours = MakeButton(frmOptions, "cmdColours", "Colours", {120, 720, 1575, 495},
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
