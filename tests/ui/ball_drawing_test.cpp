#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "desktop.h"
#include "game_view.h"
#include "scale.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

using testing::Grab;

class BallDrawingTest : public testing::GameScreenTest {
protected:
    BallDrawingTest() { ticking = false; }

    // The view's picture of the ball against the ball painted as an antialiased
    // ellipse straight onto the field, over its place and two device pixels around.
    void ExpectBallAsPainted(const char* what) {
        GameView* view = window->view();
        const frmGame& g = game();
        const QImage shown = Grab(view);
        const qreal ratio = shown.devicePixelRatio();

        const QTransform device = DeviceTransform(view);
        const Scale scale = view->sceneScale();
        const QRectF r = scale.snapped(g.shpBall, device);
        const qreal outline = scale.outlineWidth(device);
        QImage painted(shown.size(), QImage::Format_RGB32);
        painted.setDevicePixelRatio(ratio);
        painted.fill(Expected(g.BackColor));
        QPainter painter(&painted);
        const QRectF field = scale.snapped(g.shpField, device);
        painter.fillRect(field, Expected(g.shpField.BackColor));
        DrawOutline(painter, field, outline, Expected(g.shpField.BorderColor));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Expected(g.shpBall.BorderColor), outline));
        painter.setBrush(Expected(g.shpBall.FillColor));
        painter.drawEllipse(r.adjusted(outline / 2, outline / 2, -outline / 2, -outline / 2));
        painter.end();

        const QRect around =
            QRectF(r.topLeft() * ratio, r.size() * ratio).toAlignedRect().adjusted(-2, -2, 2, 2);
        int differing = 0;
        for (int y = around.top(); y <= around.bottom(); ++y)
            for (int x = around.left(); x <= around.right(); ++x)
                if (shown.pixel(x, y) != painted.pixel(x, y)) ++differing;
        EXPECT_EQ(differing, 0) << what << ": ball at " << g.shpBall.Left << ", " << g.shpBall.Top;
    }
};

TEST_F(BallDrawingTest, LooksAsPaintedWhereverItLies) {
    frmGame& g = game();
    // Every twips phase of a pixel along both axes, so that the snapped edges fall
    // every way, then places far apart, and one touching the field's left edge.
    for (int phase = 0; phase < 15; ++phase) {
        g.shpBall.Left = 1000.0f + static_cast<float>(phase);
        g.shpBall.Top = 7000.0f + static_cast<float>(phase) * 7;
        ExpectBallAsPainted("phase");
    }
    for (auto [left, top] : {std::pair{4320.0f, 8640.0f}, {7800.0f, 1500.0f}, {250.0f, 9000.0f}}) {
        g.shpBall.Left = left, g.shpBall.Top = top;
        ExpectBallAsPainted("place");
    }
    g.shpBall.Left = g.shpField.Left;
    ExpectBallAsPainted("on the field's edge");
}

TEST_F(BallDrawingTest, TakesItsNewColours) {
    frmGame& g = game();
    g.shpBall.Left = 2000, g.shpBall.Top = 7500;
    ExpectBallAsPainted("first colour");
    for (Colour colour : {kBlue, kGreen}) {
        g.shpBall.FillColor = colour;
        ExpectBallAsPainted("new fill");
    }
    g.shpBall.BorderColor = kWhite;
    ExpectBallAsPainted("new border");
}

}  // namespace
}  // namespace crumbleton
