#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "windows/capture/endpoint_stream.h"
#include "windows/capture/loopback_blocks.h"
#include "windows/capture/wave_in.h"

namespace orv::capture {

// One poll of an output's stream: its packets made into blocks, the oldest block into the
// buffer the engine queued. The default output's stream follows the default output and is
// reopened when its output is gone; an output chosen by name that is gone is lost. Whatever
// happens to the stream, silence goes on at the block rate, so the picture never freezes.
class LoopbackPump {
  public:
    explicit LoopbackPump(EndpointStream& stream) : stream_(stream) {}

    // `output`: the output's name; empty for the default output.
    StreamOpen open(const std::string& output);
    // `clockSamples`: the time since open() in samples at 11025 Hz. Returns the queued header
    // once it holds a block, no longer queued.
    WaveHeader* step(std::int64_t clockSamples);
    void queue(WaveHeader* header) { queued_ = header; }
    // The queued header, no longer queued.
    WaveHeader* takeQueued();
    bool holdsBuffer() const { return queued_ != nullptr; }
    // The output chosen by name is gone.
    bool lost() const { return lost_; }
    void close();

    // How often the default output is looked up, in samples at 11025 Hz (a quarter second).
    static constexpr std::int64_t kDefaultCheckSamples = 2756;

  private:
    void reopenDefault(std::int64_t clockSamples);
    void drain();
    void useFormat(std::int64_t clockSamples);

    EndpointStream& stream_;
    std::string output_;
    bool streamOpen_ = false;
    bool lost_ = false;
    bool reopened_ = false;  // the stream's next packet does not follow the last one
    std::optional<LoopbackBlocks> blocks_;
    MixFormat format_;
    std::size_t frameBytes_ = 0;
    std::size_t capacity_ = 0;    // the most frames a packet blocks_ takes may hold
    std::int64_t origin_ = 0;     // the clock when blocks_ began
    std::int64_t lastCheck_ = 0;  // the clock when the default output was last looked up
    WaveHeader* queued_ = nullptr;
};

}  // namespace orv::capture
