#include "field_accessibility.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <cmath>

#include "captions.h"
#include "game_view.h"
#include "layout.h"
#include "scale.h"
#include "window_commands.h"

namespace crumbleton {

namespace {

// A thing of the field: text to read, and a number where it tells one.
class FieldItemAccessible : public QAccessibleObject, public QAccessibleValueInterface {
public:
    explicit FieldItemAccessible(FieldItem* item) : QAccessibleObject(item) {}

    FieldItem* item() const { return static_cast<FieldItem*>(object()); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(item()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return item()->text;
        if (t == QAccessible::Description) return item()->description;
        if (t == QAccessible::Value && item()->value) return QString::number(*item()->value);
        return QString();
    }
    QRect rect() const override {
        const auto* view = static_cast<const QWidget*>(item()->parent());
        return QRect(view->mapToGlobal(item()->rect.topLeft()), item()->rect.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        const auto* view = static_cast<const QWidget*>(item()->parent());
        s.invisible = !item()->shown || !view->isVisible();
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && item()->value)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleObject::interface_cast(type);
    }

    QVariant currentValue() const override { return item()->value.value_or(0); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return QVariant(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 0; }
};

// The playing field, whose children are the things it shows.
class FieldAccessible : public QAccessibleWidget {
public:
    explicit FieldAccessible(GameView* view) : QAccessibleWidget(view, QAccessible::Canvas) {}

    int childCount() const override { return static_cast<int>(items().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<FieldItem*> all = items();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(items().indexOf(static_cast<FieldItem*>(child->object())));
    }
    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                //: What a screen reader calls the game window's playing field.
                return QCoreApplication::translate("GameWindow", "Playing field");
            case QAccessible::Description:
                //: What a screen reader says of the playing field: the keys of the game.
                return QCoreApplication::translate(
                    "GameWindow", "Left and Right arrows steer both paddles; Space serves the ball.");
            default:
                return QAccessibleWidget::text(t);
        }
    }

private:
    QList<FieldItem*> items() const { return widget()->findChildren<FieldItem*>(Qt::FindDirectChildrenOnly); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* item = qobject_cast<FieldItem*>(object)) return new FieldItemAccessible(item);
    if (auto* view = dynamic_cast<GameView*>(object)) return new FieldAccessible(view);
    return nullptr;
}

// Whole seconds, rounded up: a screen reader hears the countdown's second change,
// not its every hundredth.
QString Seconds(const std::string& caption) {
    return QString::number(static_cast<long>(std::ceil(CaptionToNumber(caption))));
}

}  // namespace

FieldAccessibility::FieldAccessibility(const frmGame& game, GameView* view) : game_(game), view_(view) {
    // Installed once for the program; every game window shares it.
    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(&Factory), true);
    lives_ = new FieldItem(view, "lives");
    points_ = new FieldItem(view, "points");
    countdown_ = new FieldItem(view, "countdown");
    message_ = new FieldItem(view, "message");
    powerUp_ = new FieldItem(view, "powerUp");
    paused_ = new FieldItem(view, "paused");
    paused_->description = PauseHint();
    read(false, false);
}

void FieldAccessibility::update(bool paused) { read(paused, true); }

void FieldAccessibility::set(FieldItem& item, const QString& text, bool shown, std::optional<double> value,
                             bool announce) {
    const bool named = text != item.text, showing = shown != item.shown, valued = value != item.value;
    item.text = text;
    item.shown = shown;
    item.value = value;
    if (!announce) return;
    const auto raise = [this](QAccessibleEvent&& event) {
        QAccessible::updateAccessibility(&event);
        if (observer_) observer_(&event);
    };
    if (showing) raise(QAccessibleEvent(&item, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide));
    if (named) raise(QAccessibleEvent(&item, QAccessible::NameChanged));
    if (valued && value) raise(QAccessibleValueChangeEvent(&item, *value));
}

void FieldAccessibility::read(bool paused, bool announce) {
    const frmGame& g = game_;
    const Scale scale = view_->sceneScale();
    const QTransform device = DeviceTransform(view_);
    const auto place = [&](FieldItem& item, float left, float top, float width, float height) {
        item.rect = scale.snapped(left, top, width, height, device).toAlignedRect();
    };
    const auto labelled = [](const Label& title, const QString& number) {
        return ShownCaption(title.Caption).trimmed() + ' ' + number;
    };

    place(*lives_, g.lblLives.Left, g.lblLives.Top, g.lblLives.Width, g.lblLives.Height);
    const double lives = CaptionToNumber(g.lblLives.Caption);
    set(*lives_, labelled(g.lblLivesF, QString::fromStdString(g.lblLives.Caption)), true, lives, announce);

    place(*points_, g.lblPoints.Left, g.lblPoints.Top, g.lblPoints.Width, g.lblPoints.Height);
    const double points = CaptionToNumber(g.lblPoints.Caption);
    set(*points_, labelled(g.lblPointsF, QString::fromStdString(g.lblPoints.Caption)), true, points,
        announce);

    place(*countdown_, g.lblTime.Left, g.lblTime.Top, g.lblTime.Width, g.lblTime.Height);
    const bool counting = g.lblTime.Visible;
    set(*countdown_, labelled(g.lblTimer, counting ? Seconds(g.lblTime.Caption) : QString()).trimmed(),
        counting, std::nullopt, announce);

    place(*message_, g.lblMessage.Left, g.lblMessage.Top, g.lblMessage.Width, g.lblMessage.Height);
    set(*message_, ShownCaption(g.lblMessage.Caption), g.lblMessage.Visible, std::nullopt, announce);

    // The power-up of this game: the picture that left its home for the waiting spot.
    struct PowerUp {
        const Image& image;
        const Label& legend;
        std::int16_t falling;
    };
    const PowerUp powerUps[] = {{g.imgLive, g.lblLife, g.LifeFalling},
                                {g.imgBananna, g.Label1, g.BananaFalling},
                                {g.imgshield, g.Label2, g.ShieldFalling}};
    QString powerUpText;
    bool powerUpShown = false;
    for (const PowerUp& p : powerUps) {
        if (p.image.Left != kWaitingLeft) continue;
        place(*powerUp_, p.image.Left, p.image.Top, kIconTwips, kIconTwips);
        const QString name = ShownCaption(p.legend.Caption).trimmed();
        const bool pastTheField = p.image.Top >= g.shpField.Top + g.shpField.Height;
        powerUpShown = !(p.image.Visible && pastTheField);
        if (!p.image.Visible)
            //: What a screen reader says once the bottom paddle has caught the power-up
            //: (%1: "Extra Life", "Large Paddle" or "Shield").
            powerUpText = QCoreApplication::translate("GameWindow", "Power up caught: %1").arg(name);
        else if (p.falling > 0)
            //: What a screen reader says while the power-up falls (%1: its name).
            powerUpText = QCoreApplication::translate("GameWindow", "Power up falling: %1").arg(name);
        else
            //: What a screen reader says of the power-up waiting on the black brick (%1: its name).
            powerUpText =
                QCoreApplication::translate("GameWindow", "Power up on the black brick: %1").arg(name);
        break;
    }
    set(*powerUp_, powerUpText, powerUpShown, std::nullopt, announce);

    place(*paused_, g.shpField.Left, g.shpField.Top, g.shpField.Width, g.shpField.Height);
    set(*paused_, QCoreApplication::translate("GameWindow", "Paused"), paused, std::nullopt, announce);
}

}  // namespace crumbleton
