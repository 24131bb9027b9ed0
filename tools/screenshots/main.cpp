// Renders each screen, and the game in two moments of play, to PNG files in the
// directory given as the first argument: NAME.png at scale factor 1, NAME@2x.png at 2.
// A language given as the second argument (de, pt_BR, en...) renders the screens
// in it, and the two end-of-game messages too; without one, English, whatever the
// desktop's language. Run it on the offscreen platform with QT_SCALE_FACTOR set.

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QRadioButton>
#include <QTimer>
#include <cmath>
#include <cstdio>

#include "desktop.h"
#include "game_view.h"
#include "language.h"
#include "navigator.h"

namespace crumbleton {
namespace {

bool Save(QWidget* window, const QDir& dir, const QString& name) {
    window->show();
    QCoreApplication::processEvents();
    const QPixmap picture = window->grab();
    const int scale = static_cast<int>(std::lround(picture.devicePixelRatio()));
    const QString file =
        dir.filePath(scale == 1 ? name + ".png" : QString("%1@%2x.png").arg(name).arg(scale));
    if (!picture.save(file, "PNG")) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(file), picture.width(), picture.height());
    return true;
}

// One end-of-game message, as the game opens it, saved and closed.
bool SaveMessage(Navigator& navigator, const QDir& dir, const QString& name, std::string_view text,
                 std::string_view title, MessageIcon icon) {
    bool ok = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        poll.stop();
        ok = Save(box, dir, name);
        box->accept();
    });
    poll.start(10);
    navigator.ShowMessage(text, title, icon);
    return ok;
}

// The three power-up images back in the legend, where a reset leaves them.
void ParkPowerUps(frmGame& g) {
    g.imgLive.Left = g.imgBananna.Left = g.imgshield.Left = 9840;
    g.imgLive.Top = 7680;
    g.imgBananna.Top = 8280;
    g.imgshield.Top = 8880;
    g.LifeFalling = g.BananaFalling = g.ShieldFalling = 0;
}

// Nine strikes into a game: two orange bricks and two yellow ones gone, one
// yellow brick down to orange, one green down to yellow, and the black brick gone.
void StrikeSomeBricks(frmGame& g) {
    for (int i : {0, 5, 13, 14, 36}) g.Brick[i].Visible = false;
    g.Brick[15].FillColor = kOrange;
    g.Brick[29].FillColor = kYellow;
    g.lblPoints.Caption = "900";
    g.lblMessage.Visible = false;
}

// The ball in flight, up and to the right.
void Serve(frmGame& g, float left, float top) {
    g.shpBall.Left = left;
    g.shpBall.Top = top;
    g.BallSpeedX = 50;
    g.BallSpeedY = -50;
}

// The extra life falls from where the black brick stood.
void PowerUpFalling(frmGame& g) {
    ParkPowerUps(g);
    StrikeSomeBricks(g);
    Serve(g, 6300, 2400);
    g.imgLive.Left = 4080;
    g.imgLive.Top = 6480;
    g.LifeFalling = 45;
    g.lblLives.Caption = "2";
}

// The banana was caught: both paddles are at their large width and the countdown runs.
void LargePaddle(frmGame& g) {
    ParkPowerUps(g);
    StrikeSomeBricks(g);
    Serve(g, 2100, 7800);
    g.imgBananna.Left = 4080;
    g.imgBananna.Top = 9045;
    g.imgBananna.Visible = false;
    g.BananaFalling = 45;
    for (Shape& paddle : g.shpPaddle) {
        paddle.Left = 3000;
        paddle.Width = 2535;
    }
    g.lblTimer.Visible = g.lblTime.Visible = true;
    g.lblTime.Caption = "18.5";
}

}  // namespace
}  // namespace crumbleton

int main(int argc, char* argv[]) {
    using namespace crumbleton;
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: screenshots DIRECTORY [LANGUAGE]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    // As the program itself starts.
    QApplication::setApplicationName("Crumbleton");
    QApplication::setWindowIcon(QIcon(":/pictures/app_icon.svg"));
    InstallFontSubstitutes();
    const bool languageGiven = argc == 3;
    if (languageGiven) {
        const QString asked = QString::fromLocal8Bit(argv[2]);
        const std::optional<QString> language = ChooseLanguage({QLocale(asked).bcp47Name()});
        const bool english = QLocale(asked).language() == QLocale::English;
        if (!english && !(language && InstallLanguage(app, *language))) {
            std::fprintf(stderr, "screenshots: the game has no language %s; it has en %s\n", argv[2],
                         qPrintable(GameLanguages().join(' ')));
            return 2;
        }
        QDir().mkpath(dir.path());
    }

    Navigator navigator;
    bool ok = true;

    navigator.Show(Screen::Start);
    navigator.startWindow()->cmdOptions_Click();
    ok &= Save(navigator.startWindow(), dir, "start");

    navigator.Show(Screen::Instructions);
    ok &= Save(navigator.instructionsWindow(), dir, "instructions");

    navigator.Show(Screen::Game);
    GameWindow* game = navigator.gameWindow();
    game->stopTicking();
    frmGame& g = game->game();

    PowerUpFalling(g);
    g.ApplyColours();
    game->view()->update();
    ok &= Save(game, dir, "game_powerup");

    // A player's colours: a green ball, purple paddles, a light blue background.
    for (ColourOption option :
         {ColourOption::optGreen, ColourOption::optPaddlePurple, ColourOption::optBackLightBlue})
        navigator.colourWindow()->option(option)->setChecked(true);
    navigator.Show(Screen::Colours);
    ok &= Save(navigator.colourWindow(), dir, "colours");

    // Back at the game after choosing them, playing on: the colour window took the
    // activation, which pauses a ball in flight.
    game->setPaused(false);
    LargePaddle(g);
    g.ApplyColours();
    game->view()->update();
    ok &= Save(game, dir, "game_large_paddle");

    if (languageGiven) {
        ok &=
            SaveMessage(navigator, dir, "message_lost", " Game Over!!", " You Lose!", MessageIcon::Critical);
        ok &= SaveMessage(navigator, dir, "message_won", " congratulations, You Win!!", " Winner",
                          MessageIcon::None);
    }

    return ok ? 0 : 1;
}
