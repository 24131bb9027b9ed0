#include "navigator.h"

#include <QApplication>
#include <QBackingStore>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <algorithm>
#include <chrono>
#include <type_traits>

#include "screen_fit.h"

namespace crumbleton {

namespace {

// Room in a title bar beside its title, on either side since titles are often
// centred: three 18-pixel buttons with their spacing and margins, as Qt draws
// them on Wayland; window managers on X11 take about as much.
constexpr int kTitleBarButtonsPx = 80;

// The box sizes itself to its text, and the frame shortens a longer title. The
// frame's font is not the box's to know: it is measured in a bold title-bar font
// and in the 14-pixel font of Qt's Wayland title bar, whichever is wider.
void FitTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    QFont decoration = QApplication::font("QMdiSubWindowTitleBar");
    decoration.setPixelSize(14);
    const int title = std::max(QFontMetrics(bold).horizontalAdvance(box.windowTitle()),
                               QFontMetrics(decoration).horizontalAdvance(box.windowTitle()));
    const QMargins margins = grid->contentsMargins();
    const int width = title + 2 * kTitleBarButtonsPx - margins.left() - margins.right();
    // An empty row of no height: only the box's width grows.
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

// The rules word the two end-of-game messages in English; the player reads them here.
[[maybe_unused]] constexpr const char* kMessages[] = {
    //: Text of the message box when the last life is lost. Leading blank and "!!" are
    //: the original's; write it as your language would.
    QT_TRANSLATE_NOOP("Messages", " Game Over!!"),
    //: Title of the message box when the last life is lost.
    QT_TRANSLATE_NOOP("Messages", " You Lose!"),
    //: Text of the message box when every brick is cleared. The lower-case start, the
    //: leading blank and "!!" are the original's; write it as your language would.
    QT_TRANSLATE_NOOP("Messages", " congratulations, You Win!!"),
    //: Title of the message box when every brick is cleared.
    QT_TRANSLATE_NOOP("Messages", " Winner"),
};

QString Translated(std::string_view text) {
    return QCoreApplication::translate("Messages", std::string(text).c_str());
}

}  // namespace

Navigator::Navigator() = default;

Navigator::~Navigator() = default;

void Navigator::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) {
    if (ended_) return;
    if (game_) game_->paintNow();
    QWidget* parent = QApplication::activeWindow();
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    Translated(title), Translated(text), QMessageBox::Ok, parent);
    FitTitle(box);
    // Neither the box nor the start menu after it answers a key pressed for the
    // game: each acts only on keys pressed once it is on view.
    keyGate_.holdBackHeldKeys();
    box.exec();
    keyGate_.holdBackHeldKeys();
}

QWidget* Navigator::window(Screen screen, bool create) {
    const auto get = [&](auto& window) -> QWidget* {
        using Window = typename std::remove_reference_t<decltype(window)>::element_type;
        if (!window && create) {
            window = std::make_unique<Window>(*this);
            keyGate_.comeFirst();
        }
        return window.get();
    };
    switch (screen) {
        case Screen::Start:
            return get(start_);
        case Screen::Instructions:
            return get(instructions_);
        case Screen::Colours:
            return get(colours_);
        case Screen::Game:
            return get(game_);
    }
    return nullptr;
}

QScreen* Navigator::replacedScreen(const QWidget* shown) const {
    // Going back, the screen left is still on view; going forward, it was just hidden.
    for (const QWidget* w : {static_cast<QWidget*>(start_.get()), static_cast<QWidget*>(instructions_.get()),
                             static_cast<QWidget*>(colours_.get()), static_cast<QWidget*>(game_.get())}) {
        if (w != nullptr && w != shown && w->isVisible()) return w->screen();
    }
    return lastHidden_;
}

void Navigator::Show(Screen screen) {
    if (ended_) return;
    QWidget* w = window(screen, true);
    // A screen opens on the monitor of the screen it replaces.
    if (ScreenFit* fit = ScreenFit::of(w)) fit->openOn(replacedScreen(w));
    // A window minimised before it was left would come back as an icon only.
    if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
}

void Navigator::Hide(Screen screen) {
    QWidget* w = window(screen, false);
    if (w == nullptr) return;
    if (w->isVisible()) lastHidden_ = w->screen();
    w->hide();
    // A window-sized picture per screen adds up at high scale factors: a hidden
    // screen gives its picture back, and is drawn whole when shown again.
    if (QBackingStore* store = w->backingStore()) store->resize(QSize(1, 1));
}

void Navigator::Quit() {
    // Nothing of any screen may run once the program ends: no tick, no message,
    // no screen shown again by an event already on its way.
    ended_ = true;
    if (game_) game_->stopTicking();
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    QCoreApplication::exit(0);
}

void Navigator::Reseed() {
    random_.seed(
        static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
}

float Navigator::RandomFraction() {
    // 24 random bits over 2^24: exactly representable, so never 1.
    return static_cast<float>(random_() >> 8) / 16777216.0f;
}

bool Navigator::OptionValue(ColourOption option) {
    // The first reading creates the screen, hidden, with nothing selected.
    window(Screen::Colours, true);
    return colours_->isSelected(option);
}

}  // namespace crumbleton
