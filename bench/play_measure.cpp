// The whole program in play: the real game window, served and steered with key
// events so that the ball stays in play, measured for a while. Prints the tick
// intervals, the CPU time, the painting time per frame and the peak memory, then
// the CPU time while the game is paused.
//
//   play_measure [--seconds=N] [--paused-seconds=N] [--win] [--no-floors]
//
// Offscreen unless DISPLAY or QT_QPA_PLATFORM is set. First, one after the other on the same
// platform, it runs the two floors beside it (timer_floor and qt_floor) for as
// long, and gives its figures also as ratios to theirs; --no-floors skips them.
// --win writes the full points into the caption as the measurement starts, so
// that it takes in the win sequence (the growing face), its message and a return.

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "captions.h"
#include "desktop.h"
#include "game_view.h"
#include "game_window.h"
#include "measure.h"
#include "navigator.h"

namespace crumbleton {
namespace {

using namespace measure;

constexpr auto kWarmUp = std::chrono::seconds(1);  // the window is shown and painted once

// Runs a floor program to its end, passing its report through; its figures, or
// none if it failed.
std::optional<Floor> RunFloor(const std::string& command) {
    std::fflush(stdout);
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::optional<Floor> result;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        Floor floor;
        if (ParseFloor(line, floor))
            result = floor;
        else
            std::fputs(line, stdout);
    }
    if (pclose(pipe) != 0) return std::nullopt;
    return result;
}

// The command that runs a program beside this one, named as this one was.
std::string Beside(const char* argv0, const char* program) {
    const std::filesystem::path self(argv0);
    return self.has_parent_path() ? (self.parent_path() / program).string() : program;
}

// value / floor, as "within limit x" against the ratio target.
void PrintRatio(const char* what, double value, double floor, double limit) {
    if (floor <= 0) return;
    char target[32];
    std::snprintf(target, sizeof target, "within %.1fx", limit);
    PrintRow(what, value / floor, "x", target, value / floor <= limit);
}

// Plays as a player who keeps both paddles under the ball: an arrow key is held
// while the ball is more than a dead band away, and space serves a parked ball.
class Player {
public:
    Player(Navigator& navigator, GameWindow& window) : navigator_(navigator), window_(window) {}

    void play() {
        frmGame& game = window_.game();
        if (!window_.isVisible()) {
            // A game ended (its message was closed): back to the game screen from the
            // start menu, as a player goes.
            ++interruptions;
            StartWindow* start = navigator_.startWindow();
            if (auto* button = start ? start->findChild<QAbstractButton*>("Command1") : nullptr;
                button != nullptr && start->isVisible())
                button->click();
            else
                navigator_.Show(Screen::Game);
        }
        if (game.BallSpeedX == 0 && game.BallSpeedY == 0) {
            send(QEvent::KeyPress, Qt::Key_Space, false);
            send(QEvent::KeyRelease, Qt::Key_Space, false);
            ++serves;
        }
        const Shape& paddle = game.shpPaddle[0];
        const float gap = (game.shpBall.Left + game.shpBall.Width / 2) - (paddle.Left + paddle.Width / 2);
        const int wanted = gap > kDeadBand ? Qt::Key_Right : gap < -kDeadBand ? Qt::Key_Left : 0;
        if (wanted != held_) {
            if (held_ != 0) send(QEvent::KeyRelease, held_, false);
            if (wanted != 0) send(QEvent::KeyPress, wanted, false);
            held_ = wanted;
        } else if (held_ != 0 && game.PaddleSpeed == 0) {
            // A lost ball stopped the paddles; the desktop's auto-repeat restarts them.
            send(QEvent::KeyPress, held_, true);
        }
    }

    int serves = 0;
    int interruptions = 0;

private:
    void send(QEvent::Type type, int key, bool autoRepeat) {
        QWidget* target = window_.focusWidget() ? window_.focusWidget() : &window_;
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(target, &event);
    }

    Navigator& navigator_;
    GameWindow& window_;
    int held_ = 0;
};

}  // namespace
}  // namespace crumbleton

int main(int argc, char* argv[]) {
    using namespace crumbleton;
    using namespace crumbleton::measure;
    double seconds = 20, pausedSeconds = 5;
    bool win = false, floors = true;
    for (int i = 1; i < argc; ++i) {
        seconds = NumberOption(argv[i], "seconds", seconds);
        pausedSeconds = NumberOption(argv[i], "paused-seconds", pausedSeconds);
        if (std::strcmp(argv[i], "--win") == 0) win = true;
        if (std::strcmp(argv[i], "--no-floors") == 0) floors = false;
    }

    ChoosePlatform();
    // The floors run first, each alone, so that none takes the others' CPU.
    std::optional<Floor> timerFloor, qtFloor;
    if (floors) {
        char duration[32];
        std::snprintf(duration, sizeof duration, " --seconds=%g", seconds);
        timerFloor = RunFloor(Beside(argv[0], "timer_floor") + duration);
        qtFloor = RunFloor(Beside(argv[0], "qt_floor") + duration);
        if (!timerFloor || !qtFloor) {
            std::fprintf(stderr, "play_measure: a floor program failed\n");
            return 1;
        }
    }

    QApplication app(argc, argv);
    InstallFontSubstitutes();

    // The program's way in: the start menu, then its "Start Game!".
    Navigator navigator;
    navigator.Show(Screen::Start);
    QApplication::processEvents();
    if (auto* start = navigator.startWindow()->findChild<QAbstractButton*>("Command1")) start->click();
    if (navigator.gameWindow() == nullptr) {
        std::fprintf(stderr, "play_measure: the start menu did not lead to the game\n");
        return 1;
    }
    GameWindow& window = *navigator.gameWindow();
    Player player(navigator, window);

    bool measuring = false;
    std::vector<Clock::time_point> ticks;
    std::vector<double> paintMs;
    double paintedPixels = 0;
    int ticksInPlay = 0, ballsLost = 0;
    double lives = CaptionToNumber(window.game().lblLives.Caption);
    ticks.reserve(static_cast<std::size_t>(seconds * 70) + 16);
    paintMs.reserve(static_cast<std::size_t>(seconds * 70) + 16);

    window.setTickObserver([&] {
        if (measuring) {
            ticks.push_back(Clock::now());
            const frmGame& game = window.game();
            if (game.BallSpeedX != 0 || game.BallSpeedY != 0) ++ticksInPlay;
            const double now = CaptionToNumber(game.lblLives.Caption);
            if (now < lives) ++ballsLost;
            lives = now;
        }
        player.play();
    });
    window.view()->setPaintObserver([&](std::chrono::nanoseconds time, const QRegion& region) {
        if (!measuring) return;
        paintMs.push_back(Ms(time).count());
        for (const QRect& r : region) paintedPixels += static_cast<double>(r.width()) * r.height();
    });

    // Closes any end-of-game message as a player would, so the run goes on.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
    });
    closer.start(250);

    const auto reproduce = [&] {
        std::printf("  reproduce: %s%s --seconds=%g --paused-seconds=%g%s%s\n", EnvironmentPrefix().c_str(),
                    argv[0], seconds, pausedSeconds, win ? " --win" : "", floors ? "" : " --no-floors");
    };

    double cpuStart = 0;
    Clock::time_point wallStart;
    QTimer::singleShot(kWarmUp, [&] {
        measuring = true;
        if (win) window.game().lblPoints.Caption = "6900";
        cpuStart = CpuSeconds();
        wallStart = Clock::now();
    });
    const auto playEnd = kWarmUp + std::chrono::milliseconds(static_cast<long>(seconds * 1000));
    QTimer::singleShot(playEnd, [&] {
        measuring = false;
        const double cpu = CpuSeconds() - cpuStart;
        const double wall = std::chrono::duration<double>(Clock::now() - wallStart).count();

        const Stats tick = Summarise(Intervals(ticks));
        const Stats paint = Summarise(paintMs);
        const double cpuShare = 100.0 * cpu / wall;
        const double peak = PeakResidentMiB();
        const QSize view = window.view()->size();
        const double areaShare = paintMs.empty()
                                     ? 0
                                     : 100.0 * paintedPixels / static_cast<double>(paintMs.size()) /
                                           (static_cast<double>(view.width()) * view.height());

        std::printf("\nThe whole program in play: %.0f s on the %s platform, device pixel ratio %.2g\n", wall,
                    qPrintable(QGuiApplication::platformName()), window.devicePixelRatioF());
        PrintHeader();
        PrintRow("tick interval, mean", tick.mean, "ms", "within 1% of 16 ms",
                 std::abs(tick.mean - kPeriodMs) <= 0.01 * kPeriodMs);
        PrintRow("tick interval, median", tick.median, "ms");
        PrintRow("tick interval, 99th percentile", tick.p99, "ms", "under 20 ms", tick.p99 < 20);
        if (timerFloor)
            PrintRatio("  as a ratio to the timer floor's", tick.p99, timerFloor->interval.p99, 1.1);
        PrintRow("tick interval, max", tick.max, "ms");
        if (timerFloor)
            PrintRatio("  as a ratio to the timer floor's", tick.max, timerFloor->interval.max, 1.1);
        PrintRow("CPU time, share of one core", cpuShare, "%", "under 3 %", cpuShare < 3);
        if (qtFloor) PrintRatio("  as a ratio to the Qt floor's", cpuShare, qtFloor->cpuShare, 1.2);
        PrintRow("painting per frame, mean", paint.mean, "ms");
        PrintRow("painting per frame, median", paint.median, "ms");
        PrintRow("painting per frame, 99th percentile", paint.p99, "ms");
        PrintRow("painted area per frame, mean", areaShare, "%", "of the game view");
        PrintRow("peak resident memory", peak, "MiB", "under 40 MiB", peak < 40);
        std::printf(
            "  %zu ticks, %zu frames painted, ball in play %.1f%% of the ticks, %d balls lost, %d serves,"
            " %d games ended\n",
            ticks.size(), paintMs.size(), ticks.empty() ? 0.0 : 100.0 * ticksInPlay / ticks.size(), ballsLost,
            player.serves, player.interruptions);
        if (pausedSeconds <= 0) {
            reproduce();
            navigator.Quit();
            return;
        }
        // Paused, no message can come, so the closer's wake-ups would only be ours.
        closer.stop();
        window.setPaused(true);
    });
    // Measured once the pause has been drawn.
    const auto pauseStart = playEnd + kWarmUp / 2;
    if (pausedSeconds > 0) {
        QTimer::singleShot(pauseStart, [&] {
            cpuStart = CpuSeconds();
            wallStart = Clock::now();
        });
        QTimer::singleShot(
            pauseStart + std::chrono::milliseconds(static_cast<long>(pausedSeconds * 1000)), [&] {
                const double cpu = CpuSeconds() - cpuStart;
                const double wall = std::chrono::duration<double>(Clock::now() - wallStart).count();
                const double cpuShare = 100.0 * cpu / wall;
                const double peak = PeakResidentMiB();
                std::printf("\nThe whole program paused: %.0f s after the play above\n", wall);
                PrintHeader();
                PrintRow("CPU time, share of one core", cpuShare, "%", "under 0.1 %", cpuShare < 0.1);
                PrintRow("peak resident memory", peak, "MiB", "under 40 MiB", peak < 40);
                reproduce();
                navigator.Quit();
            });
    }
    return QApplication::exec();
}
