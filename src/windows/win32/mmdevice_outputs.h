#pragma once

#include <string>
#include <vector>

#include "windows/capture/output_endpoints.h"

namespace orv::win32 {

// The active render endpoints by their friendly names, asked of the system on every call so
// that a new default output is followed.
class MmDeviceOutputs final : public capture::OutputEndpoints {
  public:
    std::vector<std::string> names() override;
    std::string defaultName() override;
};

}  // namespace orv::win32
