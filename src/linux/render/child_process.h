#pragma once

#include <sys/types.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orv::render {

// A program started without a shell, fed through a pipe on its standard input.
class ChildProcess {
  public:
    // Throws OutputError when the program cannot be started.
    explicit ChildProcess(const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // False when the program no longer reads (it has ended).
    bool feed(std::span<const std::uint8_t> bytes);
    // Closes its input and waits for it; its exit status, or -1 when it did not exit normally.
    int finish();

  private:
    pid_t pid_ = -1;
    int input_ = -1;
};

// Writes every byte to a file descriptor; false when it takes no more.
bool writeAll(int fd, std::span<const std::uint8_t> bytes);

// The program's full path when it is found along PATH, else empty.
std::string findProgram(const std::string& name);

}  // namespace orv::render
