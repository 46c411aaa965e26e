#include "linux/render/child_process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "linux/render/output_error.h"

namespace orv::render {

ChildProcess::ChildProcess(const std::vector<std::string>& arguments) {
    std::array<int, 2> ends{};
    if (pipe2(ends.data(), O_CLOEXEC) != 0) {
        throw OutputError(arguments.front() + ": cannot make a pipe (" + std::strerror(errno) +
                          ")");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const int error =
        posix_spawn(&pid_, arguments.front().c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[0]);
    if (error != 0) {
        close(ends[1]);
        pid_ = -1;
        throw OutputError(arguments.front() + ": cannot be started (" + std::strerror(error) + ")");
    }
    input_ = ends[1];
}

ChildProcess::~ChildProcess() {
    finish();
}

bool ChildProcess::feed(std::span<const std::uint8_t> bytes) {
    return writeAll(input_, bytes);
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

int ChildProcess::finish() {
    if (input_ >= 0) close(input_);
    input_ = -1;
    if (pid_ < 0) return -1;
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
