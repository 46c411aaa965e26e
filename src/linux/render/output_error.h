#pragma once

#include <stdexcept>

namespace orv::render {

// An output that cannot be written; the message is one line naming the file and the reason.
class OutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A run ended by a signal; the program exits with 128 + the signal, as a shell reports it.
class Interrupted : public std::runtime_error {
  public:
    explicit Interrupted(int signal) : std::runtime_error("interrupted"), signal_(signal) {}
    int exitStatus() const { return 128 + signal_; }

  private:
    int signal_;
};

}  // namespace orv::render
