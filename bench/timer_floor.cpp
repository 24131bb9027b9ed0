// The machine's own timer jitter: a bare program that only wakes every 16 ms on
// absolute deadlines, the best any program's tick intervals can be here.
//
//   timer_floor [--seconds=N]

#include <time.h>

#include <cstdio>
#include <vector>

#include "measure.h"

int main(int argc, char* argv[]) {
    using namespace crumbleton::measure;
    double seconds = 20;
    for (int i = 1; i < argc; ++i) seconds = NumberOption(argv[i], "seconds", seconds);

    const auto wakeUps = static_cast<std::size_t>(seconds * 1000 / kPeriodMs);
    std::vector<Clock::time_point> times;
    times.reserve(wakeUps + 1);

    // Deadlines on a fixed grid, as a precise Qt timer keeps them: a late wake-up
    // does not push the next one back.
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    const double cpuStart = CpuSeconds();
    const auto wallStart = Clock::now();
    for (std::size_t i = 0; i <= wakeUps; ++i) {
        deadline.tv_nsec += std::chrono::nanoseconds(kPeriod).count();
        if (deadline.tv_nsec >= 1'000'000'000) {
            deadline.tv_nsec -= 1'000'000'000;
            ++deadline.tv_sec;
        }
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) != 0) {
        }
        times.push_back(Clock::now());
    }
    const double cpu = CpuSeconds() - cpuStart;
    const double wall = std::chrono::duration<double>(Clock::now() - wallStart).count();

    Floor floor{Summarise(Intervals(times)), 100.0 * cpu / wall};
    std::printf("\nThe timer floor: a bare program woken every 16 ms for %.0f s\n", wall);
    PrintHeader();
    PrintIntervals("wake-up", floor.interval);
    PrintRow("CPU time, share of one core", floor.cpuShare, "%");
    std::printf("  %zu wake-ups\n", times.size());
    std::printf("  reproduce: %s --seconds=%g\n", argv[0], seconds);
    PrintFloor(floor);
    return 0;
}
