// A long run of the rules under a seeded random player: arrow keys pressed, held
// (with the desktop's auto-repeat) and released in any order, space at any time,
// "&Reset" and "&Menu" at any moment, colour options changed, message boxes closed.
// After every tick and every action the game's invariants must hold. A failure
// names the seed and the tick; replay it, or run longer, with
//   CRUMBLETON_SOAK_SEED=<seed> CRUMBLETON_SOAK_TICKS=<ticks> game_tests --gtest_filter='Soak*'

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <utility>

#include "captions.h"
#include "fake_toolkit.h"
#include "frm_game.h"

namespace crumbleton {
namespace {

constexpr std::uint64_t kDefaultSeed = 20240613;
constexpr std::uint64_t kDefaultTicks = 200000;

constexpr float kWaitingLeft = 4080, kWaitingTop = 4680;  // twips

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

// The colours a brick may have: its class's strengths, weakest first.
bool ColourOfItsClass(std::size_t index, Colour colour) {
    if (index == 36) return colour == kBlack;
    if (colour == kOrange) return true;
    return (index >= 12 && colour == kYellow) || (index >= 28 && index <= 35 && colour == kGreen);
}

int FullStrength(std::size_t index) { return index == 36 ? 1 : index >= 28 ? 3 : index >= 12 ? 2 : 1; }

int StrikesLeft(const Shape& brick) {
    if (!brick.Visible) return 0;
    return brick.FillColor == kGreen ? 3 : brick.FillColor == kYellow ? 2 : 1;
}

// Everything a tick may change, to tell whether one ran.
struct State {
    std::array<Shape, 37> bricks;
    std::array<Shape, 2> paddles, shields;
    Shape ball;
    Image live, banana, shield, face;
    Label lives, points, time, timer, message;
    std::array<std::int16_t, 7> variables;
    bool operator==(const State&) const = default;

    explicit State(const frmGame& g)
        : bricks(g.Brick),
          paddles(g.shpPaddle),
          shields(g.shpShield),
          ball(g.shpBall),
          live(g.imgLive),
          banana(g.imgBananna),
          shield(g.imgshield),
          face(g.imgFace),
          lives(g.lblLives),
          points(g.lblPoints),
          time(g.lblTime),
          timer(g.lblTimer),
          message(g.lblMessage),
          variables{g.BallSpeedX,    g.BallSpeedY,  g.PaddleSpeed, g.BananaFalling,
                    g.ShieldFalling, g.LifeFalling, g.PowerUpRoll} {}
};

// The toolkit as the player sees it: message boxes they close, the screen shown.
class PlayerToolkit : public testing::FakeToolkit {
public:
    void Show(Screen screen) override {
        FakeToolkit::Show(screen);
        if (screen == Screen::Start && onStartShown) onStartShown();
    }
    void Hide(Screen screen) override {
        FakeToolkit::Hide(screen);
        if (screen != Screen::Game) return;
        gameShown = false;
        if (onGameHidden) onGameHidden();
    }
    std::function<void()> onStartShown;
    std::function<void()> onGameHidden;
    bool gameShown = true;
};

class Soak {
public:
    explicit Soak(std::uint64_t seed) : random_(seed) {
        toolkit_.whileMessageOpen = [this] { messageOpened(); };
        toolkit_.onStartShown = [this] {
            checkFresh("after the reset that precedes the start screen");
            // Left behind, the game waits for the player's return and serve.
            if (game_.BallSpeedX != 0 || game_.BallSpeedY != 0 || game_.shpBall.Top != 8520 ||
                !game_.lblMessage.Visible || game_.PaddleSpeed != 0)
                fail("the next game does not wait for its serve");
        };
        // The game window delivers the release of an arrow held as it hides.
        toolkit_.onGameHidden = [this] {
            if (held_ != 0) keyUp(std::exchange(held_, 0));
        };
        game_.Form_Load();
    }

    // Plays until `ticks` ticks have run or an invariant fails; returns the failure.
    std::string run(std::uint64_t ticks) {
        for (tick_ = 1; tick_ <= ticks && failure_.empty(); ++tick_) {
            play();
            if (!failure_.empty()) break;
            messagesThisTick_ = 0;
            feedRandomSource();
            game_.Timer1_Timer();
            checkAlways("after the tick");
        }
        return failure_;
    }

    // What the run went through, to show that it reached the situations that matter.
    struct Coverage {
        int wins = 0, losses = 0, resets = 0, menus = 0, strikes = 0;
        int bananas = 0, lives = 0, shields = 0;
    } seen;

private:
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void fail(const std::string& what) {
        if (!failure_.empty()) return;
        std::ostringstream out;
        out << "tick " << tick_ << ": " << what;
        failure_ = out.str();
    }

    void feedRandomSource() {
        // A fraction of exactly 0 is the one way to roll a 10: offer it now and then.
        if (toolkit_.fractions.empty())
            toolkit_.fractions.push_back(chance(0.02) ? 0.0f
                                                      : std::uniform_real_distribution<float>(0, 1)(random_));
    }

    void keyDown(int code) {
        game_.Form_KeyDown(code, pick(8));
        checkAlways("after a key-down");
    }
    void keyUp(int code) {
        game_.Form_KeyUp(code, pick(8));
        checkAlways("after a key-up");
    }

    void play() {
        if (!toolkit_.gameShown) {
            // On the start screen until "Start Game!" is clicked; the ticks go on.
            if (chance(0.01)) toolkit_.gameShown = true;
            return;
        }
        if (chance(0.0002)) chooseColour();
        if (chance(0.00005)) {
            ++seen.resets;
            game_.mnuFileReset_Click();
            checkFresh("after \"&Reset\"");
        }
        if (chance(0.00003)) {
            ++seen.menus;
            game_.mnuFileMenu_Click();
            return;
        }
        if (chance(0.002)) {
            tracking_ = chance(0.85);
            greedy_ = chance(0.5);
            deadBand_ = static_cast<float>(pick(700));
        }
        if (tracking_) {
            track();
        } else if (chance(0.1)) {
            mash();
        }
        if (held_ != 0 && ++heldFor_ > 30 && heldFor_ % 2 == 0) keyDown(held_);  // auto-repeat
    }

    // Keeps both paddles under the ball, or under a falling power-up when greedy,
    // within a dead band that changes now and then.
    void track() {
        const Shape& paddle = game_.shpPaddle[0];
        float target = game_.shpBall.Left + game_.shpBall.Width / 2;
        if (greedy_) {
            for (const Image* image : {&game_.imgLive, &game_.imgBananna, &game_.imgshield}) {
                if (image->Left == kWaitingLeft && image->Visible && image->Top != kWaitingTop)
                    target = image->Left + image->Width / 2;
            }
        }
        const float gap = target - (paddle.Left + paddle.Width / 2);
        const int wanted = gap > deadBand_ ? kKeyRight : gap < -deadBand_ ? kKeyLeft : 0;
        if (wanted != held_) {
            if (held_ != 0) keyUp(held_);
            if (wanted != 0) keyDown(wanted);
            held_ = wanted;
            heldFor_ = 0;
        }
        if (game_.BallSpeedX == 0 && game_.BallSpeedY == 0 && chance(0.05)) {
            keyDown(kKeySpace);
            keyUp(kKeySpace);
        }
    }

    // Any key, down or up, in any order.
    void mash() {
        static constexpr auto kKeys =
            std::to_array({kKeyLeft, kKeyRight, kKeySpace, kKeyUp, kKeyDown, kKeyReturn, 65});
        const int key = kKeys[static_cast<std::size_t>(pick(static_cast<int>(kKeys.size())))];
        if (chance(0.5)) {
            keyDown(key);
            if (key == kKeyLeft || key == kKeyRight) held_ = key, heldFor_ = 0;
        } else {
            keyUp(key);
            if (key == held_) held_ = 0;
        }
    }

    // An option button clicked: it clears the others of its group.
    void chooseColour() {
        const int option = pick(18);
        const int group = option / 6;
        for (int o = group * 6; o < group * 6 + 6; ++o) toolkit_.selected.erase(static_cast<ColourOption>(o));
        toolkit_.selected.insert(static_cast<ColourOption>(option));
    }

    void messageOpened() {
        const testing::ShownMessage& m = toolkit_.messages.back();
        if (++messagesThisTick_ > 1) return fail("a second end-of-game message in one tick: " + m.text);
        if (m.text == " Game Over!!") {
            ++seen.losses;
            if (m.title != " You Lose!" || m.icon != MessageIcon::Critical)
                fail("the lost game's box is wrong");
            if (game_.lblLives.Caption != "0")
                fail("the lost game's message with lives " + game_.lblLives.Caption);
        } else if (m.text == " congratulations, You Win!!") {
            ++seen.wins;
            if (m.title != " Winner" || m.icon != MessageIcon::None) fail("the win's box is wrong");
            if (game_.lblPoints.Caption != "6900")
                fail("the win's message with points " + game_.lblPoints.Caption);
        } else {
            fail("an unknown message: " + m.text);
        }
        // The desktop delivers timer events while the box is open; no tick may run.
        const State before(game_);
        game_.Timer1_Timer();
        game_.Timer1_Timer();
        if (!(State(game_) == before)) fail("a tick ran while a message was open");
    }

    void checkAlways(const char* when) {
        const auto say = [&](const std::string& what) { fail(what + " " + when); };

        const double points = CaptionToNumberStrict(game_.lblPoints.Caption);
        int struck = 0;
        for (std::size_t i = 0; i < game_.Brick.size(); ++i) {
            const Shape& brick = game_.Brick[i];
            if (!ColourOfItsClass(i, brick.FillColor))
                return say("brick " + std::to_string(i) + " has colour " + std::to_string(brick.FillColor));
            if (!brick.Visible && brick.FillColor != kOrange && brick.FillColor != kBlack)
                return say("brick " + std::to_string(i) + " is hidden before it is spent");
            struck += FullStrength(i) - StrikesLeft(brick);
        }
        if (!(points >= 0 && points <= 6900) || static_cast<int>(points) % 100 != 0)
            return say("points read " + game_.lblPoints.Caption);
        if (points != 100.0 * struck)
            return say("points " + game_.lblPoints.Caption + " for " + std::to_string(struck) + " strikes");
        if (struck > seenStruck_) seen.strikes += struck - seenStruck_;
        seenStruck_ = struck;

        const double lives = CaptionToNumberStrict(game_.lblLives.Caption);
        if (!(lives >= 0) || lives != static_cast<int>(lives))
            return say("lives read " + game_.lblLives.Caption);

        for (std::int16_t speed : {game_.BallSpeedX, game_.BallSpeedY})
            if (speed != 0 && speed != 50 && speed != -50)
                return say("a ball speed of " + std::to_string(speed));
        if (game_.PaddleSpeed != 0 && game_.PaddleSpeed != 105 && game_.PaddleSpeed != -105)
            return say("a paddle speed of " + std::to_string(game_.PaddleSpeed));

        const float width = game_.shpPaddle[0].Width;
        if (game_.shpPaddle[1].Width != width) return say("paddles of different widths");
        if (width < 1689 || width > 2535) return say("a paddle width of " + std::to_string(width));

        int waiting = 0;
        for (const Image* image : {&game_.imgLive, &game_.imgBananna, &game_.imgshield})
            waiting += image->Left == kWaitingLeft ? 1 : 0;
        if (waiting != 1) return say(std::to_string(waiting) + " power-ups in the waiting column");

        countCatches();
    }

    // A fresh game: what every reset restores, with one power-up waiting.
    void checkFresh(const char* when) {
        const auto say = [&](const std::string& what) { fail(what + " " + when); };
        if (game_.lblLives.Caption != "3" || game_.lblPoints.Caption != "0") return say("not a fresh score");
        for (std::size_t i = 0; i < game_.Brick.size(); ++i) {
            if (!game_.Brick[i].Visible || StrikesLeft(game_.Brick[i]) != FullStrength(i))
                return say("brick " + std::to_string(i) + " not restored");
        }
        if (game_.shpPaddle[0].Width != 1695 || game_.shpPaddle[1].Width != 1695)
            return say("paddles not restored");
        if (game_.BananaFalling != 0 || game_.ShieldFalling != 0 || game_.LifeFalling != 0)
            return say("a power-up still falling");
        struct Home {
            const Image& image;
            float top;
        };
        int waiting = 0;
        for (const Home& h :
             {Home{game_.imgLive, 7680}, Home{game_.imgBananna, 8280}, Home{game_.imgshield, 8880}}) {
            if (!h.image.Visible) return say("a power-up left hidden");
            if (h.image.Left == kWaitingLeft && h.image.Top == kWaitingTop) {
                ++waiting;
            } else if (h.image.Left != 9840 || h.image.Top != h.top) {
                return say("a power-up neither waiting nor at home");
            }
        }
        if (waiting != 1) say(std::to_string(waiting) + " power-ups at the waiting spot");
    }

    void countCatches() {
        const bool banana = !game_.imgBananna.Visible, life = !game_.imgLive.Visible,
                   shield = !game_.imgshield.Visible;
        seen.bananas += banana && !caught_[0];
        seen.lives += life && !caught_[1];
        seen.shields += shield && !caught_[2];
        caught_ = {banana, life, shield};
    }

    PlayerToolkit toolkit_;
    frmGame game_{toolkit_};
    std::mt19937_64 random_;
    std::uint64_t tick_ = 0;
    std::string failure_;
    int messagesThisTick_ = 0;
    bool tracking_ = true;
    bool greedy_ = false;
    float deadBand_ = 150;
    int held_ = 0;  // the arrow the player holds down, 0 for none
    int heldFor_ = 0;
    int seenStruck_ = 0;
    std::array<bool, 3> caught_{};
};

TEST(SoakTest, RandomPlayKeepsEveryInvariant) {
    const std::uint64_t seed = EnvNumber("CRUMBLETON_SOAK_SEED", kDefaultSeed);
    const std::uint64_t ticks = EnvNumber("CRUMBLETON_SOAK_TICKS", kDefaultTicks);
    Soak soak(seed);
    const std::string failure = soak.run(ticks);
    ASSERT_EQ(failure, "") << "seed " << seed << ", " << failure << "\nreplay: CRUMBLETON_SOAK_SEED=" << seed
                           << " CRUMBLETON_SOAK_TICKS=" << ticks << " game_tests --gtest_filter='Soak*'";

    const Soak::Coverage& c = soak.seen;
    std::cout << "seed " << seed << ", " << ticks << " ticks: " << c.wins << " wins, " << c.losses
              << " lost games, " << c.resets << " resets, " << c.menus << " menus, " << c.strikes
              << " strikes, " << c.bananas << " bananas, " << c.lives << " extra lives, " << c.shields
              << " shields caught\n";
    if (seed == kDefaultSeed && ticks >= kDefaultTicks) {
        // The default run must reach every situation, or its invariants prove little.
        for (int count : {c.wins, c.losses, c.resets, c.menus, c.bananas, c.lives, c.shields})
            EXPECT_GT(count, 0);
    }
}

}  // namespace
}  // namespace crumbleton
