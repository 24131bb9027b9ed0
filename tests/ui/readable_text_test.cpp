// Text stays readable on any desktop's colours: where the game chose a text's
// background or its colour, the desktop's text colour is kept only where it
// contrasts enough with that background.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <map>
#include <optional>
#include <tuple>

#include "colour_window.h"
#include "desktop.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

QString Name(const QColor& c) { return c.name(); }

TEST(ReadableTextTest, ContrastRatioOfKnownPairs) {
    struct Case {
        QColor a, b;
        double ratio;
    };
    const Case cases[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::black, 21.0},
        {QColor("#777777"), QColor("#777777"), 1.0},
        {QColor("#767676"), Qt::white, 4.54},  // the lightest grey readable on white
        {QColor("#777777"), Qt::white, 4.48},
        {QColor(255, 192, 255), Qt::white, 1.47},  // the pink background
        {QColor(0, 0, 255), Qt::black, 2.44},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.01)
            << Name(c.a).toStdString() << " on " << Name(c.b).toStdString();
}

TEST(ReadableTextTest, TheWantedColourWhereItContrastsEnoughElseBlackOrWhite) {
    struct Case {
        QColor background, wanted, chosen;
    };
    const Case cases[] = {
        {Qt::white, Qt::black, Qt::black},
        {Qt::white, Qt::white, Qt::black},
        {QColor(255, 192, 255), Qt::white, Qt::black},  // pink
        {QColor(192, 192, 255), QColor("#eeeeee"), Qt::black},
        {Qt::white, QColor("#767676"), QColor("#767676")},  // 4.54: kept
        {Qt::white, QColor("#777777"), Qt::black},          // 4.48: not
        {QColor("#424245"), Qt::white, Qt::white},
        {QColor("#424245"), QColor("#303030"), Qt::white},
        {QColor(0, 0, 128), QColor(255, 255, 0), QColor(255, 255, 0)},
        // A middle grey where black wins by a little, and one where white does.
        {QColor("#777777"), QColor("#808080"), Qt::black},
        {QColor("#707070"), QColor("#808080"), Qt::white},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Name(ReadableOn(c.background, c.wanted)), Name(c.chosen))
            << Name(c.wanted).toStdString() << " on " << Name(c.background).toStdString();
}

TEST(ReadableTextTest, OnlyWhereTheGameChoseAColourIsTheTextChanged) {
    // A desktop whose button text hardly stands out from its button face.
    QPalette palette;
    palette.setColor(QPalette::Button, QColor("#777777"));
    palette.setColor(QPalette::ButtonText, QColor("#808080"));
    palette.setColor(QPalette::HighlightedText, QColor("#202020"));
    struct Case {
        Colour text, background;
        QColor drawn;
    };
    const Case cases[] = {
        {kButtonText, kButtonFace, QColor("#808080")},  // the desktop's own pair
        {kButtonText, kWhite, Qt::black},
        {kButtonText, 0xFFFF80, Qt::black},  // light blue
        {kBlack, kActiveTitleBarText, Qt::white},
        {kBlack, kWhite, Qt::black},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Name(TextColour(c.text, c.background, palette)), Name(c.drawn))
            << std::hex << c.text << " on " << c.background;
}

// How the text of a region of a grab stands out from the region's commonest
// colour, its background.
struct Ink {
    QColor background;
    int readable = 0;  // pixels that contrast with it at least 4.5:1
    double strongest = 1;
};

Ink InkOf(const QImage& region) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < region.height(); ++y)
        for (int x = 0; x < region.width(); ++x) ++counts[region.pixel(x, y)];
    Ink ink;
    if (counts.empty()) return ink;
    ink.background = QColor::fromRgb(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                         return a.second < b.second;
                                     })->first);
    for (const auto& [rgb, count] : counts) {
        const double contrast = ContrastRatio(QColor::fromRgb(rgb), ink.background);
        ink.strongest = std::max(ink.strongest, contrast);
        if (contrast >= 4.5) ink.readable += count;
    }
    return ink;
}

// Enough pixels for the thinnest caption of the screens at the smallest scale.
constexpr int kMinInk = 12;

struct Desktop {
    const char* name;
    QPalette palette;
};

void PrintTo(const Desktop& desktop, std::ostream* os) { *os << desktop.name; }

QPalette DarkPalette(QColor window, QColor button, QColor buttonText) {
    QPalette p(window);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, Qt::white);
        p.setColor(group, QPalette::Base, QColor("#3d3d3d"));
        p.setColor(group, QPalette::Text, Qt::white);
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::ButtonText, buttonText);
        p.setColor(group, QPalette::Highlight, QColor("#12608a"));
        p.setColor(group, QPalette::HighlightedText, QColor("#f9f9f9"));
    }
    return p;
}

std::vector<Desktop> Desktops() {
    return {
        // The dark scheme many desktops offer: light text on dark windows and buttons.
        {"Dark", DarkPalette(QColor("#222020"), QColor("#424245"), Qt::white)},
        // Dark windows with light buttons, whose text is dark.
        {"DarkWindowsLightButtons", DarkPalette(QColor("#222020"), QColor("#e0e0e0"), Qt::black)},
    };
}

class ReadableOnDesktopTest : public ::testing::TestWithParam<Desktop> {
protected:
    void SetUp() override {
        before_ = QApplication::palette();
        QApplication::setPalette(GetParam().palette);
    }
    void TearDown() override { QApplication::setPalette(before_); }

private:
    QPalette before_;
};

TEST_P(ReadableOnDesktopTest, GameScreenTextOnEveryBackground) {
    Navigator navigator;
    navigator.Show(Screen::Game);
    GameWindow* window = navigator.gameWindow();
    ASSERT_NE(window, nullptr);
    window->stopTicking();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    frmGame& game = window->game();
    game.ApplyColours();  // creates the colour options, hidden
    ASSERT_NE(navigator.colourWindow(), nullptr);
    // The power-up countdown too.
    game.lblTimer.Visible = game.lblTime.Visible = true;
    game.lblTime.Caption = "20";

    using O = ColourOption;
    const std::optional<O> backgrounds[] = {std::nullopt,     O::optBackPink,  O::optBackLightBlue,
                                            O::optBackOrange, O::optBackGreen, O::optBackPurple};
    for (const auto& background : backgrounds) {
        if (background) navigator.colourWindow()->option(*background)->setChecked(true);
        game.ApplyColours();
        window->view()->refresh();
        const QImage grab = testing::Grab(window->view());
        const auto check = [&](const Label& label, const char* name) {
            if (!label.Visible) return;
            // Inside its border, if it has one.
            const Ink ink = InkOf(
                testing::Region(grab, label.Left + 30, label.Top + 30, label.Width - 60, label.Height - 60));
            EXPECT_GE(ink.readable, kMinInk)
                << name << " on background option " << (background ? static_cast<int>(*background) : -1)
                << ": " << ink.background.name().toStdString() << ", strongest " << ink.strongest;
        };
        check(game.lblBrick, "lblBrick");
        check(game.lblLivesF, "lblLivesF");
        check(game.lblLives, "lblLives");
        check(game.lblPointsF, "lblPointsF");
        check(game.lblPoints, "lblPoints");
        check(game.lblTimer, "lblTimer");
        check(game.lblTime, "lblTime");
        check(game.lblMessage, "lblMessage");
        check(game.lblPowerUps, "lblPowerUps");
        check(game.lblLife, "lblLife");
        check(game.Label1, "Label1");
        check(game.Label2, "Label2");
    }

    // "Paused" over the field, on the last background.
    window->view()->setPaused(true);
    const QImage paused = testing::Grab(window->view());
    const Shape& field = game.shpField;
    const float bandTop = field.Top + field.Height / 2 - field.Height / 12;
    const Ink ink = InkOf(testing::Region(paused, field.Left + field.Width / 4, bandTop, field.Width / 2,
                                          field.Height / 6 * 0.6f));
    EXPECT_GE(ink.readable, kMinInk) << "Paused, strongest " << ink.strongest;
}

// The text rectangle of a labelled widget, in its own coordinates.
QRect TextRect(QWidget* widget) {
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        return radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    }
    if (auto* push = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(push);
        option.text = push->text();
        // Inside the bevel, away from its shading.
        return push->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, push)
            .adjusted(2, 2, -2, -2);
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        return group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    }
    return widget->rect();
}

TEST_P(ReadableOnDesktopTest, SideScreenTextOnTheButtonFace) {
    Navigator navigator;
    navigator.Show(Screen::Start);
    testing::Click(navigator.startWindow(), "cmdOptions");  // shows the "Options" frame
    navigator.Show(Screen::Instructions);
    navigator.Show(Screen::Colours);
    const std::vector<QWidget*> windows{navigator.startWindow(), navigator.instructionsWindow(),
                                        navigator.colourWindow()};
    for (QWidget* window : windows) {
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        const QImage grab = testing::Grab(window);
        const qreal dpr = grab.devicePixelRatio();
        int texts = 0;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const bool hasText = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                                 qobject_cast<QGroupBox*>(widget);
            if (!hasText || !widget->isVisible()) continue;
            const QRect r = TextRect(widget).translated(widget->mapTo(window, QPoint(0, 0)));
            const QRect device(QPoint(qRound(r.left() * dpr), qRound(r.top() * dpr)),
                               QSize(qRound(r.width() * dpr), qRound(r.height() * dpr)));
            const Ink ink = InkOf(grab.copy(device));
            EXPECT_GE(ink.readable, kMinInk)
                << window->objectName().toStdString() << "." << widget->objectName().toStdString() << " on "
                << ink.background.name().toStdString() << ", strongest " << ink.strongest;
            ++texts;
        }
        EXPECT_GT(texts, 0) << window->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Desktops, ReadableOnDesktopTest, ::testing::ValuesIn(Desktops()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadableTextTest, OnTheLightDesktopNothingChanges) {
    // The palette the tests start with is the style's light one.
    const QPalette light = QApplication::palette();
    Navigator navigator;
    navigator.Show(Screen::Start);
    const QPalette start = navigator.startWindow()->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        for (const auto role : {QPalette::WindowText, QPalette::Text})
            EXPECT_EQ(start.color(group, role), light.color(group, role)) << group << " " << role;

    const Colour backgrounds[] = {kButtonFace, 0xFFC0FF, 0xFFFF80, 0x80C0FF, 0xC0FFC0, 0xFFC0C0, kWhite};
    for (Colour background : backgrounds)
        EXPECT_EQ(TextColour(kButtonText, background, light), ToQColor(kButtonText, light))
            << std::hex << background;
    EXPECT_EQ(TextColour(kBlack, kActiveTitleBarText, light), QColor(Qt::black));
}

}  // namespace
}  // namespace crumbleton
