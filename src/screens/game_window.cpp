#include "game_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <optional>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "field_accessibility.h"
#include "form_layout.h"
#include "game_view.h"
#include "scale.h"
#include "screen_fit.h"

namespace crumbleton {

namespace {

// How long a window keeps its size before a drag that resized it counts as over.
constexpr std::chrono::milliseconds kResizeSettled{500};

// The game's key codes (those of the desktop it was made for).
std::optional<int> GameKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Space:
            return kKeySpace;
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Up:
            return kKeyUp;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Down:
            return kKeyDown;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyReturn;
        case Qt::Key_Escape:
            return kKeyEscape;
        default:
            break;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    return std::nullopt;
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

bool IsArrow(int code) { return code == kKeyLeft || code == kKeyRight; }

// The keys the game plays with; the others reach the game and then the window,
// so that the menu's access keys keep working.
bool IsGameKey(int code) { return IsArrow(code) || code == kKeySpace; }

}  // namespace

GameWindow::GameWindow(Toolkit& toolkit, QWidget* parent) : QMainWindow(parent), game_(toolkit) {
    setObjectName("frmGame");
    setWindowTitle(ShownCaption(game_.Caption));
    //: What a screen reader calls the game's window (the title stays the game's name).
    setAccessibleName(QCoreApplication::translate("GameWindow", "Crumbleton Game"));
    view_ = new GameView(game_, this);
    setCentralWidget(view_);

    QMenu* file = menuBar()->addMenu(ShownCaption(game_.mnuFile.Caption));
    const auto addItem = [&](const MenuItem& item, void (frmGame::*handler)()) {
        QAction* action = file->addAction(ShownCaption(item.Caption));
        connect(action, &QAction::triggered, this, [this, handler] {
            (game_.*handler)();
            showGame();
        });
    };
    addItem(game_.mnuFileReset, &frmGame::mnuFileReset_Click);
    addItem(game_.mnuFileMenu, &frmGame::mnuFileMenu_Click);
    addItem(game_.mnuFileExit, &frmGame::mnuFileExit_Click);

    //: The game window's second menu, after "File": pause, full screen and the
    //: bricks' marks. The & marks the access key (Alt+letter).
    QMenu* view = menuBar()->addMenu(QCoreApplication::translate("GameWindow", "&View"));
    for (const WindowCommandEntry& entry : WindowCommands()) {
        QAction* action = view->addAction(QCoreApplication::translate("GameWindow", entry.menuEntry));
        action->setCheckable(true);
        // Shown in the menu and told to screen readers; the key itself is handled
        // with the others in eventFilter, so the shortcut is live only in the open menu.
        action->setShortcut(QKeySequence(entry.toggleKeys.front()));
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setAutoRepeat(false);
        const WindowCommand command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { run(command); });
        commandActions_.emplace_back(command, action);
    }

    placeOnScreen();
    new ScreenFit(this, [this](QScreen* screen, const QRect& wanted) { fitTo(screen, wanted); });

    // Keys reach the game wherever the focus sits in this window.
    qApp->installEventFilter(this);

    game_.Form_Load();
    accessibility_ = std::make_unique<FieldAccessibility>(game_, view_);
    showState();
    settled_.setSingleShot(true);
    settled_.setInterval(kResizeSettled);
    connect(&settled_, &QTimer::timeout, this, [] {
#ifdef __GLIBC__
        // The window's pictures of the sizes it was dragged through are freed, but the
        // C library keeps the freed memory for itself; handed back to the system here.
        malloc_trim(0);
#endif
    });
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &GameWindow::tick);
    timer_.start(kTickPeriod);
}

GameWindow::~GameWindow() { qApp->removeEventFilter(this); }

void GameWindow::placeOnScreen() {
    const int menuHeight = menuBar()->sizeHint().height();
    const QPoint corner =
        Scale().rect(game_.WindowLeft, game_.WindowTop, 0, 0).topLeft() - QPoint(0, menuHeight);
    fitTo(ScreenAt(corner), QRect(corner, view_->sizeHint() + QSize(0, menuHeight)));
}

void GameWindow::fitTo(QScreen* screen, const QRect& wanted) {
    // A window shrunk to fit a smaller screen takes its size back where there is
    // room again, unless the player has resized it since.
    const QSize size = wanted.size() == fitted_ && !unshrunk_.isEmpty() ? unshrunk_ : wanted.size();
    // That size where the screen has room for it, else as large as it has.
    const int menuHeight = menuBar()->sizeHint().height();
    const qreal scale = FittingScale(this, size, screen, menuHeight);
    const QSize view = (QSizeF(size - QSize(0, menuHeight)) * scale).toSize();
    MoveWindow(this, QRect(wanted.topLeft(), view + QSize(0, menuHeight)), screen);
    unshrunk_ = size;
    fitted_ = this->size();
}

bool GameWindow::commandKey(const QKeyEvent& key) {
    // A held key would toggle on every repeat.
    if (key.type() != QEvent::KeyPress || key.isAutoRepeat()) return false;
    const WindowCommandEntry* entry =
        CommandForKey(key.key(), key.modifiers(), [this](WindowCommand c) { return isOn(c); });
    if (entry == nullptr) return false;
    run(entry->command);
    return true;
}

void GameWindow::run(WindowCommand command) {
    switch (command) {
        case WindowCommand::Pause:
            setPaused(!paused_);
            break;
        case WindowCommand::FullScreen:
            setWindowState(windowState() ^ Qt::WindowFullScreen);
            break;
        case WindowCommand::BrickMarks:
            setBrickMarks(!brickMarks());
            break;
    }
    showState();
}

bool GameWindow::isOn(WindowCommand command) const {
    switch (command) {
        case WindowCommand::Pause:
            return paused_;
        case WindowCommand::FullScreen:
            return isFullScreen();
        case WindowCommand::BrickMarks:
            return brickMarks();
    }
    return false;
}

bool GameWindow::brickMarks() const { return view_->brickMarks(); }

void GameWindow::setBrickMarks(bool on) { view_->setBrickMarks(on); }

void GameWindow::showGame() {
    view_->refresh();
    showState();
}

void GameWindow::showState() {
    for (const auto& [command, action] : commandActions_) action->setChecked(isOn(command));
    if (accessibility_) accessibility_->update(paused_);
}

void GameWindow::stopTicking() {
    ticking_ = false;
    timer_.stop();
}

void GameWindow::paintNow() {
    view_->repaint();
    // A screen reader too hears what led to the message box before the box itself.
    showState();
}

void GameWindow::setPaused(bool paused) {
    if (paused == paused_) return;
    paused_ = paused;
    if (paused_) {
        // Paddles still on resume, whatever was held: the key's repeat restarts them.
        releaseHeldArrows();
        timer_.stop();
    } else if (ticking_) {
        timer_.start(kTickPeriod);
    }
    view_->setPaused(paused_);
    showState();
}

bool GameWindow::menuOpen() const {
    // A popup is a window of its own, so its ancestry is walked by hand.
    for (const QWidget* w = QApplication::activePopupWidget(); w != nullptr; w = w->parentWidget())
        if (w == menuBar()) return true;
    return false;
}

void GameWindow::tick() {
    // The ball must not fly on unseen under a menu the player is reading.
    if (menuOpen()) return;
    game_.Timer1_Timer();
    showGame();
    if (tickObserver_) tickObserver_();
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) return false;

    auto* key = static_cast<QKeyEvent*>(event);
    const bool ours = widget->window() == this;
    if (ours && commandKey(*key)) return true;
    const std::optional<int> code = GameKeyCode(key->key());
    if (!code) return false;
    if (!ours) {
        // An arrow held in the game may be let go while a menu, a message box or
        // another window has the keyboard; the game must still see it go.
        if (type == QEvent::KeyRelease && !key->isAutoRepeat() && heldArrows_.erase(*code) > 0)
            game_.Form_KeyUp(*code, ShiftState(key->modifiers()));
        return false;
    }
    // Paused, the game takes no key; the others still reach the window and its menu.
    if (paused_) return IsGameKey(*code);
    const int shift = ShiftState(key->modifiers());
    if (type == QEvent::KeyPress) {
        // Auto-repeated presses are real key-downs to the game: they restart
        // the paddles after a lost ball.
        if (IsArrow(*code)) heldArrows_.insert(*code);
        game_.Form_KeyDown(*code, shift);
    } else {
        // Only a real release is a key-up; the toolkit's auto-repeat releases are not.
        if (key->isAutoRepeat()) return IsGameKey(*code);
        heldArrows_.erase(*code);
        game_.Form_KeyUp(*code, shift);
    }
    showGame();
    return IsGameKey(*code);
}

void GameWindow::releaseHeldArrows() {
    // The release of a key held while the window lost the focus never arrives here;
    // deliver it now so that the paddles do not drift with no key held.
    const std::set<int> held = std::exchange(heldArrows_, {});
    for (int code : held) game_.Form_KeyUp(code, 0);
}

void GameWindow::changeEvent(QEvent* event) {
    // A ball in flight waits for a player who has turned to another window.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        releaseHeldArrows();
        if (isVisible() && ballInFlight()) setPaused(true);
    } else if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized() && ballInFlight()) setPaused(true);
        showState();
    }
    QMainWindow::changeEvent(event);
}

void GameWindow::hideEvent(QHideEvent* event) {
    releaseHeldArrows();
    // Left for another screen (not minimised): the game left behind waits for its
    // serve, and the hidden screen's tick must run on.
    if (!event->spontaneous()) setPaused(false);
    QMainWindow::hideEvent(event);
}

void GameWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    settled_.start();
}

void GameWindow::closeEvent(QCloseEvent* event) {
    game_.mnuFileMenu_Click();
    showGame();
    event->ignore();
}

}  // namespace crumbleton
