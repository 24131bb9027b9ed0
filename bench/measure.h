#pragma once
// What the measuring programs share: their clock, the CPU time and peak memory of
// the process, the summary of a series of intervals, and the one line in which a
// floor program hands its figures to play_measure.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace crumbleton::measure {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

// The period the game's timer and both floors run at.
inline constexpr std::chrono::milliseconds kPeriod{16};
inline constexpr double kPeriodMs = 16.0;
// Twips the measured paddles' centre may stray from the ball's before they are steered.
inline constexpr double kDeadBand = 150;

inline double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

inline double PeakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

struct Stats {
    double mean = 0, median = 0, p99 = 0, max = 0;
};

inline Stats Summarise(std::vector<double> values) {
    Stats s;
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    double sum = 0;
    for (double v : values) sum += v;
    const auto rank = [&](double p) {
        const auto i = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
        return values[std::min(i, values.size() - 1)];
    };
    s.mean = sum / static_cast<double>(values.size());
    s.median = rank(0.5);
    s.p99 = rank(0.99);
    s.max = values.back();
    return s;
}

// Milliseconds between consecutive time points.
inline std::vector<double> Intervals(const std::vector<Clock::time_point>& times) {
    std::vector<double> intervals;
    for (std::size_t i = 1; i < times.size(); ++i) intervals.push_back(Ms(times[i] - times[i - 1]).count());
    return intervals;
}

inline void PrintHeader() {
    std::printf("  %-34s %10s %-5s %-26s %s\n", "measure", "value", "unit", "target", "");
}

// verdict: -1 none, 0 missed, 1 met.
inline void PrintRow(const char* what, double value, const char* unit, const char* target = "",
                     int verdict = -1) {
    std::printf("  %-34s %10.3f %-5s %-26s %s\n", what, value, unit, target,
                verdict < 0 ? ""
                : verdict   ? "met"
                            : "MISSED");
}

// A floor's intervals, `what` naming them ("tick" or "wake-up").
inline void PrintIntervals(const std::string& what, const Stats& s) {
    PrintRow((what + " interval, mean").c_str(), s.mean, "ms");
    PrintRow((what + " interval, median").c_str(), s.median, "ms");
    PrintRow((what + " interval, 99th percentile").c_str(), s.p99, "ms");
    PrintRow((what + " interval, max").c_str(), s.max, "ms");
}

// A floor's figures in one line that play_measure reads back.
struct Floor {
    Stats interval;        // ms
    double cpuShare = -1;  // % of one core; < 0 while unknown
};

inline constexpr const char* kFloorTag = "floor figures:";

inline void PrintFloor(const Floor& f) {
    std::printf("%s p99=%.6f max=%.6f cpu=%.6f\n", kFloorTag, f.interval.p99, f.interval.max, f.cpuShare);
}

inline bool ParseFloor(const std::string& line, Floor& f) {
    const std::string format = std::string(kFloorTag) + " p99=%lf max=%lf cpu=%lf";
    return std::sscanf(line.c_str(), format.c_str(), &f.interval.p99, &f.interval.max, &f.cpuShare) == 3;
}

#ifdef CRUMBLETON_BENCH_DESKTOP
// Qt's platform unless QT_QPA_PLATFORM names one: the X display where DISPLAY is
// set, else offscreen on a desktop that holds the game window at its laid-out
// size at any scale factor measured. Set before any floor runs, so all share it.
inline void ChoosePlatform() {
    if (const char* chosen = std::getenv("QT_QPA_PLATFORM"); chosen != nullptr && *chosen != '\0') return;
    const char* display = std::getenv("DISPLAY");
    const std::string platform = display != nullptr && *display != '\0'
                                     ? std::string("xcb")
                                     : std::string("offscreen:configfile=") + CRUMBLETON_BENCH_DESKTOP;
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
}
#endif

// The variables a run's reproduce command must set again, as "NAME=value ".
inline std::string EnvironmentPrefix() {
    std::string prefix;
    for (const char* name : {"DISPLAY", "QT_SCALE_FACTOR"}) {
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0')
            prefix += std::string(name) + "=" + value + " ";
    }
    return prefix;
}

// "--name=value" as a number, or `fallback` when the argument is another.
inline double NumberOption(const char* arg, const char* name, double fallback) {
    const std::string prefix = std::string("--") + name + "=";
    return std::string_view(arg).starts_with(prefix) ? std::atof(arg + prefix.size()) : fallback;
}

}  // namespace crumbleton::measure
