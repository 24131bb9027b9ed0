#include "instructions_window.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

#include "desktop.h"
#include "form_layout.h"
#include "pictures.h"
#include "scale.h"

namespace crumbleton {

namespace {

// An image control: its SVG picture stretched over the whole control.
class PictureBox : public QWidget {
public:
    PictureBox(QWidget* parent, const QString& path) : QWidget(parent), renderer_(path) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_.render(&painter, QRectF(rect()));
    }

private:
    QSvgRenderer renderer_;
};

// A shape drawn as an outline only, its edges on device pixels at any scale.
class OutlineBox : public QFrame {
public:
    OutlineBox(QWidget* parent, const FormLayout& layout) : QFrame(parent), layout_(layout) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QTransform device = DeviceTransform(this);
        const QTransform back = device.inverted();
        // The widget's own edges, snapped as the painter will draw them.
        const QRectF r(back.map(device.map(QPointF(0, 0)).toPoint()),
                       back.map(device.map(QPointF(width(), height())).toPoint()));
        DrawOutline(painter, r, layout_.scale().outlineWidth(device), ToQColor(kWindowText, palette()));
    }

private:
    const FormLayout& layout_;
};

const Font kTextFont{"Californian FB", 12, false, false};
const Font kLegendFont{"Bell MT", 12, true, false};

}  // namespace

InstructionsWindow::InstructionsWindow(Toolkit& toolkit, QWidget* parent)
    : SideScreen(toolkit, Screen::Instructions, parent) {
    setObjectName("frmInstructions");
    setWindowTitle("Crumbleton");
    UseButtonFaceBackground(this);
    auto* layout = new FormLayout(this, QRectF(0, 0, 10005, 8985), false);

    MakeLabel(*layout, this, "Label1", "How To Play:", QRectF(600, 360, 1935, 375),
              Font{"MS Sans Serif", 13.5f, false, true});
    MakeLabel(*layout, this, "lblHowTo1",
              "The goal of Crumbleton is to destroy all the bricks without losing any lives.",
              QRectF(480, 960, 3255, 855), kTextFont);
    MakeLabel(
        *layout, this, "Label2",
        "In this version of crumbleton you must control two paddles using the left and right arrow keys",
        QRectF(4800, 960, 4095, 855), kTextFont);
    MakeLabel(
        *layout, this, "Label4",
        "Every time the game starts or is reset a power up is randomly chosen and will spawn in the middle "
        "of the playing field. Use these power ups to help you destroy the bricks.",
        QRectF(120, 4200, 3735, 1575), kTextFont);
    MakeLabel(
        *layout, this, "Label3",
        "You lose lives when the ball goes out of bounds, which is below the bottom paddle or above the top "
        "paddle. ",
        QRectF(5040, 4560, 3735, 975), kTextFont);

    layout->add(new PictureBox(this, ":/pictures/arrow_keys.svg"), "Image1", {5280, 2160, 3015, 1905});
    layout->add(new PictureBox(this, ":/pictures/field_bottom.svg"), "Image5", {4440, 6480, 5205, 1470});

    // The legend, laid out as on the game screen.
    MakeLabel(*layout, this, "lblPowerUps", "Power Ups", QRectF(1200, 6120, 1575, 375),
              Font{"MS Sans Serif", 12, true, false}, TextAlign::Centre);
    layout->add(new OutlineBox(this, *layout), "Shape1", {720, 6600, 2535, 2055});
    layout->add(new PictureBox(this, PicturePath(Picture::CompactDisc)), "imgLive", {840, 6720, 480, 480});
    layout->add(new PictureBox(this, PicturePath(Picture::Banana)), "imgBananna", {840, 7320, 480, 480});
    layout->add(new PictureBox(this, PicturePath(Picture::BurningMatch)), "imgshield", {840, 7920, 480, 480});
    MakeLabel(*layout, this, "lblLife", " Extra Life", QRectF(1560, 6840, 1215, 375), kLegendFont);
    MakeLabel(*layout, this, "Label6", "Large Paddle", QRectF(1560, 7440, 1455, 375), kLegendFont,
              TextAlign::Centre);
    MakeLabel(*layout, this, "Label5", "Shield", QRectF(1680, 8160, 975, 255), kLegendFont,
              TextAlign::Centre);

    makeBackButton(*layout, {7920, 8160, 1815, 735}, Font{"MS Sans Serif", 12, true, false})
        ->setAutoDefault(true);
    layout->fit();
}

}  // namespace crumbleton
