// What the command line and the environment decide before the toolkit starts.

#include "command_line.h"

#include <gtest/gtest.h>

#include <map>

namespace crumbleton {
namespace {

Environment With(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](std::string_view name) -> std::optional<std::string> {
        const auto found = variables.find(std::string(name));
        if (found == variables.end()) return std::nullopt;
        return found->second;
    };
}

TEST(CommandLineTest, HelpAndVersionNeedNothingElse) {
    // A scale factor that would be refused does not stand in the way of either.
    const Environment bad = With({{"QT_SCALE_FACTOR", "0"}});
    for (const char* option : {"--help", "-h"}) {
        const Launch help = CheckLaunch({"crumbleton", option}, bad, "1.2.3");
        EXPECT_FALSE(help.start) << option;
        EXPECT_EQ(help.status, 0) << option;
        EXPECT_TRUE(help.output.starts_with("Usage: crumbleton [--help | --version]\n")) << help.output;
        EXPECT_NE(help.output.find("man 6 crumbleton"), std::string::npos);
        EXPECT_NE(help.output.find("Space"), std::string::npos);
        EXPECT_TRUE(help.error.empty());
    }
    const Launch version = CheckLaunch({"crumbleton", "-style", "Fusion", "--version"}, bad, "1.2.3");
    EXPECT_FALSE(version.start);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, "crumbleton 1.2.3\n");
    EXPECT_TRUE(version.error.empty());
}

TEST(CommandLineTest, ScaleFactorsOutsideATenthToTenAreRefused) {
    struct Case {
        const char* global;   // QT_SCALE_FACTOR, or null for unset
        const char* screens;  // QT_SCREEN_SCALE_FACTORS, or null
        bool starts;
        const char* named;  // the variable the refusal names
    };
    const Case cases[] = {
        {nullptr, nullptr, true, ""},
        {"1", nullptr, true, ""},
        {"0.1", nullptr, true, ""},
        {"10", nullptr, true, ""},
        {" 1.5 ", nullptr, true, ""},
        {"", nullptr, true, ""},  // empty: as if unset
        {"0", nullptr, false, "QT_SCALE_FACTOR"},
        {"-1", nullptr, false, "QT_SCALE_FACTOR"},
        {"0.09", nullptr, false, "QT_SCALE_FACTOR"},
        {"10.5", nullptr, false, "QT_SCALE_FACTOR"},
        {"1000", nullptr, false, "QT_SCALE_FACTOR"},
        {"abc", nullptr, false, "QT_SCALE_FACTOR"},
        {"1,5", nullptr, false, "QT_SCALE_FACTOR"},
        {"2x", nullptr, false, "QT_SCALE_FACTOR"},
        {"nan", nullptr, false, "QT_SCALE_FACTOR"},
        {"inf", nullptr, false, "QT_SCALE_FACTOR"},
        {"1e400", nullptr, false, "QT_SCALE_FACTOR"},
        {nullptr, "2", true, ""},
        {nullptr, "1;2", true, ""},
        {nullptr, "HDMI-1=1.5;eDP-1=2;", true, ""},
        {nullptr, "1;0", false, "QT_SCREEN_SCALE_FACTORS"},
        {nullptr, "eDP-1=1000", false, "QT_SCREEN_SCALE_FACTORS"},
        {nullptr, "eDP-1=", false, "QT_SCREEN_SCALE_FACTORS"},
        {nullptr, "big", false, "QT_SCREEN_SCALE_FACTORS"},
        // The toolkit multiplies them.
        {"2", "4", true, ""},
        {"4", "4", false, "QT_SCREEN_SCALE_FACTORS"},
        {"0.5", "0.1", false, "QT_SCREEN_SCALE_FACTORS"},
        {"0", "1", false, "QT_SCALE_FACTOR"},
    };
    for (const Case& c : cases) {
        std::map<std::string, std::string> variables;
        if (c.global) variables["QT_SCALE_FACTOR"] = c.global;
        if (c.screens) variables["QT_SCREEN_SCALE_FACTORS"] = c.screens;
        const Launch launch = CheckLaunch({"crumbleton"}, With(variables), "1.0.0");
        const std::string label = std::string("QT_SCALE_FACTOR=") + (c.global ? c.global : "(unset)") +
                                  " QT_SCREEN_SCALE_FACTORS=" + (c.screens ? c.screens : "(unset)");
        EXPECT_EQ(launch.start, c.starts) << label;
        EXPECT_TRUE(launch.output.empty()) << label;
        if (c.starts) {
            EXPECT_TRUE(launch.error.empty()) << label << ": " << launch.error;
            continue;
        }
        EXPECT_EQ(launch.status, 1) << label;
        EXPECT_TRUE(launch.error.starts_with(std::string("crumbleton: ") + c.named + "=")) << launch.error;
        EXPECT_NE(launch.error.find("0.1"), std::string::npos) << launch.error;
        EXPECT_NE(launch.error.find("10"), std::string::npos) << launch.error;
        EXPECT_EQ(launch.error.find('\n'), std::string::npos) << launch.error;
    }
}

TEST(CommandLineTest, OtherArgumentsAreTheToolkitsAndStart) {
    const Launch launch =
        CheckLaunch({"crumbleton", "-style", "Fusion", "-platform", "xcb"}, With({}), "1.0.0");
    EXPECT_TRUE(launch.start);
    EXPECT_TRUE(launch.output.empty());
    EXPECT_TRUE(launch.error.empty());
}

TEST(CommandLineTest, NoDesktopLineSaysWhatWasTried) {
    struct Case {
        std::vector<std::string> args;
        std::map<std::string, std::string> variables;
        const char* mentions;
    };
    const Case cases[] = {
        {{"crumbleton"}, {}, "DISPLAY and WAYLAND_DISPLAY are unset"},
        {{"crumbleton"}, {{"DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}, "DISPLAY and WAYLAND_DISPLAY are unset"},
        {{"crumbleton"}, {{"DISPLAY", ":77"}}, "did not answer (DISPLAY=:77)"},
        {{"crumbleton"},
         {{"DISPLAY", ":77"}, {"WAYLAND_DISPLAY", "wayland-1"}},
         "did not answer (WAYLAND_DISPLAY=wayland-1, DISPLAY=:77)"},
        {{"crumbleton"}, {{"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}}, "QT_QPA_PLATFORM=wayland"},
        {{"crumbleton", "-platform", "vnc"}, {{"QT_QPA_PLATFORM", "xcb"}}, "\"vnc\""},
    };
    for (const Case& c : cases) {
        const std::string line = NoDesktopLine(c.args, With(c.variables));
        EXPECT_TRUE(line.starts_with("crumbleton: ")) << line;
        EXPECT_NE(line.find(c.mentions), std::string::npos) << line;
        EXPECT_NE(line.find("desktop session (X11 or Wayland)"), std::string::npos) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace crumbleton
