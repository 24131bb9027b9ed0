#pragma once
// Building a window in code from the twips of its layout: positions of a control
// inside a frame relative to the frame's corner, every control at the window's
// own scale, which shrinks the whole window where its screen is too small for it.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "controls.h"
#include "scale.h"

class QLabel;
class QScreen;
class QWidget;

namespace crumbleton {

class ScaledStyle;

// Where a window whose frame would cover `wanted` goes on a desktop whose free area
// is `available`: moved as little as lets it lie inside; one larger than the area
// keeps its top-left corner, and so its title bar, at the area's top-left corner.
QRect ReachableRect(const QRect& wanted, const QRect& available);

// The frame the window system puts around `window`: known once it is shown,
// estimated from the style before.
QMargins FrameMargins(const QWidget* window);

// The screen at `where` on the desktop, or the primary one off every screen.
QScreen* ScreenAt(QPoint where);

// Puts a top-level window's client area at `clientPx` on the desktop, or as near to
// it as keeps the window on `screen` (ReachableRect).
void MoveWindow(QWidget* window, const QRect& clientPx, const QScreen* screen);

// The largest scale, up to 1, at which a window of `clientPx` (logical pixels at the
// laid-out size) fits with its frame into the free area of `screen`;
// `fixedHeight` pixels of the client area, such as a menu bar, do not scale.
qreal FittingScale(const QWidget* window, QSize clientPx, const QScreen* screen, int fixedHeight = 0);
// The same for a free area of `available` and a window frame of `frame`, whatever
// sizes a screen reports.
qreal FittingScale(QSize available, QMargins frame, QSize clientPx, int fixedHeight = 0);

// Gives a window the button-face background of its layout.
void UseButtonFaceBackground(QWidget* window);

// The smallest text that stays legible at `scale`: 7 pt at the layout's 96 dpi.
int LegiblePixels(const Scale& scale);

// `font` made smaller, a pixel at a time, until `text` fits `box` with `flags`, but
// not below `minPixels`. The stand-in fonts, and translations, run wider than the
// texts the layout was made for.
QFont FittingFont(QFont font, const QString& text, const QSize& box, int flags, int minPixels);

// What a label, button, option button or frame shows as its text (without the "&"
// of its access key), the room it has for it, and how it lays it out there.
QString ShownText(const QWidget* control);
QSize TextRoom(const QWidget* control);
int TextFlags(const QWidget* control);

// The controls of one top-level window, each remembered with its twips, so that the
// whole window can be laid out at any scale. Owned by the window.
class FormLayout : public QObject {
public:
    // `client`: the client area in twips; its corner is the window's place on the
    // desktop, unless `placed` is false and the window system places the window.
    FormLayout(QWidget* window, QRectF client, bool placed);

    // Lays out `control` at twips inside its parent, with `font` if given. The font
    // shrinks where needed for the control's text to fit, down to a legible size.
    template <typename Widget>
    Widget* add(Widget* control, const char* name, QRectF twips, std::optional<Font> font = std::nullopt) {
        control->setObjectName(name);
        controls_.push_back({control, twips, font});
        place(controls_.back());
        return control;
    }

    // Shrinks the window, if needed, to fit its screen, and puts it in its place.
    void fit();
    // Lays the window out again for `screen`, its client area at `wantedPx` or as
    // near as fits.
    void fitTo(QScreen* screen, QPoint wantedPx);
    const Scale& scale() const { return scale_; }

private:
    struct Control {
        QPointer<QWidget> widget;
        QRectF twips;
        std::optional<Font> font;
    };
    void place(const Control& control) const;
    void apply(qreal factor);

    QWidget* window_;
    QRectF client_;
    bool placed_;
    std::vector<Control> controls_;
    Scale scale_;
    ScaledStyle* style_ = nullptr;
};

// A label of the layout: opaque and word-wrapped; `layout` places it and fits its font.
QLabel* MakeLabel(FormLayout& layout, QWidget* parent, const char* name, const QString& caption, QRectF twips,
                  const Font& font, TextAlign alignment = TextAlign::Left);

}  // namespace crumbleton
