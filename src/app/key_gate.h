#pragma once
// Keeps keys that are held down across a change of screen from acting on the new
// one: the end-of-game message and the start menu after it must not be answered
// by a key the player pressed for the game. Installed on the application, it
// records which keys are physically down and swallows every event of a held-back
// key until that key is really let go.

#include <QObject>
#include <cstdint>
#include <map>
#include <set>

class QKeyEvent;

namespace crumbleton {

class KeyGate : public QObject {
public:
    KeyGate();
    ~KeyGate() override;

    // Every key down now does nothing more, anywhere, until it is released.
    void holdBackHeldKeys();

    // Puts the gate before every other filter of the application, so that it sees
    // the keys that those filters take for themselves.
    void comeFirst();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using KeyId = std::int64_t;
    struct Release {
        std::uint64_t timestamp;  // the event's, in milliseconds; 0 when synthesised
        bool heldBack;
    };
    static KeyId Identify(const QKeyEvent& key);
    bool press(KeyId id, const QKeyEvent& key);
    bool release(KeyId id, const QKeyEvent& key);

    std::set<KeyId> down_;
    std::set<KeyId> heldBack_;
    // The last release of each key: on X11 a repeat may come as a release and a
    // press with the same time, neither marked as a repeat.
    std::map<KeyId, Release> lastRelease_;
};

}  // namespace crumbleton
