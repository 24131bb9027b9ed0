// The game window dragged through many sizes, as a player resizing it: the pictures
// the view keeps and the resident memory, before, during and after the sweep.
//
//   resize_measure [--resizes=N] [--from=PX] [--to=PX]
//
// Offscreen on the screenshots' large desktop unless DISPLAY or QT_QPA_PLATFORM is
// set; run it with QT_SCALE_FACTOR=2 for a high-density desktop.

#include <QApplication>
#include <QFile>
#include <QTest>
#include <cstdio>

#include "desktop.h"
#include "game_view.h"
#include "game_window.h"
#include "measure.h"
#include "navigator.h"

namespace {

double ResidentMiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    }
    return 0;
}

void Report(const char* when, const crumbleton::GameWindow& window) {
    const crumbleton::PictureCache& pictures = window.view()->pictures();
    std::printf("%-28s window %4dx%-4d  pictures %4zu  %8.2f MiB  resident %6.1f MiB\n", when, window.width(),
                window.height(), pictures.entries(), pictures.bytes() / 1048576.0, ResidentMiB());
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace crumbleton;
    using namespace crumbleton::measure;
    int resizes = 300, from = 430, to = 1900;
    for (int i = 1; i < argc; ++i) {
        resizes = static_cast<int>(NumberOption(argv[i], "resizes", resizes));
        from = static_cast<int>(NumberOption(argv[i], "from", from));
        to = static_cast<int>(NumberOption(argv[i], "to", to));
    }
    ChoosePlatform();
    QApplication app(argc, argv);
    InstallFontSubstitutes();

    Navigator navigator;
    navigator.Show(Screen::Game);
    GameWindow& window = *navigator.gameWindow();
    window.stopTicking();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    const QSize laidOut = window.size();
    window.view()->repaint();
    Report("at the laid-out size", window);

    // Widths from `from` to `to` and back, the height in the laid-out proportion.
    for (int i = 0; i < resizes; ++i) {
        const double t = resizes > 1 ? double(i) / (resizes - 1) : 0;
        const double along = t < 0.5 ? 2 * t : 2 - 2 * t;
        const int width = from + static_cast<int>(along * (to - from));
        window.resize(width, width * laidOut.height() / laidOut.width());
        QApplication::processEvents();
        window.view()->repaint();
        if (i == resizes / 2) Report("at the widest", window);
    }
    window.resize(laidOut);
    QApplication::processEvents();
    window.view()->repaint();
    Report("back at the laid-out size", window);
    // As a player lets go of the window's edge and plays on.
    QTest::qWait(1000);
    Report("a second later", window);
    std::printf("  %d resizes from %d to %d px wide and back, device pixel ratio %.2g\n", resizes, from, to,
                window.devicePixelRatioF());
    std::printf("  reproduce: %s%s --resizes=%d --from=%d --to=%d\n", EnvironmentPrefix().c_str(), argv[0],
                resizes, from, to);
    navigator.Quit();
    return 0;
}
