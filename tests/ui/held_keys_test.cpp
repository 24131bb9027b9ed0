// A key held down for the game when it ends neither answers the end-of-game
// message nor acts on the start menu after it, until it is let go; a key pressed
// once the message is on view does.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "window_helpers.h"

namespace crumbleton {
namespace {

using testing::VisibleScreens;

// What a keyboard gives: Qt's own repeats come flagged; on X11 a repeat may come
// as a release and a press with the same time and no flag. Time 0 is a
// synthesised event's.
struct Stroke {
    QEvent::Type type;
    Qt::Key key;
    bool autoRepeat = false;
    quint64 at = 0;
};

std::vector<Stroke> FlaggedRepeats(Qt::Key key) {
    std::vector<Stroke> strokes;
    for (int i = 0; i < 4; ++i)
        strokes.insert(strokes.end(), {{QEvent::KeyRelease, key, true}, {QEvent::KeyPress, key, true}});
    return strokes;
}

// Repeats 33 ms apart from `from` on, each a release and a press of one time.
std::vector<Stroke> PairedRepeats(Qt::Key key, quint64 from) {
    std::vector<Stroke> strokes;
    for (quint64 at = from; at < from + 4 * 33; at += 33)
        strokes.insert(strokes.end(),
                       {{QEvent::KeyRelease, key, false, at}, {QEvent::KeyPress, key, false, at}});
    return strokes;
}

// Where the window's keys go: the widget with the focus.
void Type(QWidget* window, const std::vector<Stroke>& strokes) {
    for (const Stroke& s : strokes) {
        QPointer<QWidget> target = window->focusWidget() != nullptr ? window->focusWidget() : window;
        QKeyEvent event(s.type, s.key, Qt::NoModifier, s.key == Qt::Key_Space ? " " : "", s.autoRepeat);
        event.setTimestamp(s.at);
        QApplication::sendEvent(target, &event);
    }
}

// Runs `whileOpen` once the game's message box is on view.
class OnMessage {
public:
    explicit OnMessage(std::function<void(QMessageBox*)> whileOpen) : whileOpen_(std::move(whileOpen)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || done_) return;
            done_ = true;
            // As a player finds it, with the keyboard: the offscreen platform, unlike a
            // desktop, leaves the first window it opens inactive.
            box->activateWindow();
            ASSERT_TRUE(QTest::qWaitFor([box] { return box->isActiveWindow() && box->focusWidget(); }));
            whileOpen_(box);
        });
        poll_.start(5);
    }
    bool done() const { return done_; }

private:
    std::function<void(QMessageBox*)> whileOpen_;
    QTimer poll_;
    bool done_ = false;
};

class HeldKeysTest : public testing::GameScreenTest {
protected:
    HeldKeysTest() { ticking = false; }

    void LoseTheLastBall() { game().lblLives.Caption = "0"; }
    void Win() {
        game().imgFace.Width = game().imgFace.Height = 2400;
        game().lblPoints.Caption = "6900";
    }
    // One tick: it opens the message and returns once the message is closed.
    void Tick() { game().Timer1_Timer(); }
    QWidget* start() const { return navigator.startWindow(); }
};

TEST_F(HeldKeysTest, AKeyHeldThroughTheEndDoesNothingUntilLetGo) {
    struct Case {
        const char* name;
        bool won;
        Qt::Key key;
        // In the box, then on the start menu, both while the key stays down.
        std::vector<Stroke> inBox, onStart;
    };
    const Case cases[] = {
        {"space, X11's paired repeats", false, Qt::Key_Space, PairedRepeats(Qt::Key_Space, 1000),
         PairedRepeats(Qt::Key_Space, 2000)},
        {"return, flagged repeats", false, Qt::Key_Return, FlaggedRepeats(Qt::Key_Return),
         FlaggedRepeats(Qt::Key_Return)},
        {"return, X11's paired repeats", false, Qt::Key_Return, PairedRepeats(Qt::Key_Return, 1000),
         PairedRepeats(Qt::Key_Return, 2000)},
        {"space through the win", true, Qt::Key_Space, PairedRepeats(Qt::Key_Space, 1000),
         PairedRepeats(Qt::Key_Space, 2000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        navigator.Show(Screen::Game);
        Type(window, {{QEvent::KeyPress, c.key, false, 900}});
        bool stayedOpen = false;
        OnMessage onMessage([&](QMessageBox* box) {
            Type(box, c.inBox);
            stayedOpen = box->isVisible();
            // A click answers at once, the key still down.
            if (stayedOpen) QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        c.won ? Win() : LoseTheLastBall();
        Tick();
        ASSERT_TRUE(onMessage.done());
        EXPECT_TRUE(stayedOpen);
        ASSERT_EQ(VisibleScreens(navigator), QStringList{"Start"});

        Type(start(), c.onStart);
        Type(start(), {{QEvent::KeyRelease, c.key, false, 3000}});
        EXPECT_EQ(VisibleScreens(navigator), QStringList{"Start"}) << "a held key started a game";
        // Let go, the key works again.
        Type(start(), {{QEvent::KeyPress, c.key, false, 3500}, {QEvent::KeyRelease, c.key, false, 3600}});
        EXPECT_EQ(VisibleScreens(navigator), QStringList{"Game"});
    }
}

TEST_F(HeldKeysTest, AKeyPressedOnceTheMessageIsOnViewAnswersIt) {
    struct Case {
        const char* name;
        Qt::Key key;
        bool answersGoingDown;  // else as it comes up
        // The key was let go where no window of the program saw it, as when its
        // press hid the window that had the keyboard.
        bool releaseUnseen = false;
    };
    const Case cases[] = {{"space", Qt::Key_Space, false},
                          {"return", Qt::Key_Return, true},
                          {"escape", Qt::Key_Escape, true},
                          {"return, let go unseen", Qt::Key_Return, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        navigator.Show(Screen::Game);
        // Held for the game and let go while the message is open, then pressed anew.
        Type(window, {{QEvent::KeyPress, c.key, false, 900}});
        bool closed = false;
        OnMessage onMessage([&](QMessageBox* box) {
            QPointer<QMessageBox> open(box);
            if (!c.releaseUnseen) Type(box, {{QEvent::KeyRelease, c.key, false, 1000}});
            Type(box, {{QEvent::KeyPress, c.key, false, 1200}});
            if (!c.answersGoingDown) Type(box, {{QEvent::KeyRelease, c.key, false, 1300}});
            closed = !open || !open->isVisible();
            if (!closed) open->close();
        });
        LoseTheLastBall();
        Tick();
        ASSERT_TRUE(onMessage.done());
        EXPECT_TRUE(closed);
        if (c.key == Qt::Key_Return) {
            // Still down as the message goes, it repeats on the start menu, whose
            // "Start Game!" takes Return.
            Type(start(), PairedRepeats(c.key, 2000));
            EXPECT_EQ(VisibleScreens(navigator), QStringList{"Start"})
                << "the key that answered started a game";
        }
        if (c.answersGoingDown) Type(start(), {{QEvent::KeyRelease, c.key, false, 3000}});
    }
}

}  // namespace
}  // namespace crumbleton
