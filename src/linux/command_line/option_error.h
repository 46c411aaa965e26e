#pragma once

#include <stdexcept>

namespace orv::command_line {

// A command-line option's value that cannot be used; the message is one line naming the option
// (or the file it came from) and the reason.
class OptionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace orv::command_line
