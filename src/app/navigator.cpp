#include "navigator.h"

#include <QApplication>
#include <QMessageBox>
#include <chrono>

#include "game_view.h"

namespace crumbleton {

Navigator::Navigator() = default;

Navigator::~Navigator() { delete game_.data(); }

void Navigator::MsgBox(std::string_view text, std::string_view title, MsgBoxIcon icon) {
    // The tick that opens the box has not finished, so the game screen was not
    // repainted yet: behind the box it must show what led to it (the last life gone).
    if (game_) game_->view()->repaint();
    QWidget* parent = QApplication::activeWindow();
    QMessageBox box(icon == MsgBoxIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok,
                    parent);
    box.exec();
}

QWidget* Navigator::window(Screen screen, bool create) {
    switch (screen) {
        case Screen::Game:
            if (!game_ && create) game_ = new GameWindow(*this);
            return game_;
        case Screen::Start:
        case Screen::Instructions:
        case Screen::Colours:
            break;
    }
    return nullptr;
}

void Navigator::Show(Screen screen) {
    if (ended_) return;
    if (QWidget* w = window(screen, true)) {
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void Navigator::Hide(Screen screen) {
    if (QWidget* w = window(screen, false)) w->hide();
}

void Navigator::End() {
    ended_ = true;
    if (game_) game_->stopTicking();
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    QCoreApplication::exit(0);
}

void Navigator::Randomize() {
    random_.seed(
        static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
}

float Navigator::Rnd() {
    // 24 random bits over 2^24: exactly representable, so never 1.
    return static_cast<float>(random_() >> 8) / 16777216.0f;
}

bool Navigator::OptionValue(ColourOption /*option*/) { return false; }

}  // namespace crumbleton
