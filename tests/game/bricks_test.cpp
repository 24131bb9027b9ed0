// Brick strikes, points and the release of the power-up.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "fake_toolkit.h"
#include "frm_game.h"
#include "rect.h"

namespace crumbleton {
namespace {

constexpr Colour kOrangeBrick = 33023, kYellowBrick = 65535, kGreenBrick = 65280, kBlackBrick = 0;

class BricksTest : public ::testing::Test {
protected:
    // Hides every brick but the given ones, so that a fixture's ball meets only them.
    void OnlyBricks(std::initializer_list<std::size_t> kept) {
        for (std::size_t i = 0; i < game.Brick.size(); ++i)
            game.Brick[i].Visible = std::find(kept.begin(), kept.end(), i) != kept.end();
    }

    testing::FakeToolkit toolkit;
    frmGame game{toolkit};
};

// Brick(12), yellow: Left 5160, Top 3840, 1335 by 255, so right 6495, bottom 4095.
struct StrikeCase {
    const char* name;
    float ballLeft, ballTop;
    Colour colourBefore;
    bool visibleBefore;
    std::int16_t expectedSpeedX, expectedSpeedY;  // from 50, -50
    bool struck;
    Colour expectedColour;
    bool expectedVisible;
};

class StrikeTest : public BricksTest, public ::testing::WithParamInterface<StrikeCase> {};

TEST_P(StrikeTest, OneBrick) {
    const StrikeCase& c = GetParam();
    OnlyBricks({12});
    Shape& brick = game.Brick[12];
    brick.FillColor = c.colourBefore;
    brick.Visible = c.visibleBefore;
    game.shpBall.Left = c.ballLeft, game.shpBall.Top = c.ballTop;
    game.BallSpeedX = 50, game.BallSpeedY = -50;

    game.CheckBricks();

    EXPECT_EQ(game.BallSpeedX, c.expectedSpeedX);
    EXPECT_EQ(game.BallSpeedY, c.expectedSpeedY);
    EXPECT_EQ(game.lblPoints.Caption, c.struck ? "100" : "0");
    EXPECT_EQ(brick.FillColor, c.expectedColour);
    EXPECT_EQ(brick.Visible, c.expectedVisible);
    // The ball does not move; no power-up is at the waiting spot, so none falls.
    EXPECT_EQ(game.shpBall.Left, c.ballLeft);
    EXPECT_EQ(game.shpBall.Top, c.ballTop);
    EXPECT_EQ(game.BananaFalling, 0);
    EXPECT_EQ(game.ShieldFalling, 0);
    EXPECT_EQ(game.LifeFalling, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, StrikeTest,
    ::testing::Values(
        // Bottom depth 15, top 515, left 615, right 995.
        StrikeCase{"BottomFace", 5500, 4080, kYellowBrick, true, 50, 50, true, kOrangeBrick, true},
        // Top depth 15, bottom 515.
        StrikeCase{"TopFace", 5500, 3580, kYellowBrick, true, 50, 50, true, kOrangeBrick, true},
        // Left depth 15, top 335, bottom 195, right 1595.
        StrikeCase{"LeftFace", 4900, 3900, kYellowBrick, true, -50, -50, true, kOrangeBrick, true},
        // Right depth 15.
        StrikeCase{"RightFace", 6480, 3900, kYellowBrick, true, -50, -50, true, kOrangeBrick, true},
        // Bottom and left depths tie at 15: the bottom face is tested first.
        StrikeCase{"BottomTiesLeftTurnsVertically", 4900, 4080, kYellowBrick, true, 50, 50, true,
                   kOrangeBrick, true},
        // Top and left depths tie at 15: the top face is tested last.
        StrikeCase{"TopTiesLeftTurnsSideways", 4900, 3580, kYellowBrick, true, -50, -50, true, kOrangeBrick,
                   true},
        // Left depth 16.5 rounds to 16 (half to even) and ties the top depth 16, so
        // the side wins; unrounded, or rounded half away from zero, the top would.
        StrikeCase{"DepthsRoundHalfToEvenBeforeComparing", 4901.5f, 3581, kYellowBrick, true, -50, -50, true,
                   kOrangeBrick, true},
        // Hidden: inert, though its rectangle overlaps the ball.
        StrikeCase{"HiddenBrickIsInert", 5500, 4080, kOrangeBrick, false, 50, -50, false, kOrangeBrick,
                   false},
        // Lower edge on the top face, upper edge on the bottom face, right edge on
        // the left face: shared edges are no overlap.
        StrikeCase{"TopEdgeContact", 5500, 3565, kYellowBrick, true, 50, -50, false, kYellowBrick, true},
        StrikeCase{"BottomEdgeContact", 5500, 4095, kYellowBrick, true, 50, -50, false, kYellowBrick, true},
        StrikeCase{"LeftEdgeContact", 4885, 3900, kYellowBrick, true, 50, -50, false, kYellowBrick, true},
        // Each colour's step.
        StrikeCase{"GreenTurnsYellow", 5500, 4080, kGreenBrick, true, 50, 50, true, kYellowBrick, true},
        StrikeCase{"YellowTurnsOrange", 5500, 4080, kYellowBrick, true, 50, 50, true, kOrangeBrick, true},
        StrikeCase{"OrangeIsHidden", 5500, 4080, kOrangeBrick, true, 50, 50, true, kOrangeBrick, false},
        StrikeCase{"BlackIsHidden", 5500, 4080, kBlackBrick, true, 50, 50, true, kBlackBrick, false},
        // A colour outside the table still turns the ball and earns points.
        StrikeCase{"OtherColourOnlyScores", 5500, 4080, kRed, true, 50, 50, true, kRed, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BricksTest, TwoBricksInOneTickBothStruckOnTheirBottomFaces) {
    // Brick(13) spans 3720 to 5055, Brick(12) 5160 to 6495, both Top 3840 to 4095.
    OnlyBricks({12, 13});
    game.shpBall.Left = 4950, game.shpBall.Top = 4080;
    game.BallSpeedX = 50, game.BallSpeedY = -50;

    game.CheckBricks();

    EXPECT_EQ(game.BallSpeedY, -50);  // negated twice
    EXPECT_EQ(game.BallSpeedX, 50);
    EXPECT_EQ(game.lblPoints.Caption, "200");
    EXPECT_EQ(game.Brick[12].FillColor, kOrangeBrick);
    EXPECT_EQ(game.Brick[13].FillColor, kOrangeBrick);
}

TEST_F(BricksTest, OnAFullFieldTheBallStrikesEveryBrickItOverlaps) {
    // Between Brick(13) and Brick(12), reaching into Brick(29) and Brick(30) below:
    // four strikes, the vertical speed turned by each bottom face, then each top face.
    game.shpBall.Left = 4950, game.shpBall.Top = 4080;
    game.BallSpeedX = 50, game.BallSpeedY = -50;
    game.CheckBricks();
    EXPECT_EQ(game.lblPoints.Caption, "400");
    EXPECT_EQ(game.BallSpeedY, -50);
    for (std::size_t i : {12, 13}) EXPECT_EQ(game.Brick[i].FillColor, kOrangeBrick) << i;
    for (std::size_t i : {29, 30}) EXPECT_EQ(game.Brick[i].FillColor, kYellowBrick) << i;
}

TEST_F(BricksTest, EachStrikeTurnsTheSpeedAsTheStrikeBeforeLeftIt) {
    // Struck bricks turn the ball; the next brick sees the turned speeds.
    OnlyBricks({12, 13});
    game.shpBall.Left = 4950, game.shpBall.Top = 3900;  // left depth on 12, right depth on 13
    game.BallSpeedX = 50, game.BallSpeedY = -50;
    game.CheckBricks();
    EXPECT_EQ(game.BallSpeedX, 50);  // turned by 12's left face, back by 13's right face
    EXPECT_EQ(game.lblPoints.Caption, "200");
}

TEST_F(BricksTest, PointsAreReadLenientlyAndWrittenPlain) {
    OnlyBricks({12});
    for (const auto& [before, after] : std::vector<std::pair<std::string, std::string>>{
             {"0", "100"}, {"6800", "6900"}, {"", "100"}, {" 250", "350"}, {"99.5", "199.5"}}) {
        game.Brick[12].Visible = true;
        game.Brick[12].FillColor = kGreenBrick;
        game.lblPoints.Caption = before;
        game.shpBall.Left = 5500, game.shpBall.Top = 4080;
        game.CheckBricks();
        EXPECT_EQ(game.lblPoints.Caption, after) << "from \"" << before << "\"";
    }
}

TEST_F(BricksTest, YellowAndGreenBricksTakeTwoAndThreeStrikes) {
    struct Case {
        std::size_t index;
        int strikes;
    };
    for (const Case c : {Case{12, 2}, Case{28, 3}, Case{0, 1}, Case{36, 1}}) {
        OnlyBricks({c.index});
        game.lblPoints.Caption = "0";
        const Shape& brick = game.Brick[c.index];
        int strikes = 0;
        while (brick.Visible && strikes < 10) {
            game.shpBall.Left = brick.Left + 100;
            game.shpBall.Top = brick.Top + brick.Height - 15;
            game.CheckBricks();
            ++strikes;
        }
        EXPECT_EQ(strikes, c.strikes) << "brick " << c.index;
        EXPECT_EQ(game.lblPoints.Caption, std::to_string(100 * c.strikes)) << "brick " << c.index;
    }
}

struct ReleaseCase {
    const char* name;
    Image frmGame::*atWaitingSpot;
    std::int16_t frmGame::*expectedFlag;
};

class ReleaseTest : public BricksTest, public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(ReleaseTest, TheBlackBrickReleasesTheImageAtTheWaitingSpot) {
    const ReleaseCase& c = GetParam();
    (game.*c.atWaitingSpot).Left = 4080;
    (game.*c.atWaitingSpot).Top = 4680;
    // Brick(36): Left 3840, Top 4680, 1095 by 495; struck on its bottom face.
    game.shpBall.Left = 4200, game.shpBall.Top = 5160;
    game.BallSpeedX = 50, game.BallSpeedY = -50;
    OnlyBricks({36});

    game.CheckBricks();

    EXPECT_FALSE(game.Brick[36].Visible);
    EXPECT_EQ(game.lblPoints.Caption, "100");
    EXPECT_EQ(game.BallSpeedY, 50);
    for (std::int16_t frmGame::*flag :
         {&frmGame::ShieldFalling, &frmGame::LifeFalling, &frmGame::BananaFalling})
        EXPECT_EQ(game.*flag, flag == c.expectedFlag ? 45 : 0);
    // Releasing moves nothing: MoveObjects does that from the next tick on.
    EXPECT_EQ((game.*c.atWaitingSpot).Top, 4680);
}

INSTANTIATE_TEST_SUITE_P(
    PowerUps, ReleaseTest,
    ::testing::Values(ReleaseCase{"Shield", &frmGame::imgshield, &frmGame::ShieldFalling},
                      ReleaseCase{"ExtraLife", &frmGame::imgLive, &frmGame::LifeFalling},
                      ReleaseCase{"LargePaddle", &frmGame::imgBananna, &frmGame::BananaFalling}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BricksTest, OnlyAnImageWhoseLeftIsExactly4080IsReleased) {
    game.imgshield.Left = 4079.5f;
    game.imgLive.Left = 4080.5f;
    game.imgBananna.Left = 4080;
    game.shpBall.Left = 4200, game.shpBall.Top = 5160;
    OnlyBricks({36});
    game.CheckBricks();
    EXPECT_EQ(game.ShieldFalling, 0);
    EXPECT_EQ(game.LifeFalling, 0);
    EXPECT_EQ(game.BananaFalling, 45);
}

TEST_F(BricksTest, TheFirstImageAtTheWaitingSpotIsTheOneReleased) {
    // Never two in play; the order is shield, life, banana, and only one is released.
    struct Case {
        std::vector<Image frmGame::*> atWaitingSpot;
        std::int16_t frmGame::*released;
    };
    const Case cases[] = {
        {{&frmGame::imgshield, &frmGame::imgLive, &frmGame::imgBananna}, &frmGame::ShieldFalling},
        {{&frmGame::imgshield, &frmGame::imgBananna}, &frmGame::ShieldFalling},
        {{&frmGame::imgLive, &frmGame::imgBananna}, &frmGame::LifeFalling},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        testing::FakeToolkit fresh;
        frmGame g{fresh};
        for (Image frmGame::*image : cases[n].atWaitingSpot) (g.*image).Left = 4080;
        g.shpBall.Left = 4200, g.shpBall.Top = 5160;
        g.CheckBricks();
        ASSERT_FALSE(g.Brick[36].Visible);
        for (std::int16_t frmGame::*flag :
             {&frmGame::ShieldFalling, &frmGame::LifeFalling, &frmGame::BananaFalling})
            EXPECT_EQ(g.*flag, flag == cases[n].released ? 45 : 0) << "case " << n;
    }
}

TEST_F(BricksTest, NoPowerUpWaitingReleasesNothing) {
    game.shpBall.Left = 4200, game.shpBall.Top = 5160;
    OnlyBricks({36});
    game.CheckBricks();
    EXPECT_FALSE(game.Brick[36].Visible);
    EXPECT_EQ(game.ShieldFalling + game.LifeFalling + game.BananaFalling, 0);
}

TEST_F(BricksTest, OnlyTheBlackBrickReleases) {
    game.imgBananna.Left = 4080;
    OnlyBricks({0});  // orange
    game.shpBall.Left = game.Brick[0].Left + 100, game.shpBall.Top = game.Brick[0].Top + 240;
    game.CheckBricks();
    EXPECT_FALSE(game.Brick[0].Visible);
    EXPECT_EQ(game.BananaFalling, 0);
}

TEST_F(BricksTest, AFreshFieldIsClearedByExactly69Strikes) {
    // Clear from the lowest row up, striking each brick's bottom face with the
    // ball reaching down into the rows already cleared, so it overlaps one brick.
    std::vector<std::size_t> order(game.Brick.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return game.Brick[a].Top > game.Brick[b].Top; });

    int strikes = 0;
    for (std::size_t index : order) {
        const Shape& brick = game.Brick[index];
        while (brick.Visible) {
            game.shpBall.Left = brick.Left + 500;
            game.shpBall.Top = brick.Top + brick.Height - 15;
            game.BallSpeedX = 50, game.BallSpeedY = -50;
            for (std::size_t other = 0; other < game.Brick.size(); ++other) {
                if (other != index && game.Brick[other].Visible) {
                    ASSERT_FALSE(Overlaps(game.Brick[other], game.shpBall)) << index << " and " << other;
                }
            }

            const std::string before = game.lblPoints.Caption;
            EXPECT_NE(before, "6900");
            game.CheckBricks();
            ++strikes;
            ASSERT_EQ(game.lblPoints.Caption, std::to_string(100 * strikes)) << "brick " << index;
            ASSERT_LE(strikes, 69);
        }
    }
    EXPECT_EQ(strikes, 69);
    EXPECT_EQ(game.lblPoints.Caption, "6900");
    for (const Shape& brick : game.Brick) EXPECT_FALSE(brick.Visible);
}

}  // namespace
}  // namespace crumbleton
