#pragma once
// Shared by the tests of the real windows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QTest>
#include <QWidget>

#include "desktop.h"
#include "game_view.h"
#include "game_window.h"
#include "navigator.h"

namespace crumbleton::testing {

// The colour of the device pixel under a twips point of a grabbed widget.
inline QColor PixelAt(const QImage& grab, float xTwips, float yTwips) {
    const qreal dpr = grab.devicePixelRatio();
    const int x = static_cast<int>(xTwips / kTwipsPerPixel * dpr);
    const int y = static_cast<int>(yTwips / kTwipsPerPixel * dpr);
    return grab.pixelColor(x, y);
}

inline QImage Grab(QWidget* widget) { return widget->grab().toImage(); }

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
