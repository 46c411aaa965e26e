#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orv::render {

// A program started without a shell, in a process group of its own (a Ctrl-C reaches this
// program only, which then stops it), fed through pipes: the first on its standard input, the
// next on its fd 3, 4 and on.
class ChildProcess {
  public:
    // Throws OutputError when the program cannot be started.
    explicit ChildProcess(const std::vector<std::string>& arguments, std::size_t inputs = 1);
    // One that has not been finished is stopped (SIGTERM) and waited for.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // This end of input `index`'s pipe, non-blocking; -1 once closed.
    int input(std::size_t index) const { return inputs_[index]; }
    void closeInput(std::size_t index);
    // Closes its inputs and waits for it; its exit status, or -1 when it did not exit
    // normally. Throws Interrupted (having stopped it) when an ending signal comes meanwhile.
    int finish();

  private:
    void stop();

    pid_t pid_ = -1;
    std::vector<int> inputs_;
};

// Bytes on their way down a non-blocking pipe.
struct PendingBytes {
    int fd;
    std::span<const std::uint8_t> bytes;
};

// Writes to each pipe as it takes bytes until the first one's bytes are all written, the others
// as far as they are taken meanwhile. False when a pipe's reader has gone. Throws Interrupted.
bool feedPipes(std::span<PendingBytes> pending);

// Writes every byte to a blocking file descriptor; false when it takes no more. Throws
// Interrupted.
bool writeAll(int fd, std::span<const std::uint8_t> bytes);

// Runs a program to its end; what it wrote to standard output when it exited with status 0.
std::optional<std::string> programOutput(const std::vector<std::string>& arguments);

// The program's full path when it is found along PATH, else empty.
std::string findProgram(const std::string& name);

}  // namespace orv::render
