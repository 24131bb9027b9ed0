#include "form_layout.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "desktop.h"
#include "scaled_style.h"
#include "screen_fit.h"

namespace crumbleton {

QScreen* ScreenAt(QPoint where) {
    QScreen* screen = QGuiApplication::screenAt(where);
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

QRect ReachableRect(const QRect& wanted, const QRect& available) {
    const auto axis = [](int start, int size, int freeStart, int freeSize) {
        if (size >= freeSize) return freeStart;
        return std::clamp(start, freeStart, freeStart + freeSize - size);
    };
    return QRect(axis(wanted.x(), wanted.width(), available.x(), available.width()),
                 axis(wanted.y(), wanted.height(), available.y(), available.height()), wanted.width(),
                 wanted.height());
}

QMargins FrameMargins(const QWidget* window) {
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (!frame.isNull()) return frame;
    // The frame is the window manager's and unknown until the window is shown;
    // allow for a border and a title bar as the style draws them.
    const int border = window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    return QMargins(border, border + window->style()->pixelMetric(QStyle::PM_TitleBarHeight), border, border);
}

void MoveWindow(QWidget* window, const QRect& clientPx, const QScreen* screen) {
    const QMargins frame = FrameMargins(window);
    const QRect placed = ReachableRect(clientPx.marginsAdded(frame), screen->availableGeometry());
    // The geometry of a top-level widget is its client area, without the frame.
    window->setGeometry(placed.marginsRemoved(frame));
}

qreal FittingScale(const QWidget* window, QSize clientPx, const QScreen* screen, int fixedHeight) {
    return FittingScale(screen->availableGeometry().size(), FrameMargins(window), clientPx, fixedHeight);
}

qreal FittingScale(QSize available, QMargins frame, QSize clientPx, int fixedHeight) {
    // In floating point: a screen the toolkit got wrong can report sizes near the
    // ends of int's range, where taking the frame away would overflow.
    const qreal roomWidth = qreal(available.width()) - frame.left() - frame.right();
    const qreal roomHeight = qreal(available.height()) - frame.top() - frame.bottom() - fixedHeight;
    const qreal scale =
        std::min(roomWidth / clientPx.width(), roomHeight / (qreal(clientPx.height()) - fixedHeight));
    if (std::isnan(scale)) return 1.0;
    return std::clamp(scale, 0.1, 1.0);
}

void UseButtonFaceBackground(QWidget* window) {
    QPalette palette = window->palette();
    const QColor face = ToQColor(kButtonFace, palette);
    palette.setColor(QPalette::Window, face);
    // Labels, option buttons and frame titles write on it in the desktop's text
    // colours, which a desktop pairs with its window colour, not its button face.
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        for (const auto role : {QPalette::WindowText, QPalette::Text})
            palette.setColor(group, role, ReadableOn(face, palette.color(group, role)));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

int LegiblePixels(const Scale& scale) { return scale.font(Font{"", 7, false, false}).pixelSize(); }

QFont FittingFont(QFont font, const QString& text, const QSize& box, int flags, int minPixels) {
    for (int px = font.pixelSize(); px >= minPixels; --px) {
        font.setPixelSize(px);
        const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), box), flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height()) break;
    }
    return font;
}

QString ShownText(const QWidget* control) {
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) text = button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(control)) text = frame->title();
    // "&&" shows one "&"; a single "&" marks the access key and is not shown.
    text.replace(QLatin1String("&&"), QChar(0x1)).remove('&').replace(QChar(0x1), '&');
    return text;
}

QSize TextRoom(const QWidget* control) {
    const QStyle* style = control->style();
    const QSize size = control->size();
    if (qobject_cast<const QRadioButton*>(control)) {
        const int mark = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, control) +
                         style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, control);
        return QSize(size.width() - mark, size.height());
    }
    if (qobject_cast<const QPushButton*>(control)) {
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control);
        return size - QSize(2 * (frame + margin), 2 * frame);
    }
    if (qobject_cast<const QGroupBox*>(control)) {
        // The title sits on the frame's top line, indented from its corner.
        const int indent = style->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, control);
        return QSize(size.width() - 2 * indent, size.height());
    }
    return size;
}

int TextFlags(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control))
        return int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
}

FormLayout::FormLayout(QWidget* window, QRectF client, bool placed)
    : QObject(window), window_(window), client_(client), placed_(placed) {
    window_->setFixedSize(scale_.rect(0, 0, client_.width(), client_.height()).size());
    new ScreenFit(window_, [this](QScreen* screen, const QRect& wanted) { fitTo(screen, wanted.topLeft()); });
}

void FormLayout::place(const Control& control) const {
    if (!control.widget) return;
    const QRectF& t = control.twips;
    control.widget->setGeometry(scale_.rect(t.x(), t.y(), t.width(), t.height()));
    if (!control.font) return;
    QFont font = scale_.font(*control.font);
    QWidget* widget = control.widget;
    if (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
        qobject_cast<QGroupBox*>(widget)) {
        // Measured with the style the control draws with, at this scale.
        font =
            FittingFont(font, ShownText(widget), TextRoom(widget), TextFlags(widget), LegiblePixels(scale_));
    }
    widget->setFont(font);
}

void FormLayout::apply(qreal factor) {
    if (factor == scale_.factor()) return;
    scale_ = Scale(factor);
    if (style_ == nullptr) {
        style_ = new ScaledStyle(factor);
        connect(window_, &QObject::destroyed, style_, &QObject::deleteLater);
    }
    // setStyle reaches only the widget it is given.
    style_->setFactor(factor);
    window_->setStyle(style_);
    for (QWidget* child : window_->findChildren<QWidget*>()) child->setStyle(style_);
    window_->setFixedSize(scale_.rect(0, 0, client_.width(), client_.height()).size());
    for (const Control& control : controls_) place(control);
}

void FormLayout::fit() {
    const QRect client = Scale().rect(client_.x(), client_.y(), client_.width(), client_.height());
    QScreen* screen = ScreenAt(client.topLeft());
    apply(FittingScale(window_, client.size(), screen));
    if (placed_) MoveWindow(window_, QRect(client.topLeft(), window_->size()), screen);
}

void FormLayout::fitTo(QScreen* screen, QPoint wantedPx) {
    const QSize laidOut = Scale().rect(0, 0, client_.width(), client_.height()).size();
    apply(FittingScale(window_, laidOut, screen));
    // The size, set again, reaches the window system in the new screen's pixels.
    window_->resize(window_->minimumSize());
    MoveWindow(window_, QRect(wantedPx, window_->size()), screen);
}

QLabel* MakeLabel(FormLayout& layout, QWidget* parent, const char* name, const QString& caption, QRectF twips,
                  const Font& font, TextAlign alignment) {
    auto* label = new QLabel(caption, parent);
    label->setAlignment((alignment == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    return layout.add(label, name, twips, font);
}

}  // namespace crumbleton
