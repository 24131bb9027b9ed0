#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "fake_toolkit.h"
#include "frm_game.h"
#include "power_up_helpers.h"

namespace crumbleton {
namespace {

using testing::AtWaitingSpot;
using ::testing::ElementsAre;

// Records each draw as well, to see that the source is re-seeded before it is used.
class DrawRecordingToolkit : public testing::FakeToolkit {
public:
    float RandomFraction() override {
        calls.push_back("RandomFraction");
        return FakeToolkit::RandomFraction();
    }
};

class PlacementTest : public ::testing::Test {
protected:
    DrawRecordingToolkit toolkit;
    frmGame game{toolkit};
};

constexpr float kLargestBelowOne = 1.0f - std::numeric_limits<float>::epsilon() / 2;

TEST_F(PlacementTest, RollPicksTheImage) {
    enum Which { Banana, Life, Shield };
    struct Case {
        float fraction;
        std::int16_t roll;
        Which image;
    };
    // roll = 10 + floor(-9 r): 1 to 9 in ninths of the fraction, 10 only for 0.
    const Case cases[] = {
        {kLargestBelowOne, 1, Banana}, {6.5f / 9, 3, Banana}, {5.5f / 9, 4, Life}, {2.5f / 9, 7, Life},
        {1.5f / 9, 8, Shield},         {0.5f / 9, 9, Shield}, {1e-7f, 9, Shield},  {0.0f, 10, Shield},
    };
    for (const Case& c : cases) {
        testing::FakeToolkit toolkit;
        frmGame game{toolkit};
        toolkit.fractions = {c.fraction};
        game.PlacePowerUp();

        SCOPED_TRACE(::testing::Message() << "fraction " << c.fraction);
        EXPECT_EQ(game.PowerUpRoll, c.roll);
        EXPECT_EQ(AtWaitingSpot(game.imgBananna), c.image == Banana);
        EXPECT_EQ(AtWaitingSpot(game.imgLive), c.image == Life);
        EXPECT_EQ(AtWaitingSpot(game.imgshield), c.image == Shield);
        testing::ExpectOneWaitingOthersHome(game);
    }
}

TEST_F(PlacementTest, ReseedsBeforeEveryDrawAndTouchesNothingElse) {
    toolkit.fractions = {0.0f, 0.5f};
    game.imgLive.Visible = false;
    game.LifeFalling = 45;

    game.PlacePowerUp();
    game.PlacePowerUp();

    EXPECT_THAT(toolkit.calls, ElementsAre("Reseed", "RandomFraction", "Reseed", "RandomFraction"));
    // Placing never sends an image home, shows it or stops its fall: the reset does.
    EXPECT_TRUE(AtWaitingSpot(game.imgshield));
    EXPECT_TRUE(AtWaitingSpot(game.imgLive));
    EXPECT_FALSE(game.imgLive.Visible);
    EXPECT_EQ(game.LifeFalling, 45);
    EXPECT_EQ(game.imgBananna.Left, 9840);
}

TEST_F(PlacementTest, RandomInRangeTakesTheArgumentsInEitherOrder) {
    struct Case {
        std::int16_t first, second;
        float fraction;
        std::int16_t result;
    };
    const Case cases[] = {
        // Low to high: 0 to 10 inclusive.
        {10, 0, 0.0f, 0},
        {10, 0, 0.5f, 5},
        {10, 0, kLargestBelowOne, 10},
        // The placement's order: floor of a negative product, so 1 to 10, never 0.
        {0, 10, 0.0f, 10},
        {0, 10, 0.5f, 5},
        {0, 10, 1e-7f, 9},
        {0, 10, kLargestBelowOne, 1},
    };
    for (const Case& c : cases) {
        toolkit.fractions = {c.fraction};
        EXPECT_EQ(game.RandomInRange(c.first, c.second), c.result)
            << c.first << ", " << c.second << " at " << c.fraction;
    }
}

TEST_F(PlacementTest, LoadingTheScreenPlacesOnePowerUp) {
    toolkit.fractions = {0.0f};
    game.Form_Load();

    EXPECT_THAT(toolkit.calls, ElementsAre("Reseed", "RandomFraction"));
    EXPECT_TRUE(AtWaitingSpot(game.imgshield));
    testing::ExpectOneWaitingOthersHome(game);
}

}  // namespace
}  // namespace crumbleton
