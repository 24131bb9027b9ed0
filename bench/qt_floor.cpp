// The cheapest frame Qt allows here: a bare Qt Widgets window that, every 16 ms,
// moves and repaints three rectangles the size of the game's ball and paddles, the
// way the game's frame does, and nothing else.
//
//   qt_floor [--seconds=N]     offscreen unless DISPLAY or QT_QPA_PLATFORM is set

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "fake_toolkit.h"
#include "frm_game.h"
#include "game_window.h"
#include "measure.h"
#include "scale.h"

namespace crumbleton {
namespace {

using namespace measure;

// The floor keeps the game's pace.
static_assert(kPeriod == kTickPeriod);

struct Box {
    double left, top, width, height;  // twips
    QRect pixels() const {
        const auto px = [](double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); };
        return QRect(px(left), px(top), px(width), px(height));
    }
};

// Twips a tick, as the game moves them.
constexpr double kBallStep = 50, kPaddleStep = 105;

// The ball flies between the paddles and bounces off the field's sides; each paddle
// follows it as play_measure's player steers them.
class FloorWindow : public QWidget {
public:
    explicit FloorWindow(const frmGame& layout)
        : field_{layout.shpField.Left, layout.shpField.Top, layout.shpField.Width, layout.shpField.Height},
          ball_{layout.shpBall.Left, layout.shpBall.Top, layout.shpBall.Width, layout.shpBall.Height} {
        for (std::size_t i = 0; i < paddles_.size(); ++i) {
            const Shape& p = layout.shpPaddle[i];
            paddles_[i] = {p.Left, p.Top, p.Width, p.Height};
        }
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(static_cast<int>(layout.ClientWidth / kTwipsPerPixel),
                     static_cast<int>(layout.ClientHeight / kTwipsPerPixel));
    }

    void step() {
        QRegion dirty = ball_.pixels().adjusted(-1, -1, 1, 1);
        ball_.left += speedX_;
        ball_.top += speedY_;
        if (ball_.left < field_.left || ball_.left + ball_.width > field_.left + field_.width)
            speedX_ = -speedX_;
        if (ball_.top < paddles_[1].top + paddles_[1].height || ball_.top + ball_.height > paddles_[0].top)
            speedY_ = -speedY_;
        dirty += ball_.pixels().adjusted(-1, -1, 1, 1);
        for (Box& paddle : paddles_) {
            const double gap = (ball_.left + ball_.width / 2) - (paddle.left + paddle.width / 2);
            if (std::abs(gap) <= kDeadBand) continue;
            dirty += paddle.pixels().adjusted(-1, -1, 1, 1);
            paddle.left += gap > 0 ? kPaddleStep : -kPaddleStep;
            dirty += paddle.pixels().adjusted(-1, -1, 1, 1);
        }
        update(dirty);
    }

    std::vector<double> paintMs;
    double paintedPixels = 0;
    bool measuring = false;

protected:
    void paintEvent(QPaintEvent* event) override {
        const auto start = Clock::now();
        {
            QPainter painter(this);
            painter.fillRect(event->rect(), Qt::lightGray);
            painter.fillRect(ball_.pixels(), Qt::red);
            for (const Box& paddle : paddles_) painter.fillRect(paddle.pixels(), Qt::blue);
        }
        if (!measuring) return;
        paintMs.push_back(Ms(Clock::now() - start).count());
        for (const QRect& r : event->region()) paintedPixels += static_cast<double>(r.width()) * r.height();
    }

private:
    Box field_, ball_;
    std::array<Box, 2> paddles_{};
    double speedX_ = kBallStep, speedY_ = -kBallStep;
};

}  // namespace
}  // namespace crumbleton

int main(int argc, char* argv[]) {
    using namespace crumbleton;
    using namespace crumbleton::measure;
    double seconds = 20;
    for (int i = 1; i < argc; ++i) seconds = NumberOption(argv[i], "seconds", seconds);
    ChoosePlatform();

    QApplication app(argc, argv);
    // Only for reading the laid-out sizes; the floor runs no rule of the game.
    testing::FakeToolkit toolkit;
    const frmGame layout(toolkit);
    FloorWindow window(layout);
    window.show();

    std::vector<Clock::time_point> ticks;
    ticks.reserve(static_cast<std::size_t>(seconds * 70) + 16);
    window.paintMs.reserve(ticks.capacity());
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (window.measuring) ticks.push_back(Clock::now());
        window.step();
    });
    timer.start(kPeriod);

    double cpuStart = 0;
    Clock::time_point wallStart;
    constexpr auto kWarmUp = std::chrono::seconds(1);  // as play_measure's
    QTimer::singleShot(kWarmUp, [&] {
        window.measuring = true;
        cpuStart = CpuSeconds();
        wallStart = Clock::now();
    });
    QTimer::singleShot(kWarmUp + std::chrono::milliseconds(static_cast<long>(seconds * 1000)), [&] {
        window.measuring = false;
        const double cpu = CpuSeconds() - cpuStart;
        const double wall = std::chrono::duration<double>(Clock::now() - wallStart).count();
        const Floor floor{Summarise(Intervals(ticks)), 100.0 * cpu / wall};
        const Stats paint = Summarise(window.paintMs);
        const QSize size = window.size();
        const double areaShare = window.paintMs.empty()
                                     ? 0
                                     : 100.0 * window.paintedPixels /
                                           static_cast<double>(window.paintMs.size()) /
                                           (static_cast<double>(size.width()) * size.height());

        std::printf(
            "\nThe Qt floor: a bare window repainting a ball and two paddles, %.0f s on the %s platform,"
            " device pixel ratio %.2g\n",
            wall, qPrintable(QGuiApplication::platformName()), window.devicePixelRatioF());
        PrintHeader();
        PrintIntervals("tick", floor.interval);
        PrintRow("CPU time, share of one core", floor.cpuShare, "%");
        PrintRow("painting per frame, mean", paint.mean, "ms");
        PrintRow("painted area per frame, mean", areaShare, "%", "of the window");
        PrintRow("peak resident memory", PeakResidentMiB(), "MiB");
        std::printf("  %zu ticks, %zu frames painted\n", ticks.size(), window.paintMs.size());
        std::printf("  reproduce: %s%s --seconds=%g\n", EnvironmentPrefix().c_str(), argv[0], seconds);
        PrintFloor(floor);
        QApplication::quit();
    });
    return QApplication::exec();
}
