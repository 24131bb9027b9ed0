// A brick's strength without its colour: with the marks on, each brick carries as
// many marks as the strikes it still takes, told apart in greyscale, on whole
// device pixels at every scale; with them off, nothing drawn changes.

#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <set>

#include "layout.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

using testing::Grab;

class BrickMarksTest : public testing::GameScreenTest {
protected:
    BrickMarksTest() { ticking = false; }

    // A brick's inside (its outline left out) in device pixels of a grab of the view;
    // on the black brick, the part beside the power-up waiting over its middle.
    QRect Inside(const Shape& brick) {
        GameView* view = window->view();
        const QTransform device = DeviceTransform(view);
        float left = brick.Left;
        if (&brick == &game().Brick[kBlackBrick]) left = kWaitingLeft + 480;
        const QRectF logical = view->sceneScale().snapped(left, brick.Top, brick.Left + brick.Width - left,
                                                          brick.Height, device);
        const qreal dpr = view->devicePixelRatioF();
        const int outline = qRound(view->sceneScale().outlineWidth(device) * dpr);
        const QRect r(QPoint(qRound(logical.left() * dpr), qRound(logical.top() * dpr)),
                      QPoint(qRound(logical.right() * dpr) - 1, qRound(logical.bottom() * dpr) - 1));
        return r.adjusted(outline, outline, -outline, -outline);
    }
};

// The most runs of marked pixels along any row of the area, in greyscale: dark on a
// light brick, light on a dark one.
int MarksInGrey(const QImage& image, const QRect& area) {
    const int fillGrey = qGray(image.pixel(area.topLeft()));
    int most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int runs = 0;
        bool inMark = false;
        for (int x = area.left(); x <= area.right(); ++x) {
            const bool marked = std::abs(qGray(image.pixel(x, y)) - fillGrey) > 100;
            runs += marked && !inMark;
            inMark = marked;
        }
        most = std::max(most, runs);
    }
    return most;
}

TEST_F(BrickMarksTest, EachStrengthShowsItsStrikesInGreyscaleOnWholeDevicePixels) {
    frmGame& g = game();
    GameView* view = window->view();
    const QImage plain = Grab(view);
    view->setBrickMarks(true);
    const QImage marked = Grab(view);
    EXPECT_NE(marked, plain);

    const auto check = [&](const QImage& image, std::size_t index, int strikes) {
        SCOPED_TRACE(::testing::Message() << "brick " << index);
        const QRect inside = Inside(g.Brick[index]);
        EXPECT_EQ(MarksInGrey(image, inside), strikes);
        // Crisp: inside the brick only its fill and the marks' one colour, no blend.
        std::set<QRgb> colours;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x) colours.insert(image.pixel(x, y));
        const QRgb fill = Expected(g.Brick[index].FillColor).rgb();
        colours.erase(fill);
        EXPECT_EQ(colours.size(), 1u);
        if (!colours.empty()) {
            const QRgb mark = *colours.begin();
            EXPECT_GE(std::abs(qGray(mark) - qGray(fill)), 100) << "mark against fill, in grey";
        }
    };
    for (std::size_t i = 0; i < g.Brick.size(); ++i) {
        const int strikes = i < kFirstYellowBrick ? 1 : i < kFirstGreenBrick ? 2 : i < kBlackBrick ? 3 : 1;
        check(marked, i, strikes);
    }

    // A struck brick shows its new strength at the next frame.
    g.Brick[kFirstGreenBrick].FillColor = kYellow;
    g.Brick[kFirstYellowBrick].FillColor = kOrange;
    view->refresh();
    const QImage struck = Grab(view);
    check(struck, kFirstGreenBrick, 2);
    check(struck, kFirstYellowBrick, 1);
    g.Brick[kFirstGreenBrick].FillColor = kGreen;
    g.Brick[kFirstYellowBrick].FillColor = kYellow;
    view->refresh();

    // Off again, the field is as it was drawn before.
    view->setBrickMarks(false);
    EXPECT_EQ(Grab(view), plain);
}

TEST_F(BrickMarksTest, OffByDefaultAndLastingAcrossGames) {
    frmGame& g = game();
    EXPECT_FALSE(window->view()->brickMarks());
    QTest::keyClick(window, Qt::Key_B);
    ASSERT_TRUE(window->view()->brickMarks());
    testing::ChooseMenuItem(window, "&Menu");
    navigator.Show(Screen::Game);
    testing::ChooseMenuItem(window, "&Reset");
    EXPECT_TRUE(window->view()->brickMarks());
    EXPECT_EQ(g.lblPoints.Caption, "0");
}

}  // namespace
}  // namespace crumbleton
