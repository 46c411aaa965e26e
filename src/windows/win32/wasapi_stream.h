#pragma once

#include <windows.h>

#include <audioclient.h>

#include <cstddef>
#include <optional>
#include <string>

#include "windows/capture/endpoint_stream.h"

namespace orv::win32 {

// The render endpoints a loopback stream is opened on. COM runs on the calling thread.
class RenderEndpoints {
  public:
    virtual ~RenderEndpoints() = default;
    // The audio client of the output by that name (the default output for an empty name), and
    // the endpoint's id.
    virtual HRESULT activate(const std::string& output, IAudioClient** client,
                             std::wstring& id) = 0;
    // The id of the default output now; empty when there is none.
    virtual std::wstring defaultId() = 0;
};

// The samples of a mix format the program reads, or none.
std::optional<capture::MixFormat> mixFormatOf(const WAVEFORMATEX& format);

// What an output plays, by WASAPI shared-mode loopback in the endpoint's own mix format (no
// conversion by the system), read packet by packet as the client's buffer holds them. COM is
// started on the thread that opens it for as long as it is open.
class WasapiStream final : public capture::EndpointStream {
  public:
    explicit WasapiStream(RenderEndpoints& endpoints) : endpoints_(endpoints) {}
    ~WasapiStream() override { close(); }
    WasapiStream(const WasapiStream&) = delete;
    WasapiStream& operator=(const WasapiStream&) = delete;

    capture::StreamOpen open(const std::string& output) override;
    capture::MixFormat format() const override { return format_; }
    std::size_t maxPacketFrames() const override { return bufferFrames_; }
    capture::PacketRead nextPacket(capture::EndpointPacket& packet) override;
    bool defaultMoved() override;
    void close() override;

  private:
    capture::StreamOpen startClient(const std::string& output);

    RenderEndpoints& endpoints_;
    bool comStarted_ = false;
    IAudioClient* client_ = nullptr;
    IAudioCaptureClient* capture_ = nullptr;
    capture::MixFormat format_;
    std::size_t bufferFrames_ = 0;
    std::wstring id_;
    bool recordsDefault_ = false;
    std::optional<UINT32> held_;  // the frames of the packet not yet given back
};

}  // namespace orv::win32
