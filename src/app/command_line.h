#pragma once
// What the command line and the environment ask of the program before any window
// opens: a usage or a version to print, a scale factor to refuse, or a start.
// Plain C++, no toolkit: decided before the toolkit starts.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace crumbleton {

// An environment variable's value; nullopt where it is not set.
using Environment = std::function<std::optional<std::string>(std::string_view name)>;

struct Launch {
    bool start = true;   // false: end at once with `status`, having printed the texts
    int status = 0;      // the exit status where the program does not start
    std::string output;  // for standard output, whole lines
    std::string error;   // for standard error, one line
};

// `args` as main() gets them, the program's name first; `version` the program's.
Launch CheckLaunch(const std::vector<std::string>& args, const Environment& environment,
                   std::string_view version);

// The one line to print where the toolkit could reach no window system.
std::string NoDesktopLine(const std::vector<std::string>& args, const Environment& environment);

}  // namespace crumbleton
