#pragma once

#include <string>
#include <vector>

namespace orv::capture {

// The sound outputs the system has, by the names it gives them, and its inputs' whole names. The
// Windows layer asks the system's endpoints; unit tests use a scripted list.
class OutputEndpoints {
  public:
    virtual ~OutputEndpoints() = default;
    virtual std::vector<std::string> names() = 0;
    // The output the system plays on now; empty when it has none.
    virtual std::string defaultName() = 0;
    // The recording endpoints' whole names, which winmm cuts short.
    virtual std::vector<std::string> recordingNames() = 0;
};

}  // namespace orv::capture
