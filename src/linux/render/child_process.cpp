#include "linux/render/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <utility>

#include "linux/render/ending_signals.h"
#include "linux/render/output_error.h"

namespace orv::render {
namespace {

constexpr int kPollMilliseconds = 200;  // how soon an ending signal is noticed while waiting
constexpr int kFirstExtraInput = 3;

// A pipe whose ends sit above the child's numbers, so that putting an end in its place always
// clears close-on-exec (a dup2 onto itself would not).
std::array<int, 2> makePipe(const std::string& program) {
    std::array<int, 2> ends{};
    if (pipe2(ends.data(), O_CLOEXEC) != 0) {
        throw OutputError(program + ": cannot make a pipe (" + std::strerror(errno) + ")");
    }
    for (int& end : ends) {
        const int moved = fcntl(end, F_DUPFD_CLOEXEC, 10);
        close(end);
        end = moved;
    }
    return ends;
}

// Starts the program with each (ours, theirs) pair's first descriptor in the second's place.
pid_t spawn(const std::vector<std::string>& arguments,
            const std::vector<std::pair<int, int>>& descriptors) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const auto& [ours, theirs] : descriptors) {
        posix_spawn_file_actions_adddup2(&actions, ours, theirs);
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);  // ignored here, but a program of its own should see it
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int error =
        posix_spawn(&pid, arguments.front().c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        throw OutputError(arguments.front() + ": cannot be started (" + std::strerror(error) + ")");
    }
    return pid;
}

// Waits for the process; its exit status, or -1 when it did not exit normally. Throws
// Interrupted, leaving it running, when an ending signal comes meanwhile.
int waitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
        stopIfSignalled();
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, std::size_t inputs) {
    std::vector<std::pair<int, int>> descriptors;
    std::vector<int> theirs;
    for (std::size_t index = 0; index < inputs; ++index) {
        const std::array<int, 2> ends = makePipe(arguments.front());
        descriptors.emplace_back(
            ends[0], index == 0 ? STDIN_FILENO : kFirstExtraInput + static_cast<int>(index) - 1);
        theirs.push_back(ends[0]);
        inputs_.push_back(ends[1]);
        fcntl(ends[1], F_SETFL, O_NONBLOCK);
    }
    try {
        pid_ = spawn(arguments, descriptors);
    } catch (...) {
        for (const int end : theirs) close(end);
        for (const int end : inputs_) close(end);
        throw;
    }
    for (const int end : theirs) close(end);
}

ChildProcess::~ChildProcess() {
    stop();
}

void ChildProcess::closeInput(std::size_t index) {
    if (inputs_[index] >= 0) close(inputs_[index]);
    inputs_[index] = -1;
}

int ChildProcess::finish() {
    for (std::size_t index = 0; index < inputs_.size(); ++index) closeInput(index);
    if (pid_ < 0) return -1;
    try {
        const int status = waitFor(pid_);
        pid_ = -1;
        return status;
    } catch (const Interrupted&) {
        stop();
        throw;
    }
}

void ChildProcess::stop() {
    for (std::size_t index = 0; index < inputs_.size(); ++index) closeInput(index);
    if (pid_ < 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}

bool feedPipes(std::span<PendingBytes> pending) {
    std::array<pollfd, 4> polled{};
    while (!pending.front().bytes.empty()) {
        std::size_t count = 0;
        for (const PendingBytes& entry : pending) {
            if (entry.fd >= 0 && !entry.bytes.empty() && count < polled.size()) {
                polled[count++] = {entry.fd, POLLOUT, 0};
            }
        }
        if (poll(polled.data(), count, kPollMilliseconds) < 0 && errno != EINTR) return false;
        stopIfSignalled();
        for (std::size_t index = 0; index < count; ++index) {
            if (polled[index].revents == 0) continue;
            for (PendingBytes& entry : pending) {
                if (entry.fd != polled[index].fd) continue;
                const ssize_t written = ::write(entry.fd, entry.bytes.data(), entry.bytes.size());
                if (written < 0 && errno != EAGAIN && errno != EINTR) return false;
                if (written > 0)
                    entry.bytes = entry.bytes.subspan(static_cast<std::size_t>(written));
            }
        }
    }
    return true;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        // A signal ends a blocked write early, with EINTR or with the bytes it got through.
        stopIfSignalled();
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

std::optional<std::string> programOutput(const std::vector<std::string>& arguments) {
    const std::array<int, 2> ends = makePipe(arguments.front());
    pid_t pid = -1;
    try {
        pid = spawn(arguments, {{ends[1], STDOUT_FILENO}});
    } catch (...) {
        close(ends[0]);
        close(ends[1]);
        throw;
    }
    close(ends[1]);
    std::string output;
    std::array<char, 4096> chunk{};
    for (;;) {
        const ssize_t got = read(ends[0], chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        output.append(chunk.data(), static_cast<std::size_t>(got));
    }
    close(ends[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return output;
}

std::string findProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::filesystem::path candidate =
            std::filesystem::path(folder.empty() ? "." : folder) / name;
        if (access(candidate.c_str(), X_OK) == 0 && !std::filesystem::is_directory(candidate)) {
            return candidate.string();
        }
    }
    return {};
}

}  // namespace orv::render
