#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "windows/capture/loopback_blocks.h"

namespace orv::capture {

// How opening an output's stream ended.
enum class StreamOpen {
    kOpened,
    kLoopbackRefused,  // the system records no output directly; its monitor input may carry it
    kRefused,          // held in exclusive mode, gone, or the system's audio refused
};

// One packet of what the output played, in the stream's mix format.
struct EndpointPacket {
    const std::uint8_t* data = nullptr;
    std::size_t frames = 0;
    bool silent = false;
    bool discontinuity = false;
};

enum class PacketRead {
    kPacket,
    kNone,         // nothing more has been played yet
    kInvalidated,  // the output is gone; the stream must be closed
};

// What an output plays, packet by packet, as the system's audio hands it over. Every call of
// one stream comes from one thread, the one that opened it.
class EndpointStream {
  public:
    virtual ~EndpointStream() = default;
    // `output`: the output's name; empty for the default output.
    virtual StreamOpen open(const std::string& output) = 0;
    // The stream's own format and the most frames a packet can hold; valid while open.
    virtual MixFormat format() const = 0;
    virtual std::size_t maxPacketFrames() const = 0;
    // The next packet, valid until the next call; the previous one is given back first.
    virtual PacketRead nextPacket(EndpointPacket& packet) = 0;
    // The default output is no longer the one the open stream of the default output records.
    virtual bool defaultMoved() = 0;
    virtual void close() = 0;
};

}  // namespace orv::capture
