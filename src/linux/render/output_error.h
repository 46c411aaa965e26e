#pragma once

#include <stdexcept>

namespace orv::render {

// An output that cannot be written; the message is one line naming the file and the reason.
class OutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace orv::render
