#pragma once
// Driving the program's screens as a player does.

#include <QAbstractButton>
#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include "navigator.h"

namespace crumbleton::testing {

// The screens on view, in a fixed order.
inline QStringList VisibleScreens(const Navigator& navigator) {
    QStringList shown;
    if (navigator.startWindow() && navigator.startWindow()->isVisible()) shown << "Start";
    if (navigator.instructionsWindow() && navigator.instructionsWindow()->isVisible())
        shown << "Instructions";
    if (navigator.colourWindow() && navigator.colourWindow()->isVisible()) shown << "Colours";
    if (navigator.gameWindow() && navigator.gameWindow()->isVisible()) shown << "Game";
    return shown;
}

template <typename Widget = QAbstractButton>
Widget* Control(QWidget* window, const char* name) {
    auto* control = window->findChild<Widget*>(name);
    if (control == nullptr) ADD_FAILURE() << "no control " << name;
    return control;
}

// A click on a control of a screen; the control must be on view, as for a player.
inline void Click(QWidget* window, const char* name) {
    QAbstractButton* button = Control(window, name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible()) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

// Chooses an item of the game screen's "File" menu.
inline void ChooseMenuItem(QWidget* gameWindow, const QString& caption) {
    auto* bar = gameWindow->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    for (QAction* menu : bar->actions())
        for (QAction* item : menu->menu()->actions())
            if (item->text() == caption) return item->trigger();
    FAIL() << "no menu item " << caption.toStdString();
}

// Presses OK on every modal message box that opens while it lives.
class MessageBoxCloser {
public:
    MessageBoxCloser() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer_.start();
    }
    QStringList texts;

private:
    QTimer timer_;
};

}  // namespace crumbleton::testing
