#pragma once

#include <optional>

namespace CLI {
class App;
}

namespace orv::command_line {

// The exit status of a command line that cannot be used, as Linux tools have it; failures while
// running exit with 1.
inline constexpr int kUsageStatus = 2;

// Parses the command line. --help and the lists print and give status 0; a wrong option prints
// its reason with a hint to --help and gives kUsageStatus. Nothing when the program is to run.
std::optional<int> parseCommandLine(CLI::App& app, int argc, const char* const* argv);

}  // namespace orv::command_line
