#include <gtest/gtest.h>

#include "rect.h"

namespace crumbleton {
namespace {

struct OverlapCase {
    const char* name;
    RECT a, b;
    bool overlap;
};

class OverlapTest : public ::testing::TestWithParam<OverlapCase> {};

TEST_P(OverlapTest, FollowsSharedEdgeAndEmptyRules) {
    const OverlapCase& c = GetParam();
    RECT dst{1, 2, 3, 4};
    EXPECT_EQ(IntersectRect(dst, c.a, c.b) != 0, c.overlap);
    if (!c.overlap) {
        EXPECT_EQ(dst, RECT{});
    }
    // The test is symmetric.
    RECT other;
    EXPECT_EQ(IntersectRect(other, c.b, c.a) != 0, c.overlap);
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, OverlapTest,
    ::testing::Values(OverlapCase{"SharedVerticalEdge", {0, 0, 10, 10}, {10, 0, 20, 10}, false},
                      OverlapCase{"OneTwipAcross", {0, 0, 11, 10}, {10, 0, 20, 10}, true},
                      OverlapCase{"SharedHorizontalEdge", {0, 0, 10, 10}, {0, 10, 10, 20}, false},
                      OverlapCase{"OneTwipDown", {0, 0, 10, 11}, {0, 10, 10, 20}, true},
                      OverlapCase{"SharedCorner", {0, 0, 10, 10}, {10, 10, 20, 20}, false},
                      OverlapCase{"Contained", {0, 0, 100, 100}, {40, 40, 60, 60}, true},
                      OverlapCase{"EmptyInside", {0, 0, 100, 100}, {50, 50, 50, 60}, false},
                      OverlapCase{"InvertedInside", {0, 0, 100, 100}, {60, 60, 50, 70}, false},
                      OverlapCase{"NegativeCoordinates", {-20, -20, -5, -5}, {-10, -10, 0, 0}, true},
                      OverlapCase{"Apart", {0, 0, 10, 10}, {30, 30, 40, 40}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntersectRectTest, StoresTheOverlappingPart) {
    RECT dst;
    ASSERT_NE(IntersectRect(dst, {0, 0, 100, 50}, {40, 20, 200, 300}), 0);
    EXPECT_EQ(dst, (RECT{40, 20, 100, 50}));
}

struct RectCase {
    const char* name;
    float left, top, width, height;
    RECT expected;
};

class ControlRectTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(ControlRectTest, RoundsEachEdgeOnceHalfToEven) {
    const RectCase& c = GetParam();
    Shape s;
    s.Left = c.left, s.Top = c.top, s.Width = c.width, s.Height = c.height;
    EXPECT_EQ(ControlRect(s), c.expected);
    Image i;
    i.Left = c.left, i.Top = c.top, i.Width = c.width, i.Height = c.height;
    EXPECT_EQ(ControlRect(i), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlRectTest,
    ::testing::Values(RectCase{"WholeTwips", 3360, 9000, 1695, 255, {3360, 9000, 5055, 9255}},
                      // The parked ball on the layout's paddle: 4207.5 and 4482.5 both go to the
                      // even integer, so its rectangle is one twip narrower than the ball.
                      RectCase{"ParkedBallHalves", 4207.5f, 8640, 275, 275, {4208, 8640, 4482, 8915}},
                      RectCase{"HalfUpToEven", 4208.5f, 0.5f, 275, 1, {4208, 0, 4484, 2}},
                      // The sum is taken exactly: in single precision it would first become
                      // 4194304.5 and then round down.
                      RectCase{"ExactSum", 4194303.75f, 0, 0.85f, 0, {4194304, 0, 4194305, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ControlRectTest, ParkedBallRectIs274Wide) {
    Shape ball;
    ball.Left = 3360.0f + 1695.0f / 2.0f, ball.Width = 275;
    const RECT r = ControlRect(ball);
    EXPECT_EQ(r.right - r.left, 274);
}

TEST(RoundHalfEvenTest, TiesGoToTheEvenInteger) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
}

}  // namespace
}  // namespace crumbleton
