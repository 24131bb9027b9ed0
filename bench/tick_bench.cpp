// The cost of one frame tick of the toolkit-free core, in three states of play.
// Prints Google Benchmark's table, then a summary against the 16 ms tick period.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "fake_toolkit.h"
#include "frm_game.h"

namespace crumbleton {
namespace {

using Clock = std::chrono::steady_clock;
constexpr double kTickPeriodNs = 16e6;

struct Scenario {
    testing::FakeToolkit toolkit;
    frmGame game{toolkit};
};

// The ball parked on a fresh field.
void Parked(frmGame& game) { game.Form_Load(); }

// The ball in flight among the bricks while the large paddle grows and a
// released power-up falls.
void InFlight(frmGame& game) {
    game.Form_Load();
    game.shpBall.Left = 4400, game.shpBall.Top = 6000;
    game.BallSpeedX = 50, game.BallSpeedY = -50;
    game.imgBananna.Visible = false;  // caught: the paddles grow
    game.lblTime.Caption = "20";
    game.lblTime.Visible = game.lblTimer.Visible = true;
    game.imgLive.Left = 4080, game.imgLive.Top = 5200;
    game.LifeFalling = 45;
}

// The win sequence: the points read 6900, the face grows.
void Winning(frmGame& game) {
    game.Form_Load();
    for (Shape& brick : game.Brick) brick.Visible = false;
    game.lblPoints.Caption = "6900";
    game.BallSpeedX = 50, game.BallSpeedY = -50;
}

// Ticks a scenario, starting it afresh every `ticksPerScenario` ticks so that the
// state stays the one named; only the ticks themselves are timed.
void TickIn(benchmark::State& state, void (*setUp)(frmGame&), int ticksPerScenario) {
    std::unique_ptr<Scenario> scenario;
    int ticks = ticksPerScenario;
    for (auto _ : state) {
        if (ticks == ticksPerScenario) {
            scenario = std::make_unique<Scenario>();
            setUp(scenario->game);
            ticks = 0;
        }
        const auto start = Clock::now();
        scenario->game.Timer1_Timer();
        const auto end = Clock::now();
        ++ticks;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

// 40 ticks: the paddles are still growing (56 ticks in all) and the ball stays
// among the bricks; the face needs 192 ticks, so 150 never reaches the message.
BENCHMARK_CAPTURE(TickIn, parked_fresh_field, Parked, 1000)->UseManualTime()->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(TickIn, in_flight_paddle_growing_powerup_falling, InFlight, 40)
    ->UseManualTime()
    ->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(TickIn, win_sequence, Winning, 150)->UseManualTime()->Unit(benchmark::kNanosecond);

// Collects the medians of repeated runs for the closing summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.aggregate_name == "median") medians_[run.run_name.str()] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-60s %14s %16s\n", "state", "median ns/tick", "share of 16 ms");
        for (const auto& [name, ns] : medians_)
            std::printf("%-60s %14.1f %15.4f%%\n", name.c_str(), ns, 100.0 * ns / kTickPeriodNs);
        std::printf("(target: under 0.01%% of the period, 1600 ns, in every state)\n");
    }

private:
    std::map<std::string, double> medians_;
};

}  // namespace
}  // namespace crumbleton

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    crumbleton::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
