#include "instructions_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

#include "desktop.h"
#include "form_layout.h"
#include "pictures.h"

namespace crumbleton {

namespace {

// An image control: its SVG picture stretched over the whole control.
class PictureBox : public QWidget {
public:
    PictureBox(QWidget* parent, const char* name, const QString& path, const QRect& geometry)
        : QWidget(parent), renderer_(path) {
        setObjectName(name);
        setGeometry(geometry);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_.render(&painter, QRectF(rect()));
    }

private:
    QSvgRenderer renderer_;
};

const Font kTextFont{"Californian FB", 12, false, false};
const Font kLegendFont{"Bell MT", 12, true, false};

}  // namespace

InstructionsWindow::InstructionsWindow(Toolkit& toolkit, QWidget* parent)
    : QWidget(parent), toolkit_(toolkit) {
    setObjectName("frmInstructions");
    setWindowTitle("Crumbleton");
    UseButtonFaceBackground(this);
    SizeWindow(this, TwipsRect(0, 0, 10005, 8985).size());

    MakeLabel(this, "Label1", "How To Play:", TwipsRect(600, 360, 1935, 375),
              Font{"MS Sans Serif", 13.5f, false, true});
    MakeLabel(this, "lblHowTo1",
              "The goal of Crumbleton is to destroy all the bricks without losing any lives.",
              TwipsRect(480, 960, 3255, 855), kTextFont);
    MakeLabel(
        this, "Label2",
        "In this version of crumbleton you must control two paddles using the left and right arrow keys",
        TwipsRect(4800, 960, 4095, 855), kTextFont);
    MakeLabel(
        this, "Label4",
        "Every time the game starts or is reset a power up is randomly chosen and will spawn in the middle "
        "of the playing field. Use these power ups to help you destroy the bricks.",
        TwipsRect(120, 4200, 3735, 1575), kTextFont);
    MakeLabel(
        this, "Label3",
        "You lose lives when the ball goes out of bounds, which is below the bottom paddle or above the top "
        "paddle. ",
        TwipsRect(5040, 4560, 3735, 975), kTextFont);

    new PictureBox(this, "Image1", ":/pictures/arrow_keys.svg", TwipsRect(5280, 2160, 3015, 1905));
    new PictureBox(this, "Image5", ":/pictures/field_bottom.svg", TwipsRect(4440, 6480, 5205, 1470));

    // The legend, laid out as on the game screen.
    MakeLabel(this, "lblPowerUps", "Power Ups", TwipsRect(1200, 6120, 1575, 375),
              Font{"MS Sans Serif", 12, true, false}, TextAlign::Centre);
    auto* shape1 = new QFrame(this);
    shape1->setObjectName("Shape1");
    shape1->setGeometry(TwipsRect(720, 6600, 2535, 2055));
    shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette outline = shape1->palette();
    outline.setColor(QPalette::WindowText, ToQColor(kWindowText, outline));
    shape1->setPalette(outline);
    new PictureBox(this, "imgLive", PicturePath(Picture::CompactDisc), TwipsRect(840, 6720, 480, 480));
    new PictureBox(this, "imgBananna", PicturePath(Picture::Banana), TwipsRect(840, 7320, 480, 480));
    new PictureBox(this, "imgshield", PicturePath(Picture::BurningMatch), TwipsRect(840, 7920, 480, 480));
    MakeLabel(this, "lblLife", " Extra Life", TwipsRect(1560, 6840, 1215, 375), kLegendFont);
    MakeLabel(this, "Label6", "Large Paddle", TwipsRect(1560, 7440, 1455, 375), kLegendFont,
              TextAlign::Centre);
    MakeLabel(this, "Label5", "Shield", TwipsRect(1680, 8160, 975, 255), kLegendFont, TextAlign::Centre);

    cmdBack = new QPushButton("Back", this);
    cmdBack->setObjectName("cmdBack");
    cmdBack->setGeometry(TwipsRect(7920, 8160, 1815, 735));
    cmdBack->setFont(ToQFont(Font{"MS Sans Serif", 12, true, false}));
    cmdBack->setAutoDefault(true);
    connect(cmdBack, &QPushButton::clicked, this, &InstructionsWindow::cmdBack_Click);
}

void InstructionsWindow::cmdBack_Click() {
    toolkit_.Show(Screen::Start);
    toolkit_.Hide(Screen::Instructions);
}

void InstructionsWindow::closeEvent(QCloseEvent* event) {
    cmdBack_Click();
    event->ignore();
}

}  // namespace crumbleton
