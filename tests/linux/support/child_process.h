#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace orv::testing {

// A program started by a test (found along PATH unless named with a folder), with its own
// environment changes, no input and its output in files. Ended (SIGTERM, then waited for) when
// the object goes.
class ChildProcess {
  public:
    // An environment change: NAME=value, or NAME removed when there is no value.
    using Setting = std::pair<std::string, std::optional<std::string>>;

    ChildProcess(const std::vector<std::string>& command, const std::vector<Setting>& environment);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    // Asks it to end (SIGTERM).
    void terminate() const;
    // Polls until the program ends; its exit status, or nothing if it still runs after LIMIT.
    std::optional<int> waitForExit(std::chrono::seconds limit);
    std::string output() const;
    std::string errors() const;

  private:
    pid_t pid_ = -1;
    std::optional<int> status_;
    std::filesystem::path output_;
    std::filesystem::path errors_;
};

struct ProgramRun {
    int status = -1;  // the exit status; 128 + the signal's number when a signal ended it
    std::string out;
    std::string err;
};

// Runs a program to its end, as ChildProcess starts it, and collects what it writes.
ProgramRun runProgram(const std::vector<std::string>& command,
                      const std::vector<ChildProcess::Setting>& environment = {});

// Polls CONDITION every 50 ms until it holds or LIMIT has passed; whether it held.
template <typename Condition>
bool waitFor(std::chrono::seconds limit, Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

}  // namespace orv::testing
