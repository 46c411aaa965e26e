#include "linux/command_line/command_line.h"

#include <CLI/CLI.hpp>

namespace orv::command_line {

std::optional<int> parseCommandLine(CLI::App& app, int argc, const char* const* argv) {
    try {
        app.parse(argc, argv);
        return std::nullopt;
    } catch (const CLI::ParseError& error) {
        // CLI11's own statuses (105, 106, ...) mean nothing to a shell script.
        return app.exit(error) == 0 ? 0 : kUsageStatus;
    }
}

}  // namespace orv::command_line
