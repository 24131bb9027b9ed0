// Twips to device pixels at any scale: edges on whole device pixels, shared edges
// on the same one, and outlines equally thick on all four sides, on the real
// windows at fractional scale factors.

#include <gtest/gtest.h>

#include <QTest>
#include <cmath>

#include "fake_toolkit.h"
#include "instructions_window.h"
#include "scale.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

TEST(ScaleTest, SnappedEdgesLieOnDevicePixelsAndNeighboursMeet) {
    struct Case {
        qreal factor;
        QPointF origin;
        qreal ratio;
        QPointF inWindow;  // the widget's corner in its window, logical pixels
    };
    const Case cases[] = {
        {1, {}, 1, {}},          {1, {}, 1.25, {0, 19}},         {1, {}, 1.5, {0, 19}},
        {1, {}, 1.75, {3, 19}},  {0.83, {}, 1.25, {0, 21}},      {1.37, {41.5, 0}, 1.5, {0, 19}},
        {0.5, {0, 7.25}, 2, {}}, {2.21, {13.3, 0.7}, 1, {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "factor " << c.factor << " ratio " << c.ratio);
        const Scale scale(c.factor, c.origin);
        const QTransform device = QTransform::fromTranslate(c.inWindow.x(), c.inWindow.y()) *
                                  QTransform::fromScale(c.ratio, c.ratio);
        const auto onDevicePixel = [&](QPointF logical) {
            const QPointF d = device.map(logical);
            return std::abs(d.x() - std::round(d.x())) < 1e-6 && std::abs(d.y() - std::round(d.y())) < 1e-6;
        };
        // A brick and the field's edge, and two rectangles that meet at 1337.
        const QRectF brick = scale.snapped(240, 2880, 1335, 255, device);
        const QRectF left = scale.snapped(120, 120, 1217, 500, device);
        const QRectF right = scale.snapped(1337, 120, 400, 500, device);
        for (const QRectF& r : {brick, left, right}) {
            EXPECT_TRUE(onDevicePixel(r.topLeft()));
            EXPECT_TRUE(onDevicePixel(r.bottomRight()));
        }
        EXPECT_DOUBLE_EQ(left.right(), right.left());
        // An outline is a whole number of device pixels, the nearest to one laid-out pixel.
        const qreal outline = scale.outlineWidth(device) * c.ratio;
        EXPECT_DOUBLE_EQ(outline, std::max(1.0, std::round(c.factor * c.ratio)));
    }
}

// Runs of `colour` in a grabbed image from `from`, stepping by `step` device pixels
// until the first pixel of that colour, then counting how many follow.
int RunLength(const QImage& image, QPoint from, QPoint step, const QColor& colour) {
    QPoint p = from;
    while (image.rect().contains(p) && image.pixelColor(p) != colour) p += step;
    int n = 0;
    for (; image.rect().contains(p) && image.pixelColor(p) == colour; p += step) ++n;
    return n;
}

// The four sides of the outlined rectangle around `inside` (a device pixel inside it).
std::array<int, 4> OutlineSides(const QImage& image, QPoint inside, const QColor& colour) {
    return {RunLength(image, inside, {-1, 0}, colour), RunLength(image, inside, {1, 0}, colour),
            RunLength(image, inside, {0, -1}, colour), RunLength(image, inside, {0, 1}, colour)};
}

class CrispOutlineTest : public testing::GameScreenTest {
protected:
    CrispOutlineTest() { ticking = false; }

    // A twips point of the game's scene in device pixels of a grab of the window.
    QPoint DevicePoint(float xTwips, float yTwips) {
        const QPointF inView =
            window->view()->sceneScale().snapped(xTwips, yTwips, 0, 0, QTransform()).topLeft();
        const QPointF inWindow = inView + window->view()->mapTo(window, QPoint(0, 0));
        return (inWindow * window->devicePixelRatioF()).toPoint();
    }
};

TEST_F(CrispOutlineTest, GameOutlinesAreEquallyThickOnAllFourSides) {
    const qreal ratio = window->devicePixelRatioF();
    ASSERT_NE(ratio, std::round(ratio)) << "meant for fractional scale factors";
    const QColor black = Expected(kWindowText);
    // At the laid-out size, then with the window resized to an odd size.
    for (QSize viewSize : {QSize(859, 679), QSize(1123, 905)}) {
        SCOPED_TRACE(::testing::Message() << "view " << viewSize.width() << "x" << viewSize.height());
        window->resize(viewSize + QSize(0, window->height() - window->view()->height()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->view()->size() == viewSize; }));
        const QImage image = window->grab().toImage();
        const int expected =
            static_cast<int>(std::max(1.0, std::round(window->view()->sceneScale().factor() * ratio)));
        struct Probe {
            const char* what;
            float x, y;  // twips inside the shape, clear of the other controls
        };
        const Probe probes[] = {{"field", 8835, 9500}, {"legend", 12200, 9500}};
        for (const Probe& p : probes) {
            const std::array<int, 4> sides = OutlineSides(image, DevicePoint(p.x, p.y), black);
            EXPECT_EQ(sides, (std::array<int, 4>{expected, expected, expected, expected})) << p.what;
        }
    }
}

TEST_F(CrispOutlineTest, InstructionsLegendOutlineIsEquallyThickOnAllFourSides) {
    testing::FakeToolkit toolkit;
    InstructionsWindow instructions(toolkit);
    instructions.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&instructions));
    const QImage image = instructions.grab().toImage();
    const qreal ratio = instructions.devicePixelRatioF();
    QWidget* shape = instructions.findChild<QWidget*>("Shape1");
    ASSERT_NE(shape, nullptr);
    // Inside the outline, right of the labels and below the icons.
    const QPoint inside =
        (shape->geometry().topLeft() + QPoint(shape->width() - 6, shape->height() - 6)) * ratio;
    const int expected = static_cast<int>(std::max(1.0, std::round(ratio)));
    EXPECT_EQ(OutlineSides(image, inside, ToQColor(kWindowText, instructions.palette())),
              (std::array<int, 4>{expected, expected, expected, expected}));
}

}  // namespace
}  // namespace crumbleton
