#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace orv::testing {

namespace {

std::filesystem::path outputFile(const char* what) {
    static int serial = 0;
    return std::filesystem::temp_directory_path() / ("orvanta-test-" + std::to_string(getpid()) +
                                                     "-" + std::to_string(++serial) + "." + what);
}

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command,
                           const std::vector<Setting>& environment)
    : output_(outputFile("out")), errors_(outputFile("err")) {
    std::vector<std::string> settings;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        bool changed = false;
        for (const Setting& setting : environment) {
            changed = changed || setting.first == name;
        }
        if (!changed) {
            settings.push_back(text);
        }
    }
    for (const auto& [name, value] : environment) {
        if (value) {
            settings.push_back(name + "=" + *value);
        }
    }
    std::vector<char*> envp;
    for (std::string& setting : settings) {
        envp.push_back(setting.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> arguments = command;
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, output_.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&files, 2, errors_.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    const int failed = posix_spawnp(&pid_, argv[0], &files, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&files);
    if (failed != 0) {
        throw std::runtime_error("cannot start " + command[0]);
    }
}

ChildProcess::~ChildProcess() {
    if (!status_) {
        terminate();
        if (!waitForExit(std::chrono::seconds(20))) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    std::filesystem::remove(output_);
    std::filesystem::remove(errors_);
}

void ChildProcess::terminate() const {
    kill(pid_, SIGTERM);
}

std::optional<int> ChildProcess::waitForExit(std::chrono::seconds limit) {
    waitFor(limit, [this] {
        int status = 0;
        if (!status_ && waitpid(pid_, &status, WNOHANG) == pid_) {
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return status_.has_value();
    });
    return status_;
}

ProgramRun runProgram(const std::vector<std::string>& command,
                      const std::vector<ChildProcess::Setting>& environment) {
    ChildProcess child(command, environment);
    // Longer than any test may take: a run that hangs is ended when the child goes.
    const std::optional<int> status = child.waitForExit(std::chrono::seconds(900));
    return {status.value_or(-1), child.output(), child.errors()};
}

std::string ChildProcess::output() const {
    return readAll(output_);
}
std::string ChildProcess::errors() const {
    return readAll(errors_);
}

}  // namespace orv::testing
