// A storm of what a player can give the program: key presses and releases (held
// across menus, boxes and windows), clicks on every button, the game menu's
// commands and window commands (close, minimise, restore, activate) across all
// four screens, seeded and bounded.
// After every event the program must be in a state a player can use. A failure
// names the seed and the event; replay it, or run longer, with
//   CRUMBLETON_STORM_SEED=<seed> CRUMBLETON_STORM_EVENTS=<events> ui_tests --gtest_filter='Storm*'

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "captions.h"
#include "game_view.h"
#include "game_window.h"
#include "navigator.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

constexpr std::uint64_t kDefaultSeed = 1;
constexpr std::uint64_t kDefaultEvents = 700;

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

constexpr std::array kKeys{Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Space, Qt::Key_Up, Qt::Key_Down,
                           Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab,   Qt::Key_F,  Qt::Key_R,
                           Qt::Key_M,      Qt::Key_X,      Qt::Key_S,     Qt::Key_E,  Qt::Key_B,
                           Qt::Key_A,      Qt::Key_P,      Qt::Key_Pause};

QList<QMessageBox*> VisibleMessageBoxes() {
    QList<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) boxes << box;
    return boxes;
}

class Storm {
public:
    explicit Storm(std::uint64_t seed) : random_(seed) {
        // The box a tick opens blocks this loop; the player answers it from a timer.
        QObject::connect(&boxPlayer_, &QTimer::timeout, [this] { answerMessageBox(); });
        boxPlayer_.start(7);
    }

    std::string run(std::uint64_t events) {
        startProgram();
        for (event_ = 1; event_ <= events && failure_.empty(); ++event_) {
            act();
            QTest::qWait(pick(6));
            check();
        }
        program_.reset();
        return failure_;
    }

    int programs = 0, messages = 0, ends = 0, gameChecks = 0;

private:
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    template <typename T>
    T* any(const QList<T*>& list) {
        return list.isEmpty() ? nullptr : list[pick(static_cast<int>(list.size()))];
    }

    void fail(const std::string& what) {
        if (!failure_.empty()) return;
        std::ostringstream out;
        out << "event " << event_ << ": " << what;
        failure_ = out.str();
    }

    void startProgram() {
        program_ = std::make_unique<Navigator>();
        program_->Show(Screen::Start);
        ++programs;
        ticks_ = ticksAtCheck_ = 0;
        timeSinceTickCheck_.invalidate();
        observed_ = nullptr;
        held_.clear();
        minimisedByPlayer_.clear();
    }

    QList<QWidget*> screens() const {
        QList<QWidget*> shown;
        for (QWidget* w :
             std::initializer_list<QWidget*>{program_->startWindow(), program_->instructionsWindow(),
                                             program_->colourWindow(), program_->gameWindow()})
            if (w != nullptr && w->isVisible()) shown << w;
        return shown;
    }

    void key(QWidget* target, Qt::Key k) {
        const Qt::KeyboardModifiers modifiers = chance(0.1) ? Qt::AltModifier : Qt::NoModifier;
        const auto type = chance(0.6) ? QEvent::KeyPress : QEvent::KeyRelease;
        // Auto-repeat comes as presses and releases of a held key.
        const bool repeat = chance(0.2);
        if (type == QEvent::KeyPress) {
            QTest::sendKeyEvent(QTest::Press, target, k, QString(), modifiers);
            if (k == Qt::Key_Left || k == Qt::Key_Right) held_.insert(k);
        } else {
            QKeyEvent release(QEvent::KeyRelease, k, modifiers, QString(), repeat);
            QApplication::sendEvent(target, &release);
            if (!repeat) held_.erase(k);
        }
    }

    Qt::Key anArrow() { return chance(0.5) ? Qt::Key_Left : Qt::Key_Right; }

    void act() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            // The game menu is open: move in it, choose, or leave it.
            static constexpr std::array<Qt::Key, 7> kMenuKeys{Qt::Key_Up,     Qt::Key_Down, Qt::Key_Return,
                                                              Qt::Key_Escape, Qt::Key_R,    Qt::Key_M,
                                                              Qt::Key_Escape};
            // An arrow held when the menu opened may be let go while it is open.
            if (!held_.empty() && chance(0.5)) {
                const Qt::Key arrow = *held_.begin();
                QTest::keyRelease(popup, arrow);
                held_.erase(arrow);
            } else if (chance(0.2)) {
                key(popup, anArrow());
            } else {
                QTest::keyClick(
                    popup, kMenuKeys[static_cast<std::size_t>(pick(static_cast<int>(kMenuKeys.size())))]);
            }
            afterEnd();
            return;
        }
        QWidget* window = any(screens());
        if (window == nullptr) return;
        observeGame();
        const int what = pick(100);
        if (what < 55) {
            QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
            key(target, kKeys[static_cast<std::size_t>(pick(static_cast<int>(kKeys.size())))]);
        } else if (what < 80) {
            clickAButton(window);
        } else if (what < 85) {
            if (window == program_->gameWindow()) chooseMenuItem(program_->gameWindow());
        } else if (what < 88) {
            // Opens the File menu with the mouse, often with an arrow held.
            if (window != program_->gameWindow()) return;
            if (chance(0.7)) {
                const Qt::Key arrow = anArrow();
                QTest::keyPress(window, arrow);
                held_.insert(arrow);
            }
            QMenuBar* bar = program_->gameWindow()->menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().at(0)).center());
        } else if (what < 92) {
            // Closing the start menu ends the program, as "End Game" does.
            if (window == program_->startWindow() && !chance(0.1)) return;
            window->close();
        } else if (what < 95) {
            window->showMinimized();
            minimisedByPlayer_.insert(window);
        } else if (what < 97) {
            window->showNormal();
            minimisedByPlayer_.erase(window);
        } else {
            window->activateWindow();
        }
        afterEnd();
    }

    void clickAButton(QWidget* window) {
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
            if (b->isVisible() && b->isEnabled()) buttons << b;
        QAbstractButton* button = any(buttons);
        if (button == nullptr) return;
        // "End Game" ends the program: the storm goes on in a new one, now and then.
        if (button->objectName() == "cmdEnd" && !chance(0.1)) return;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void chooseMenuItem(GameWindow* game) {
        QList<QAction*> items;
        for (QAction* menu : game->menuBar()->actions())
            for (QAction* item : menu->menu()->actions()) items << item;
        QAction* item = any(items);
        if (item == nullptr || (item->text() == "E&xit" && !chance(0.1))) return;
        item->trigger();
    }

    // Now and then the storm brings the game to the brink of its end (the ball past
    // the bottom paddle on the last life, or a second win with the face grown), so
    // that ends of games and their messages fall within it; all else is the player's.
    void observeGame() {
        GameWindow* window = program_->gameWindow();
        if (window == nullptr) return;
        if (observed_ != window) {
            observed_ = window;
            window->setTickObserver([this] { ++ticks_; });
        }
        frmGame& game = window->game();
        if (chance(0.01)) {
            game.lblLives.Caption = "1";
            game.shpBall.Top = 9600;
            game.BallSpeedY = 50;
            if (game.BallSpeedX == 0) game.BallSpeedX = 50;
        }
        if (chance(0.005)) {
            game.imgFace.Width = game.imgFace.Height = 2400;
            game.lblPoints.Caption = "6900";
        }
        // As a tick's writes are, these are shown.
        window->view()->refresh();
    }

    // While a message box is open only the box takes input: keys, OK, or its close.
    void answerMessageBox() {
        const QList<QMessageBox*> boxes = VisibleMessageBoxes();
        if (boxes.size() > 1) return fail("two message boxes at once");
        if (boxes.isEmpty()) {
            openBox_ = nullptr;
            return;
        }
        QMessageBox* box = boxes.front();
        if (box != openBox_) {
            openBox_ = box;
            ++messages;
        }
        switch (pick(4)) {
            case 0:
                QTest::keyClick(box, kKeys[static_cast<std::size_t>(pick(static_cast<int>(kKeys.size())))]);
                break;
            case 1:
                if (QAbstractButton* ok = box->button(QMessageBox::Ok)) QTest::mouseClick(ok, Qt::LeftButton);
                break;
            case 2:
                box->close();
                break;
            default:
                break;  // the player takes a moment
        }
    }

    // After "End Game", "E&xit" or closing the start menu, the program has ended:
    // nothing shown, no tick any more. The storm goes on in a new program.
    void afterEnd() {
        if (!program_->ended()) return;
        ++ends;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                return fail("a window still shown after the end: " + w->objectName().toStdString());
        const int ticks = ticks_;
        QTest::qWait(40);
        if (ticks_ != ticks) return fail("the game ticked after the end");
        startProgram();
    }

    void check() {
        if (!failure_.empty()) return;
        if (program_->ended()) return afterEnd();
        if (VisibleMessageBoxes().size() > 1) return fail("two message boxes at once");
        checkOnView();

        GameWindow* window = program_->gameWindow();
        if (window == nullptr) return;
        const frmGame& game = window->game();
        if (held_.empty() && game.PaddleSpeed != 0) return fail("the paddles move with no arrow held");
        const double lives = CaptionToNumberStrict(game.lblLives.Caption);
        const double points = CaptionToNumberStrict(game.lblPoints.Caption);
        if (!(lives >= 0) || !(points >= 0 && points <= 6900))
            return fail("lives " + game.lblLives.Caption + ", points " + game.lblPoints.Caption);
        // Keys given to the other screens never reach the game.
        if (!window->isVisible() && game.PaddleSpeed != 0) return fail("the paddles move on a hidden screen");
        // A paused game runs no tick, by design.
        if (window->paused()) {
            timeSinceTickCheck_.invalidate();
        } else if (timeSinceTickCheck_.isValid() && timeSinceTickCheck_.elapsed() > 200) {
            if (ticks_ == ticksAtCheck_) return fail("the game stopped ticking");
            ticksAtCheck_ = ticks_;
            timeSinceTickCheck_.restart();
        } else if (!timeSinceTickCheck_.isValid()) {
            ticksAtCheck_ = ticks_;
            timeSinceTickCheck_.start();
        }
        if (chance(0.1)) checkScreenShowsTheGame(window);
    }

    // A minimised window is not on view. Only the player minimises one: a window the
    // program brings up comes restored, and something is always on view unless the
    // player minimised it.
    void checkOnView() {
        bool onView = !VisibleMessageBoxes().isEmpty(), minimisedByPlayer = false;
        for (QWidget* w :
             std::initializer_list<QWidget*>{program_->startWindow(), program_->instructionsWindow(),
                                             program_->colourWindow(), program_->gameWindow()}) {
            if (w == nullptr) continue;
            if (!w->isVisible()) {
                minimisedByPlayer_.erase(w);
            } else if (!w->isMinimized()) {
                onView = true;
            } else if (minimisedByPlayer_.count(w) > 0) {
                minimisedByPlayer = true;
            } else {
                return fail("a window came up minimised: " + w->objectName().toStdString());
            }
        }
        if (!onView && !minimisedByPlayer) fail("no window on view");
    }

    // Large text is rasterised with a few levels of grey more or less at its edges when
    // a paint is clipped to part of the screen; what is missing or left behind differs
    // by far more than that.
    static bool LooksTheSame(const QImage& a, const QImage& b) {
        constexpr int kEdgeNoise = 40;  // of 255, per channel
        for (int y = 0; y < a.height(); ++y) {
            const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x) {
                if (std::abs(qRed(p[x]) - qRed(q[x])) > kEdgeNoise ||
                    std::abs(qGreen(p[x]) - qGreen(q[x])) > kEdgeNoise ||
                    std::abs(qBlue(p[x]) - qBlue(q[x])) > kEdgeNoise)
                    return false;
            }
        }
        return true;
    }

    // The screen, painted a piece at a time, shows what one full paint of the model shows.
    void checkScreenShowsTheGame(GameWindow* window) {
        if (!window->isVisible() || window->isMinimized() || QApplication::activeModalWidget() != nullptr)
            return;
        // The paint due for the last tick or key, without letting another tick in.
        QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
        GameView* view = window->view();
        const QPoint at = view->mapTo(window, QPoint(0, 0));
        const QImage onScreen =
            window->screen()
                ->grabWindow(window->winId(), at.x(), at.y(), view->width(), view->height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        const QImage painted = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The offscreen platform keeps its screen at one pixel per logical pixel; at
        // other scales there is nothing of the same resolution to compare with.
        if (onScreen.size() != painted.size()) return;
        ++gameChecks;
        if (!LooksTheSame(onScreen, painted)) {
            onScreen.save("storm_on_screen.png");
            painted.save("storm_full_paint.png");
            fail("the screen differs from a full paint (storm_on_screen.png, storm_full_paint.png)");
        }
    }

    std::mt19937_64 random_;
    std::unique_ptr<Navigator> program_;
    QTimer boxPlayer_;
    QPointer<QMessageBox> openBox_;
    QPointer<GameWindow> observed_;
    std::uint64_t event_ = 0;
    std::string failure_;
    int ticks_ = 0, ticksAtCheck_ = 0;
    QElapsedTimer timeSinceTickCheck_;
    std::set<Qt::Key> held_;  // arrows pressed and not yet let go
    std::set<QWidget*> minimisedByPlayer_;
};

TEST(StormTest, EveryKeyClickAndWindowCommandLeavesAProgramToUse) {
    const std::uint64_t seed = EnvNumber("CRUMBLETON_STORM_SEED", kDefaultSeed);
    const std::uint64_t events = EnvNumber("CRUMBLETON_STORM_EVENTS", kDefaultEvents);
    Storm storm(seed);
    const std::string failure = storm.run(events);
    ASSERT_EQ(failure, "") << "seed " << seed << ", " << failure << "\nreplay: CRUMBLETON_STORM_SEED=" << seed
                           << " CRUMBLETON_STORM_EVENTS=" << events << " ui_tests --gtest_filter='Storm*'";
    std::cout << "seed " << seed << ", " << events << " events: " << storm.programs << " programs, "
              << storm.ends << " ends, " << storm.messages << " message boxes, " << storm.gameChecks
              << " screens compared with a full paint\n";
}

}  // namespace
}  // namespace crumbleton
