// The cost of one frame tick of the toolkit-free core, in three states of play.
// Prints Google Benchmark's table, then a summary against the 16 ms tick period
// with the heap allocations a tick makes (there should be none).

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>
#include <string>

// Every allocation of the program is counted, so a tick that allocates shows.
namespace {
std::atomic<long> allocations{0};
}

[[gnu::noinline]] void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

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
    long tickAllocations = 0;
    for (auto _ : state) {
        if (ticks == ticksPerScenario) {
            scenario = std::make_unique<Scenario>();
            setUp(scenario->game);
            ticks = 0;
        }
        const long before = allocations.load(std::memory_order_relaxed);
        const auto start = Clock::now();
        scenario->game.Timer1_Timer();
        const auto end = Clock::now();
        tickAllocations += allocations.load(std::memory_order_relaxed) - before;
        ++ticks;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["allocs_per_tick"] =
        benchmark::Counter(static_cast<double>(tickAllocations), benchmark::Counter::kAvgIterations);
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
    // Plain text: the table is read in logs and pasted into documents.
    SummaryReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.aggregate_name != "median") continue;
            // "TickIn/<state>/manual_time": the state is what a reader wants.
            std::string name = run.run_name.str();
            const auto first = name.find('/'), last = name.rfind('/');
            if (first != std::string::npos && last > first) name = name.substr(first + 1, last - first - 1);
            Summary& s = summaries_[name];
            s.ns = run.GetAdjustedRealTime();
            const auto allocs = run.counters.find("allocs_per_tick");
            if (allocs != run.counters.end()) s.allocations = allocs->second.value;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nThe frame tick of the core (median of the repetitions)\n");
        std::printf("%-42s %12s %15s %12s\n", "state", "ns per tick", "share of 16 ms", "allocs/tick");
        for (const auto& [name, s] : summaries_)
            std::printf("%-42s %12.1f %14.4f%% %12.2f\n", name.c_str(), s.ns, 100.0 * s.ns / kTickPeriodNs,
                        s.allocations);
        std::printf("target: under 0.01%% of the period (1600 ns) in every state, no allocation\n");
    }

private:
    struct Summary {
        double ns = 0;
        double allocations = 0;
    };
    std::map<std::string, Summary> summaries_;
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
