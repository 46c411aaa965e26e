#pragma once

#include <string>
#include <vector>

#include "windows/capture/output_endpoints.h"
#include "windows/win32/wasapi_stream.h"

namespace orv::win32 {

// The active render endpoints (and the capture endpoints' names) by their friendly names, asked of
// the system on every call so that a new default output is followed. The names start COM for their
// own query; a stream's calls (activate, defaultId) use the COM of the stream's thread.
class MmDeviceOutputs final : public capture::OutputEndpoints, public RenderEndpoints {
  public:
    std::vector<std::string> names() override;
    std::string defaultName() override;
    std::vector<std::string> recordingNames() override;
    HRESULT activate(const std::string& output, IAudioClient** client, std::wstring& id) override;
    std::wstring defaultId() override;
};

}  // namespace orv::win32
