#include "key_gate.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace crumbleton {

namespace {

// The X server stamps the release and the press of one repeat alike; Qt's own
// pairing of them allows as much. A player cannot let go and press again so soon.
constexpr std::uint64_t kRepeatPairMs = 10;

}  // namespace

KeyGate::KeyGate() { QCoreApplication::instance()->installEventFilter(this); }

KeyGate::~KeyGate() { QCoreApplication::instance()->removeEventFilter(this); }

void KeyGate::comeFirst() {
    // Installing again moves the filter to the front.
    QCoreApplication::instance()->installEventFilter(this);
}

void KeyGate::holdBackHeldKeys() {
    heldBack_.insert(down_.begin(), down_.end());
    // A key whose release was just seen may be half of a repeat whose press is
    // still on its way.
    for (auto& [id, release] : lastRelease_) release.heldBack = true;
}

KeyGate::KeyId KeyGate::Identify(const QKeyEvent& key) {
    // The physical key where the platform tells it: the symbol may change with
    // Shift between press and release. Synthesised events carry only the symbol.
    if (key.nativeScanCode() != 0) return (KeyId{1} << 32) | key.nativeScanCode();
    return key.key();
}

bool KeyGate::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return press(Identify(*static_cast<QKeyEvent*>(event)), *static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            return release(Identify(*static_cast<QKeyEvent*>(event)), *static_cast<QKeyEvent*>(event));
        case QEvent::ShortcutOverride:
            // Accepted, the override keeps a held-back key from firing a shortcut.
            if (heldBack_.count(Identify(*static_cast<QKeyEvent*>(event))) > 0) {
                event->accept();
                return true;
            }
            return false;
        default:
            return QObject::eventFilter(watched, event);
    }
}

bool KeyGate::press(KeyId id, const QKeyEvent& key) {
    if (const auto last = lastRelease_.find(id); last != lastRelease_.end()) {
        const std::uint64_t at = key.timestamp();
        const bool repeat = last->second.timestamp != 0 && at >= last->second.timestamp &&
                            at - last->second.timestamp <= kRepeatPairMs;
        if (repeat && last->second.heldBack) heldBack_.insert(id);
        lastRelease_.erase(last);
    } else if (!key.isAutoRepeat()) {
        // Down already, yet pressed anew: its release went to no window of ours
        // (one hidden by the press, or another program's).
        heldBack_.erase(id);
    }
    down_.insert(id);
    return heldBack_.count(id) > 0;
}

bool KeyGate::release(KeyId id, const QKeyEvent& key) {
    const bool heldBack = heldBack_.count(id) > 0;
    if (!key.isAutoRepeat()) {
        down_.erase(id);
        heldBack_.erase(id);
        lastRelease_[id] = {key.timestamp(), heldBack};
    }
    return heldBack;
}

}  // namespace crumbleton
