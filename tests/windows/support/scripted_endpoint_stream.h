#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "windows/capture/endpoint_stream.h"

namespace orv::testing {

// An output's stream that does what the test says: opens as told, hands over one packet of
// 10 ms of a constant level (stereo float at 48000 Hz) per call of release(), and is gone or
// has moved when told. It records every open by the output's name.
class ScriptedEndpointStream : public capture::EndpointStream {
  public:
    static constexpr std::size_t kPacketFrames = 480;

    // What each open gives, in turn; the last one for every open after.
    std::deque<capture::StreamOpen> opens{capture::StreamOpen::kOpened};
    std::vector<std::string> opened;
    // The level played while the stream of each open runs.
    std::vector<float> levels{0.5F};
    bool invalidated = false;
    bool moved = false;
    // Every stream opened is gone at once.
    bool goneAtOnce = false;

    // One more packet is ready.
    void release() { ++ready_; }

    capture::StreamOpen open(const std::string& output) override {
        opened.push_back(output);
        const capture::StreamOpen result = opens.front();
        if (opens.size() > 1) opens.pop_front();
        invalidated = goneAtOnce;
        moved = false;
        ready_ = 0;
        const float level = levels[std::min(opened.size(), levels.size()) - 1];
        for (std::size_t i = 0; i < samples_.size(); ++i) samples_[i] = level;
        return result;
    }
    capture::MixFormat format() const override { return {true, 32, 2, 48000}; }
    std::size_t maxPacketFrames() const override { return kPacketFrames; }
    capture::PacketRead nextPacket(capture::EndpointPacket& packet) override {
        if (invalidated) return capture::PacketRead::kInvalidated;
        if (ready_ == 0) return capture::PacketRead::kNone;
        --ready_;
        packet = {reinterpret_cast<const std::uint8_t*>(samples_.data()), kPacketFrames, false,
                  false};
        return capture::PacketRead::kPacket;
    }
    bool defaultMoved() override { return moved; }
    void close() override {}

  private:
    int ready_ = 0;
    std::vector<float> samples_ = std::vector<float>(kPacketFrames * 2);
};

}  // namespace orv::testing
