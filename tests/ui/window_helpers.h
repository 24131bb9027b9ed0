#pragma once
// Shared by the tests of the real windows: driving the screens as a player does,
// closing message boxes, and reading pixels.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <vector>

#include "desktop.h"
#include "game_view.h"
#include "game_window.h"
#include "navigator.h"
#include "scale.h"

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

// Closes every modal message box that opens while it lives, after keeping it
// open for `keepOpen` (long enough, if given, for timers to fire meanwhile), and
// records what each one said.
class MessageCloser {
public:
    struct Seen {
        QString text, title;
        QMessageBox::Icon icon;
    };

    explicit MessageCloser(std::chrono::milliseconds keepOpen = std::chrono::milliseconds(0),
                           std::function<void()> onOpen = {})
        : keepOpen_(keepOpen), onOpen_(std::move(onOpen)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] { check(); });
        poll_.start(std::chrono::milliseconds(5));
    }

    QStringList texts() const {
        QStringList all;
        for (const Seen& s : seen) all << s.text;
        return all;
    }

    std::vector<Seen> seen;

private:
    void check() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box != current_) {
            seen.push_back({box->text(), box->windowTitle(), box->icon()});
            current_ = box;
            openFor_.start();
            if (onOpen_) onOpen_();
        }
        if (current_ && openFor_.elapsed() >= keepOpen_.count()) current_->button(QMessageBox::Ok)->click();
    }

    std::chrono::milliseconds keepOpen_;
    std::function<void()> onOpen_;
    QTimer poll_;
    QPointer<QMessageBox> current_;
    QElapsedTimer openFor_;
};

inline QImage Grab(QWidget* widget) { return widget->grab().toImage(); }

// What the screen shows of a widget now, as last painted (not a fresh rendering).
inline QImage OnScreen(QWidget* widget) {
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    return widget->screen()
        ->grabWindow(widget->window()->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage();
}

// The colour of the device pixel under a twips point of a grabbed widget.
inline QColor PixelAt(const QImage& grab, float xTwips, float yTwips) {
    const qreal dpr = grab.devicePixelRatio();
    const int x = static_cast<int>(xTwips / kTwipsPerPixel * dpr);
    const int y = static_cast<int>(yTwips / kTwipsPerPixel * dpr);
    return grab.pixelColor(x, y);
}

// A twips box of a grab, in device pixels.
inline QImage Region(const QImage& grab, float left, float top, float width, float height) {
    const qreal scale = grab.devicePixelRatio() / kTwipsPerPixel;
    return grab.copy(QRectF(left * scale, top * scale, width * scale, height * scale).toAlignedRect());
}

template <typename Control>
QImage Region(const QImage& grab, const Control& c) {
    return Region(grab, c.Left, c.Top, c.Width, c.Height);
}

// The real game screen, shown through the real navigator.
class GameScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        navigator.Show(Screen::Game);
        window = navigator.gameWindow();
        ASSERT_NE(window, nullptr);
        if (!ticking) window->stopTicking();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    frmGame& game() { return window->game(); }
    QColor Expected(Colour colour) const { return ToQColor(colour, window->view()->palette()); }

    // False: the test steps the game itself.
    bool ticking = true;
    Navigator navigator;
    GameWindow* window = nullptr;
};

}  // namespace crumbleton::testing
