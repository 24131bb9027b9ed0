// The whole program in play: the real game window, served and steered with key
// events so that the ball stays in play, measured for a while. Prints the tick
// intervals, the CPU time, the painting time per frame and the peak memory.
//
//   play_measure [--seconds=N] [--win]     offscreen unless DISPLAY is set
//
// --win writes the full points into the caption as the measurement starts, so
// that it takes in the win sequence (the growing face), its message and a return.

#include <sys/resource.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "captions.h"
#include "desktop.h"
#include "game_view.h"
#include "game_window.h"
#include "navigator.h"

namespace crumbleton {
namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr auto kWarmUp = std::chrono::seconds(1);  // the window is shown and painted once
constexpr double kPeriodMs = 16.0;
constexpr float kDeadBand = 150;  // twips the paddles' centre may stray from the ball's

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double PeakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

struct Stats {
    double mean = 0, median = 0, p99 = 0, max = 0;
};

Stats Summarise(std::vector<double> values) {
    Stats s;
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    double sum = 0;
    for (double v : values) sum += v;
    const auto rank = [&](double p) {
        const auto i = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
        return values[std::min(i, values.size() - 1)];
    };
    s.mean = sum / static_cast<double>(values.size());
    s.median = rank(0.5);
    s.p99 = rank(0.99);
    s.max = values.back();
    return s;
}

// Plays as a player who keeps both paddles under the ball: an arrow key is held
// while the ball is more than a dead band away, and space serves a parked ball.
class Player {
public:
    Player(Navigator& navigator, GameWindow& window) : navigator_(navigator), window_(window) {}

    void play() {
        frmGame& game = window_.game();
        if (!window_.isVisible()) {
            // A game ended (its message was closed): back to the game screen.
            ++interruptions;
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

void PrintRow(const char* what, double value, const char* unit, const char* target = "", int verdict = -1) {
    std::printf("  %-34s %10.3f %-5s %-26s %s\n", what, value, unit, target,
                verdict < 0 ? ""
                : verdict   ? "met"
                            : "MISSED");
}

}  // namespace
}  // namespace crumbleton

int main(int argc, char* argv[]) {
    using namespace crumbleton;
    double seconds = 20;
    bool win = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--seconds=", 10) == 0) seconds = std::atof(argv[i] + 10);
        if (std::strcmp(argv[i], "--win") == 0) win = true;
    }
    const bool display = !qEnvironmentVariableIsEmpty("DISPLAY");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", display ? "xcb" : "offscreen");

    QApplication app(argc, argv);
    InstallFontSubstitutes();

    Navigator navigator;
    navigator.Show(Screen::Game);
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

    double cpuStart = 0;
    Clock::time_point wallStart;
    QTimer::singleShot(kWarmUp, [&] {
        measuring = true;
        if (win) window.game().lblPoints.Caption = "6900";
        cpuStart = CpuSeconds();
        wallStart = Clock::now();
    });
    QTimer::singleShot(kWarmUp + std::chrono::milliseconds(static_cast<long>(seconds * 1000)), [&] {
        measuring = false;
        const double cpu = CpuSeconds() - cpuStart;
        const double wall = std::chrono::duration<double>(Clock::now() - wallStart).count();

        std::vector<double> intervals;
        for (std::size_t i = 1; i < ticks.size(); ++i)
            intervals.push_back(Ms(ticks[i] - ticks[i - 1]).count());
        const Stats tick = Summarise(intervals);
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
        std::printf("  %-34s %10s %-5s %-26s %s\n", "measure", "value", "unit", "target", "");
        PrintRow("tick interval, mean", tick.mean, "ms", "within 1% of 16 ms",
                 std::abs(tick.mean - kPeriodMs) <= 0.01 * kPeriodMs);
        PrintRow("tick interval, median", tick.median, "ms");
        PrintRow("tick interval, 99th percentile", tick.p99, "ms", "under 20 ms", tick.p99 < 20);
        PrintRow("tick interval, max", tick.max, "ms");
        PrintRow("CPU time, share of one core", cpuShare, "%", "under 3 %", cpuShare < 3);
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
        const std::string prefix =
            display ? "DISPLAY=" + qEnvironmentVariable("DISPLAY").toStdString() + " " : "";
        std::printf("  reproduce: %s%s --seconds=%g%s\n", prefix.c_str(), argv[0], seconds,
                    win ? " --win" : "");
        navigator.Quit();
    });
    return QApplication::exec();
}
