#pragma once
// What a screen reader finds in the playing field, which is painted as one widget:
// an object for each thing the player follows (the lives, the points, the
// countdown, the start message, the power-up in play and the pause), each with its
// text. update() compares them with what it last told and raises, once per change,
// the events a screen reader announces; nothing is raised where nothing changed.

#include <QObject>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "frm_game.h"

class QAccessibleEvent;

namespace crumbleton {

class GameView;

// One thing of the field as a screen reader is told it.
class FieldItem : public QObject {
    Q_OBJECT
public:
    FieldItem(QObject* parent, const char* name) : QObject(parent) { setObjectName(name); }

    QString text, description;
    bool shown = false;
    std::optional<double> value;  // the number it tells, where it tells one
    QRect rect;                   // logical pixels of the view
};

class FieldAccessibility {
public:
    // Items start as the game stands; the view owns them.
    FieldAccessibility(const frmGame& game, GameView* view);

    // After anything that may have changed the game or the pause.
    void update(bool paused);

    // Called with every event raised, as it goes to the screen reader; for tests,
    // since Qt hands events on only while an assistive technology listens.
    using EventObserver = std::function<void(QAccessibleEvent*)>;
    void setEventObserver(EventObserver observer) { observer_ = std::move(observer); }

private:
    void set(FieldItem& item, const QString& text, bool shown, std::optional<double> value, bool announce);
    void read(bool paused, bool announce);

    const frmGame& game_;
    GameView* view_;
    EventObserver observer_;
    FieldItem *lives_, *points_, *countdown_, *message_, *powerUp_, *paused_;
};

}  // namespace crumbleton
