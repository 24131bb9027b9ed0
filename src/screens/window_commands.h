#pragma once
// The game window's own commands, beside the rules' keys and the "File" menu: each
// with its keys and its entry in the "View" menu. The key handling, the menu, the
// pause's hint and the key lists of the README and the manual page follow this
// table; a test holds the docs to it.

#include <QString>
#include <Qt>
#include <span>

namespace crumbleton {

enum class WindowCommand { Pause, FullScreen, BrickMarks };

struct WindowCommandEntry {
    WindowCommand command;
    // Each of these switches the command on or off; the first is shown in the menu.
    std::span<const Qt::Key> toggleKeys;
    // Switches it off while it is on, and is no command otherwise (Qt::Key_unknown: none).
    Qt::Key offKey;
    // With Alt or Ctrl the keys are still the command's; otherwise they are the
    // menus' and the desktop's.
    bool withAltOrCtrl;
    // Its "View" menu entry, translated in the context "GameWindow".
    const char* menuEntry;
};

// Every command, in the menu's order.
std::span<const WindowCommandEntry> WindowCommands();

// The line under "Paused" that names the keys that play on: those of the pause's
// entry above, in the player's language.
QString PauseHint();

// The command that a key press runs, given which commands are on now; nullptr if none.
template <typename IsOn>
const WindowCommandEntry* CommandForKey(int key, Qt::KeyboardModifiers modifiers, IsOn isOn) {
    const bool altOrCtrl = modifiers & (Qt::AltModifier | Qt::ControlModifier);
    for (const WindowCommandEntry& entry : WindowCommands()) {
        if (altOrCtrl && !entry.withAltOrCtrl) continue;
        for (Qt::Key k : entry.toggleKeys)
            if (k == key) return &entry;
        if (entry.offKey != Qt::Key_unknown && entry.offKey == key && isOn(entry.command)) return &entry;
    }
    return nullptr;
}

}  // namespace crumbleton
