#include "window_commands.h"

#include <QCoreApplication>

namespace crumbleton {

namespace {

constexpr Qt::Key kPauseKeys[] = {Qt::Key_P, Qt::Key_Pause};
constexpr Qt::Key kFullScreenKeys[] = {Qt::Key_F11};
constexpr Qt::Key kBrickMarksKeys[] = {Qt::Key_B};

constexpr WindowCommandEntry kWindowCommands[] = {
    {WindowCommand::Pause, kPauseKeys, Qt::Key_Space, false,
     //: "View" menu entry: pauses the game, or plays on. The & marks the access key.
     QT_TRANSLATE_NOOP("GameWindow", "&Pause")},
    {WindowCommand::FullScreen, kFullScreenKeys, Qt::Key_Escape, true,
     //: "View" menu entry: the game window fills the screen, or is a window again.
     //: The & marks the access key.
     QT_TRANSLATE_NOOP("GameWindow", "&Full Screen")},
    {WindowCommand::BrickMarks, kBrickMarksKeys, Qt::Key_unknown, false,
     //: "View" menu entry, checkable: draws on every brick as many marks as the
     //: strikes it still takes, for players who cannot tell its colours apart. The &
     //: marks the access key.
     QT_TRANSLATE_NOOP("GameWindow", "&Brick Strength Marks")},
};

}  // namespace

std::span<const WindowCommandEntry> WindowCommands() { return kWindowCommands; }

QString PauseHint() {
    // One sentence to translate, not one put together from key names: a test holds
    // it to the pause's keys.
    //: Under "Paused", 12 pt, 585 px wide: the keys that end the pause.
    return QCoreApplication::translate("GameWindow", "P, Pause or Space to play on");
}

}  // namespace crumbleton
