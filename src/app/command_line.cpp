#include "command_line.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace crumbleton {

namespace {

// Below a tenth the windows are specks; above ten the toolkit renders pictures
// and windows at sizes that take gigabytes, and at 0 or less it cannot draw.
constexpr double kSmallestScale = 0.1;
constexpr double kLargestScale = 10;

constexpr std::string_view kUsage =
    "Usage: crumbleton [--help | --version]\n"
    "Keep one ball in play with two paddles and knock out a wall of bricks.\n"
    "\n"
    "Keys: Left and Right steer both paddles, Space serves the ball,\n"
    "P or Pause pauses, F11 switches full screen, Alt+F opens the File menu.\n"
    "\n"
    "The game opens its windows on the desktop (X11 or Wayland).\n"
    "QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS, where set, must lie between 0.1 and 10.\n"
    "More in the manual: man 6 crumbleton\n";

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// A number as the toolkit reads these variables, or nullopt.
std::optional<double> Number(std::string_view text) {
    text = Trimmed(text);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool InRange(double factor) { return factor >= kSmallestScale && factor <= kLargestScale; }

std::string Refusal(std::string_view name, std::string_view value, std::string_view why) {
    return "crumbleton: " + std::string(name) + "=" + std::string(value) + " " + std::string(why);
}

// The factors of QT_SCREEN_SCALE_FACTORS: "1.5;2" or "NAME=1.5;NAME=2".
std::optional<std::vector<double>> ScreenFactors(std::string_view text) {
    std::vector<double> factors;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(';'), text.size());
        std::string_view entry = Trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (entry.empty()) continue;
        if (const std::size_t equals = entry.rfind('='); equals != std::string_view::npos)
            entry.remove_prefix(equals + 1);
        const std::optional<double> factor = Number(entry);
        if (!factor) return std::nullopt;
        factors.push_back(*factor);
    }
    return factors;
}

std::optional<std::string> Set(const Environment& environment, std::string_view name) {
    std::optional<std::string> value = environment(name);
    // An empty value is the usual way to clear a variable for one run.
    if (value && Trimmed(*value).empty()) return std::nullopt;
    return value;
}

// The refusal of a scale factor the game cannot be drawn at, or nothing.
std::optional<std::string> ScaleRefusal(const Environment& environment) {
    constexpr std::string_view kRange = "a number from 0.1 to 10";
    const std::optional<std::string> global = Set(environment, "QT_SCALE_FACTOR");
    double globalFactor = 1;
    if (global) {
        const std::optional<double> factor = Number(*global);
        if (!factor || !InRange(*factor))
            return Refusal(
                "QT_SCALE_FACTOR", *global,
                "is not a scale factor the game can use: set " + std::string(kRange) + ", or unset it");
        globalFactor = *factor;
    }
    const std::optional<std::string> screens = Set(environment, "QT_SCREEN_SCALE_FACTORS");
    if (!screens) return std::nullopt;
    const auto factors = ScreenFactors(*screens);
    if (!factors || !std::all_of(factors->begin(), factors->end(), InRange))
        return Refusal("QT_SCREEN_SCALE_FACTORS", *screens,
                       "is not a list of scale factors the game can use: give each screen " +
                           std::string(kRange) + " (as 1.5;2 or NAME=1.5), or unset it");
    // The toolkit multiplies the two.
    if (!std::all_of(factors->begin(), factors->end(), [&](double f) { return InRange(f * globalFactor); }))
        return Refusal("QT_SCREEN_SCALE_FACTORS", *screens,
                       "times QT_SCALE_FACTOR=" + global.value_or("1") +
                           " is not a scale factor the game can use: together " +
                           "they must lie between 0.1 and 10");
    return std::nullopt;
}

}  // namespace

Launch CheckLaunch(const std::vector<std::string>& args, const Environment& environment,
                   std::string_view version) {
    // Asked for anywhere on the line, the texts come first: they need no desktop.
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") return {false, 0, std::string(kUsage), {}};
        if (args[i] == "--version") return {false, 0, "crumbleton " + std::string(version) + "\n", {}};
    }
    if (std::optional<std::string> refusal = ScaleRefusal(environment)) return {false, 1, {}, *refusal};
    return {};
}

std::string NoDesktopLine(const std::vector<std::string>& args, const Environment& environment) {
    const std::string needs = "the game needs a desktop session (X11 or Wayland) to open its windows";
    // The toolkit's own option chooses the window system before the environment does.
    for (std::size_t i = 1; i + 1 < args.size(); ++i)
        if (args[i] == "-platform" || args[i] == "--platform")
            return "crumbleton: the window system \"" + args[i + 1] + "\" could not be opened; " + needs;
    if (const auto platform = Set(environment, "QT_QPA_PLATFORM"))
        return "crumbleton: the window system QT_QPA_PLATFORM=" + *platform + " could not be opened; " +
               needs;
    std::string names;
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY"})
        if (const auto value = Set(environment, name))
            names += (names.empty() ? "" : ", ") + std::string(name) + "=" + *value;
    if (names.empty())
        return "crumbleton: no desktop session found (DISPLAY and WAYLAND_DISPLAY are unset); " + needs;
    return "crumbleton: the desktop session did not answer (" + names + "); " + needs;
}

}  // namespace crumbleton
