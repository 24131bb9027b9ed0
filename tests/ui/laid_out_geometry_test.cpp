// On a desktop large enough for every window, the windows keep the geometry they
// were laid out with: every window, every named control and every font, as pinned
// in laid_out_geometry.txt.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTextStream>

#include "game_view.h"
#include "navigator.h"

namespace crumbleton {
namespace {

QString Describe(const QRect& r) {
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QStringList Listing(const char* name, QWidget* window) {
    QStringList lines;
    lines << QString("%1 frame %2 client %3 min %4x%5 max %6x%7")
                 .arg(name, Describe(window->frameGeometry()), Describe(window->geometry()))
                 .arg(window->minimumWidth())
                 .arg(window->minimumHeight())
                 .arg(window->maximumWidth())
                 .arg(window->maximumHeight());
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const bool named = !child->objectName().isEmpty() && !child->objectName().startsWith("qt_");
        if (!named && !dynamic_cast<GameView*>(child) && !qobject_cast<QMenuBar*>(child)) continue;
        const QFont font = child->font();
        lines << QString("  %1 %2 %3 in %4 font %5 %6px%7%8")
                     .arg(child->metaObject()->className(), child->objectName(), Describe(child->geometry()),
                          child->parentWidget()->objectName(), font.family())
                     .arg(font.pixelSize())
                     .arg(font.bold() ? " bold" : "", font.underline() ? " underlined" : "");
    }
    return lines;
}

// Run on a 1920 x 1080 desktop at scale factor 1.
TEST(LaidOutGeometryTest, EveryWindowAndControlKeepsItsPinnedGeometry) {
    Navigator navigator;
    for (Screen screen : {Screen::Start, Screen::Instructions, Screen::Colours, Screen::Game})
        navigator.Show(screen);
    navigator.gameWindow()->stopTicking();
    const std::pair<const char*, QWidget*> windows[] = {
        {"start", navigator.startWindow()},
        {"instructions", navigator.instructionsWindow()},
        {"colours", navigator.colourWindow()},
        {"game", navigator.gameWindow()},
    };
    QStringList actual;
    for (const auto& [name, window] : windows) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        actual << Listing(name, window);
    }

    QFile file(CRUMBLETON_UI_TEST_DIR "/laid_out_geometry.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList pinned = QTextStream(&file).readAll().split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < std::max(pinned.size(), actual.size()); ++i) {
        EXPECT_EQ(actual.value(i).toStdString(), pinned.value(i).toStdString()) << "line " << i + 1;
    }
}

}  // namespace
}  // namespace crumbleton
