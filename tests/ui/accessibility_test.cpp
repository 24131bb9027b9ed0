// What a screen reader finds: every window and control named for what it is, the
// game's state as objects with text, and the events that announce a change, raised
// once per change and never on a tick that changes nothing.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <functional>
#include <map>
#include <vector>

#include "all_windows.h"
#include "field_accessibility.h"
#include "layout.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

using testing::AllWindows;
using testing::MessageCloser;
using ::testing::UnorderedElementsAre;

// The interfaces under `root`, depth first, `root` included.
std::vector<QAccessibleInterface*> Tree(QAccessibleInterface* root) {
    std::vector<QAccessibleInterface*> all{root};
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        EXPECT_NE(child, nullptr) << root->text(QAccessible::Name).toStdString() << " child " << i;
        if (child == nullptr) continue;
        EXPECT_EQ(child->parent(), root) << child->text(QAccessible::Name).toStdString();
        EXPECT_EQ(root->indexOfChild(child), i);
        for (QAccessibleInterface* below : Tree(child)) all.push_back(below);
    }
    return all;
}

std::vector<QAccessibleInterface*> WithRole(QAccessibleInterface* root, QAccessible::Role role) {
    std::vector<QAccessibleInterface*> found;
    for (QAccessibleInterface* i : Tree(root))
        if (i->role() == role) found.push_back(i);
    return found;
}

QString Name(QAccessibleInterface* i) { return i->text(QAccessible::Name); }

TEST(AccessibleTreeTest, EveryWindowSaysWhichScreenItIsAndKeepsItsTitle) {
    AllWindows all;
    const Navigator& n = all.navigator;
    const std::pair<QWidget*, QString> cases[] = {
        {n.startWindow(), "Crumbleton Start Menu"},
        {n.instructionsWindow(), "Crumbleton Instructions"},
        {n.colourWindow(), "Crumbleton Colour Options"},
        {n.gameWindow(), "Crumbleton Game"},
    };
    for (const auto& [window, name] : cases) {
        EXPECT_EQ(Name(QAccessible::queryAccessibleInterface(window)), name);
        EXPECT_THAT(window->windowTitle().toStdString(), ::testing::StartsWith("Crumbleton"));
    }
}

TEST(AccessibleTreeTest, EveryControlIsNamedForWhatItDoes) {
    AllWindows all;
    const Navigator& n = all.navigator;
    // Whatever a player may reach or read has a name, in every window.
    for (QWidget* window :
         std::vector<QWidget*>{n.startWindow(), n.instructionsWindow(), n.colourWindow(), n.gameWindow()}) {
        for (QAccessibleInterface* i : Tree(QAccessible::queryAccessibleInterface(window))) {
            switch (i->role()) {
                case QAccessible::PushButton:
                case QAccessible::RadioButton:
                case QAccessible::Grouping:
                case QAccessible::Graphic:
                case QAccessible::StaticText:
                case QAccessible::MenuItem:
                case QAccessible::Canvas:
                    EXPECT_FALSE(Name(i).trimmed().isEmpty())
                        << window->objectName().toStdString() << ": role " << i->role();
                    break;
                default:
                    break;
            }
        }
    }

    // The colour groups by what they colour, and each colour by its group: three
    // groups offer "Pink".
    QAccessibleInterface* colours = QAccessible::queryAccessibleInterface(n.colourWindow());
    std::vector<QString> groups;
    std::map<QString, QStringList> coloursByGroup;
    for (QAccessibleInterface* group : WithRole(colours, QAccessible::Grouping)) {
        groups.push_back(Name(group));
        for (int c = 0; c < group->childCount(); ++c) {
            QAccessibleInterface* option = group->child(c);
            if (option->role() != QAccessible::RadioButton) continue;
            EXPECT_EQ(option->text(QAccessible::Description).toStdString(), Name(group).toStdString())
                << Name(option).toStdString();
            coloursByGroup[Name(group)] << Name(option);
        }
    }
    EXPECT_THAT(groups, UnorderedElementsAre("Colours", "Ball Colour", "Paddle Colour", "Background Colour"));
    EXPECT_EQ(coloursByGroup["Ball Colour"].count("Pink"), 1);
    EXPECT_EQ(coloursByGroup["Paddle Colour"].count("Pink"), 1);
    EXPECT_EQ(coloursByGroup["Background Colour"].count("Pink"), 1);

    // The instructions' pictures are pictures of what they show.
    QStringList pictures;
    for (QAccessibleInterface* i :
         WithRole(QAccessible::queryAccessibleInterface(n.instructionsWindow()), QAccessible::Graphic))
        pictures << Name(i);
    EXPECT_THAT(pictures,
                UnorderedElementsAre(
                    "The left and right arrow keys",
                    "The ball leaving the field past the bottom paddle, an arrow pointing down at it",
                    "A compact disc", "A banana", "A burning match"));

    // The View menu's entries, each with its key.
    QStringList items;
    for (QAccessibleInterface* i :
         WithRole(QAccessible::queryAccessibleInterface(n.gameWindow()), QAccessible::MenuItem))
        items << Name(i) + " " + i->text(QAccessible::Accelerator);
    EXPECT_THAT(items.join('|').toStdString(), ::testing::HasSubstr("Pause P"));
    EXPECT_THAT(items.join('|').toStdString(), ::testing::HasSubstr("Full Screen F11"));
    EXPECT_THAT(items.join('|').toStdString(), ::testing::HasSubstr("Brick Strength Marks B"));
}

// What a screen reader is told of the field, event by event.
struct Seen {
    QAccessible::Event type;
    QString object, name;
    QVariant value;
    bool operator==(const Seen&) const = default;
};

class FieldAccessibilityTest : public testing::GameScreenTest {
protected:
    void SetUp() override {
        GameScreenTest::SetUp();
        window->accessibility().setEventObserver([this](QAccessibleEvent* event) {
            const QVariant value = event->type() == QAccessible::ValueChanged
                                       ? static_cast<QAccessibleValueChangeEvent*>(event)->value()
                                       : QVariant();
            sinceTick.push_back(
                {event->type(), event->object()->objectName(), Name(event->accessibleInterface()), value});
        });
        window->setTickObserver([this] { perTick.push_back(std::exchange(sinceTick, {})); });
    }

    QAccessibleInterface* field() const { return QAccessible::queryAccessibleInterface(window->view()); }
    // The field's objects by their object names: text, and whether they are on view.
    std::map<QString, std::pair<QString, bool>> items() const {
        std::map<QString, std::pair<QString, bool>> all;
        QAccessibleInterface* f = field();
        for (int i = 0; i < f->childCount(); ++i)
            all[f->child(i)->object()->objectName()] = {Name(f->child(i)), !f->child(i)->state().invisible};
        return all;
    }
    // Ticks until `done` holds (at most two seconds), then `after` more.
    void TickUntil(const std::function<bool()>& done, int after = 0) {
        sinceTick.clear();
        perTick.clear();
        ASSERT_TRUE(QTest::qWaitFor(done, 2000));
        const std::size_t ticks = perTick.size() + after;
        ASSERT_TRUE(QTest::qWaitFor([&] { return perTick.size() >= ticks; }, 2000));
    }
    // Every event of every tick since the last TickUntil, with how many ticks raised any.
    std::vector<Seen> Raised(int* ticksWithEvents = nullptr) const {
        std::vector<Seen> all;
        int with = 0;
        for (const auto& tick : perTick) {
            with += !tick.empty();
            all.insert(all.end(), tick.begin(), tick.end());
        }
        if (ticksWithEvents) *ticksWithEvents = with;
        return all;
    }

    std::vector<Seen> sinceTick;
    std::vector<std::vector<Seen>> perTick;
};

// The game's power-up picture: the one on the waiting spot.
Image& PowerUp(frmGame& g) {
    for (Image* image : {&g.imgLive, &g.imgBananna, &g.imgshield})
        if (image->Left == kWaitingLeft) return *image;
    ADD_FAILURE() << "no power-up placed";
    return g.imgLive;
}

QString LegendName(frmGame& g, const Image& image) {
    if (&image == &g.imgLive) return "Extra Life";
    if (&image == &g.imgBananna) return "Large Paddle";
    return "Shield";
}

TEST_F(FieldAccessibilityTest, TheFieldShowsWhatThePlayerFollows) {
    frmGame& g = game();
    ASSERT_EQ(field()->role(), QAccessible::Canvas);
    EXPECT_EQ(Name(field()), "Playing field");
    const QString powerUp = "Power up on the black brick: " + LegendName(g, PowerUp(g));
    const std::map<QString, std::pair<QString, bool>> fresh{
        {"lives", {"Lives: 3", true}},
        {"points", {"Points: 0", true}},
        {"countdown", {"Power Up Time:", false}},
        {"message", {"Press SPACE To Start", true}},
        {"powerUp", {powerUp, true}},
        {"paused", {"Paused", false}},
    };
    EXPECT_EQ(items(), fresh);
    for (int i = 0; i < field()->childCount(); ++i) {
        QAccessibleInterface* item = field()->child(i);
        EXPECT_EQ(item->role(), QAccessible::StaticText);
        // Where the field shows it, for a magnifier to follow.
        EXPECT_TRUE(window->view()->rect().contains(
            QRect(window->view()->mapFromGlobal(item->rect().topLeft()), item->rect().size())))
            << item->object()->objectName().toStdString();
    }
    EXPECT_EQ(field()->child(0)->valueInterface()->currentValue().toDouble(), 3);

    // Served, paused, the large paddle's countdown running.
    QTest::keyClick(window, Qt::Key_Space);
    QTest::keyClick(window, Qt::Key_P);
    auto now = items();
    EXPECT_FALSE(now["message"].second);
    EXPECT_EQ(now["paused"], std::make_pair(QString("Paused"), true));
    g.lblTimer.Visible = g.lblTime.Visible = true;
    g.lblTime.Caption = "17.35";
    QTest::keyClick(window, Qt::Key_P);
    now = items();
    EXPECT_EQ(now["countdown"], std::make_pair(QString("Power Up Time: 18"), true));
    EXPECT_FALSE(now["paused"].second);
}

// Each change is told once, in the tick that makes it: the new text, and the new
// number where the object holds one.
TEST_F(FieldAccessibilityTest, ALostLifeScoredPointsAndACaughtPowerUpAreEachToldOnce) {
    struct Case {
        const char* name;
        std::function<void(frmGame&)> setUp;
        std::function<bool(frmGame&)> done;
        std::function<std::vector<Seen>(frmGame&)> told;
    };
    frmGame& g = game();
    const Case cases[] = {
        {"a ball lost at the bottom edge",
         [](frmGame& g) {
             g.shpBall.Left = 1000, g.shpBall.Top = 9600;
             g.BallSpeedX = 50, g.BallSpeedY = 50;
         },
         [](frmGame& g) { return g.lblLives.Caption == "2"; },
         [](frmGame&) {
             return std::vector<Seen>{{QAccessible::NameChanged, "lives", "Lives: 2", {}},
                                      {QAccessible::ValueChanged, "lives", "Lives: 2", 2.0}};
         }},
        {"a strike on an orange brick's bottom face",
         [](frmGame& g) {
             g.shpBall.Left = 500, g.shpBall.Top = 6480 + 255 + 10;
             g.BallSpeedX = 50, g.BallSpeedY = -50;
         },
         [](frmGame& g) { return g.lblPoints.Caption == "100"; },
         [](frmGame&) {
             return std::vector<Seen>{{QAccessible::NameChanged, "points", "Points: 100", {}},
                                      {QAccessible::ValueChanged, "points", "Points: 100", 100.0}};
         }},
        {"the released power-up caught by the bottom paddle",
         [](frmGame& g) {
             g.Brick[kBlackBrick].Visible = false;
             Image& p = PowerUp(g);
             p.Top = g.shpPaddle[0].Top - p.Height - 10;
             g.shpPaddle[0].Left = p.Left - 500;
             (&p == &g.imgLive      ? g.LifeFalling
              : &p == &g.imgBananna ? g.BananaFalling
                                    : g.ShieldFalling) = 45;
         },
         [](frmGame& g) { return !PowerUp(g).Visible; },
         [](frmGame& g) {
             const QString caught = "Power up caught: " + LegendName(g, PowerUp(g));
             return std::vector<Seen>{{QAccessible::NameChanged, "powerUp", caught, {}}};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::ChooseMenuItem(window, "&Reset");
        c.setUp(g);
        TickUntil([&] { return c.done(g); }, 5);
        std::vector<Seen> raised = Raised();
        // The catch of an extra life adds a life, and the large paddle's starts its
        // countdown: told too, by their own objects.
        std::erase_if(raised, [](const Seen& s) {
            return s.object == "countdown" || (s.object == "lives" && s.name == "Lives: 4");
        });
        EXPECT_EQ(raised, c.told(g));
    }
}

TEST_F(FieldAccessibilityTest, NothingIsToldOnTicksThatChangeNoneOfIt) {
    // The paddles and the parked ball move on every tick; none of it is told.
    QTest::keyPress(window, Qt::Key_Right);
    TickUntil([] { return true; }, 20);
    QTest::keyRelease(window, Qt::Key_Right);
    EXPECT_EQ(Raised(), std::vector<Seen>{});

    // The large paddle's countdown drops every tick: told by the second, not the tick.
    frmGame& g = game();
    g.shpPaddle[0].Width = g.shpPaddle[1].Width = kLargePaddleWidth;
    g.lblTimer.Visible = g.lblTime.Visible = true;
    g.lblTime.Caption = "18.5";
    TickUntil([] { return true; }, 120);
    int ticksWithEvents = 0;
    const std::vector<Seen> raised = Raised(&ticksWithEvents);
    EXPECT_THAT(raised,
                ::testing::Contains(Seen{QAccessible::NameChanged, "countdown", "Power Up Time: 18", {}}));
    EXPECT_LE(ticksWithEvents, 3) << "over 120 ticks";
}

TEST(EndOfGameMessageTest, BothMessagesAreAlertsWithTheirText) {
    Navigator navigator;
    std::vector<std::pair<QAccessible::Role, QString>> seen;
    MessageCloser closer(std::chrono::milliseconds(0), [&] {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(QApplication::activeModalWidget());
        QString names;
        for (QAccessibleInterface* part : Tree(box)) names += Name(part) + '|';
        seen.emplace_back(box->role(), names);
    });
    navigator.ShowMessage(" Game Over!!", " You Lose!", MessageIcon::Critical);
    navigator.ShowMessage(" congratulations, You Win!!", " Winner", MessageIcon::None);
    ASSERT_EQ(seen.size(), 2u);
    const char* texts[] = {" Game Over!!", " congratulations, You Win!!"};
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].first, QAccessible::AlertMessage);
        EXPECT_THAT(seen[i].second.toStdString(), ::testing::HasSubstr(texts[i]));
    }
}

}  // namespace
}  // namespace crumbleton
