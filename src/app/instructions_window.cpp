#include "instructions_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
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

// An image control: its SVG picture stretched over the whole control, told to a
// screen reader as a picture of what it shows.
class PictureBox : public QWidget {
public:
    PictureBox(QWidget* parent, const QString& path, const QString& shows)
        : QWidget(parent), renderer_(path) {
        setAccessibleName(shows);
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

QAccessibleInterface* PictureAccessible(const QString&, QObject* object) {
    if (auto* picture = dynamic_cast<PictureBox*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    return nullptr;
}

const Font kTextFont{"Californian FB", 12, false, false};
const Font kLegendFont{"Bell MT", 12, true, false};

}  // namespace

InstructionsWindow::InstructionsWindow(Toolkit& toolkit, QWidget* parent)
    : SideScreen(toolkit, Screen::Instructions, parent) {
    setObjectName("frmInstructions");
    //: The instructions' window title: the game's name.
    setWindowTitle(QCoreApplication::translate("InstructionsWindow", "Crumbleton"));
    //: What a screen reader calls the instructions' window (the title stays the game's name).
    setAccessibleName(QCoreApplication::translate("InstructionsWindow", "Crumbleton Instructions"));
    UseButtonFaceBackground(this);
    auto* layout = new FormLayout(this, QRectF(0, 0, 10005, 8985), false);

    //: Heading, 129 x 25 px, 13.5 pt underlined.
    MakeLabel(*layout, this, "Label1", QCoreApplication::translate("InstructionsWindow", "How To Play:"),
              QRectF(600, 360, 1935, 375), Font{"MS Sans Serif", 13.5f, false, true});
    //: Text, 217 x 57 px at 12 pt: three short lines.
    MakeLabel(*layout, this, "lblHowTo1",
              QCoreApplication::translate(
                  "InstructionsWindow",
                  "The goal of Crumbleton is to destroy all the bricks without losing any lives."),
              QRectF(480, 960, 3255, 855), kTextFont);
    //: Text above a picture of the arrow keys, 273 x 57 px at 12 pt: three lines. The
    //: game's two paddles, one at the bottom and one at the top, move together.
    MakeLabel(
        *layout, this, "Label2",
        QCoreApplication::translate("InstructionsWindow",
                                    "In this version of crumbleton you must control two paddles using the "
                                    "left and right arrow keys"),
        QRectF(4800, 960, 4095, 855), kTextFont);
    //: Text above the legend of the power-ups, 249 x 105 px at 12 pt: five lines.
    MakeLabel(
        *layout, this, "Label4",
        QCoreApplication::translate(
            "InstructionsWindow",
            "Every time the game starts or is reset a power up is randomly chosen and will spawn in the "
            "middle of the playing field. Use these power ups to help you destroy the bricks."),
        QRectF(120, 4200, 3735, 1575), kTextFont);
    //: Text above a picture of the ball leaving the field, 249 x 65 px at 12 pt: three
    //: lines. The trailing blank is the original's; a translation needs none.
    MakeLabel(
        *layout, this, "Label3",
        QCoreApplication::translate("InstructionsWindow",
                                    "You lose lives when the ball goes out of bounds, which is below the "
                                    "bottom paddle or above the top paddle. "),
        QRectF(5040, 4560, 3735, 975), kTextFont);

    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(&PictureAccessible), true);
    //: What a screen reader says of the picture beside the text on the paddles.
    const QString arrowKeys =
        QCoreApplication::translate("InstructionsWindow", "The left and right arrow keys");
    //: What a screen reader says of the picture beside the text on losing lives.
    const QString ballLost = QCoreApplication::translate(
        "InstructionsWindow",
        "The ball leaving the field past the bottom paddle, an arrow pointing down at it");
    layout->add(new PictureBox(this, ":/pictures/arrow_keys.svg", arrowKeys), "Image1",
                {5280, 2160, 3015, 1905});
    layout->add(new PictureBox(this, ":/pictures/field_bottom.svg", ballLost), "Image5",
                {4440, 6480, 5205, 1470});

    // The legend, laid out as on the game screen.
    //: Title of the legend of the three power-ups, 105 x 25 px, 12 pt bold, centred.
    MakeLabel(*layout, this, "lblPowerUps", QCoreApplication::translate("InstructionsWindow", "Power Ups"),
              QRectF(1200, 6120, 1575, 375), Font{"MS Sans Serif", 12, true, false}, TextAlign::Centre);
    layout->add(new OutlineBox(this, *layout), "Shape1", {720, 6600, 2535, 2055});
    //: What a screen reader says of the legend's picture of the extra life.
    const QString disc = QCoreApplication::translate("InstructionsWindow", "A compact disc");
    //: What a screen reader says of the legend's picture of the large paddle.
    const QString banana = QCoreApplication::translate("InstructionsWindow", "A banana");
    //: What a screen reader says of the legend's picture of the shield.
    const QString match = QCoreApplication::translate("InstructionsWindow", "A burning match");
    layout->add(new PictureBox(this, PicturePath(Picture::CompactDisc), disc), "imgLive",
                {840, 6720, 480, 480});
    layout->add(new PictureBox(this, PicturePath(Picture::Banana), banana), "imgBananna",
                {840, 7320, 480, 480});
    layout->add(new PictureBox(this, PicturePath(Picture::BurningMatch), match), "imgshield",
                {840, 7920, 480, 480});
    //: Legend, beside a compact disc, 81 x 25 px, 12 pt bold: the power-up that gives
    //: one more life. The leading blank is the original's; a translation needs none.
    MakeLabel(*layout, this, "lblLife", QCoreApplication::translate("InstructionsWindow", " Extra Life"),
              QRectF(1560, 6840, 1215, 375), kLegendFont);
    //: Legend, beside a banana, 97 x 25 px, 12 pt bold: the power-up that widens both paddles.
    MakeLabel(*layout, this, "Label6", QCoreApplication::translate("InstructionsWindow", "Large Paddle"),
              QRectF(1560, 7440, 1455, 375), kLegendFont, TextAlign::Centre);
    //: Legend, beside a burning match, 65 x 17 px, 12 pt bold: the power-up that puts a
    //: bar behind each paddle.
    MakeLabel(*layout, this, "Label5", QCoreApplication::translate("InstructionsWindow", "Shield"),
              QRectF(1680, 8160, 975, 255), kLegendFont, TextAlign::Centre);

    //: Button, 121 x 49 px, 12 pt bold: back to the start menu.
    makeBackButton(*layout, QCoreApplication::translate("InstructionsWindow", "Back"),
                   {7920, 8160, 1815, 735}, Font{"MS Sans Serif", 12, true, false})
        ->setAutoDefault(true);
    layout->fit();
}

}  // namespace crumbleton
