#include "windows/capture/loopback_pump.h"

#include <algorithm>
#include <span>

namespace orv::capture {

namespace {

bool sameFormat(const MixFormat& a, const MixFormat& b) {
    return a.isFloat == b.isFloat && a.containerBits == b.containerBits &&
           a.channels == b.channels && a.rate == b.rate;
}

}  // namespace

StreamOpen LoopbackPump::open(const std::string& output) {
    output_ = output;
    lost_ = false;
    lastCheck_ = 0;
    const StreamOpen result = stream_.open(output_);
    streamOpen_ = result == StreamOpen::kOpened;
    if (streamOpen_) useFormat(0);
    return result;
}

WaveHeader* LoopbackPump::step(std::int64_t clockSamples) {
    if (output_.empty() && clockSamples - lastCheck_ >= kDefaultCheckSamples) {
        lastCheck_ = clockSamples;
        reopenDefault(clockSamples);
    }
    if (streamOpen_) drain();
    blocks_->fillGapUntil(clockSamples - origin_);
    blocks::Block block{};
    if (queued_ == nullptr || !blocks_->takeBlock(block)) return nullptr;
    const std::size_t bytes = std::min<std::size_t>(queued_->dwBufferLength, block.size());
    std::copy_n(block.begin(), bytes, reinterpret_cast<std::uint8_t*>(queued_->lpData));
    queued_->dwBytesRecorded = static_cast<std::uint32_t>(bytes);
    return takeQueued();
}

WaveHeader* LoopbackPump::takeQueued() {
    WaveHeader* header = queued_;
    queued_ = nullptr;
    return header;
}

void LoopbackPump::close() {
    if (streamOpen_) stream_.close();
    streamOpen_ = false;
}

void LoopbackPump::reopenDefault(std::int64_t clockSamples) {
    if (streamOpen_ && !stream_.defaultMoved()) return;
    close();
    streamOpen_ = stream_.open(output_) == StreamOpen::kOpened;
    if (streamOpen_) useFormat(clockSamples);
}

void LoopbackPump::drain() {
    EndpointPacket packet;
    for (PacketRead read; (read = stream_.nextPacket(packet)) != PacketRead::kNone;) {
        if (read == PacketRead::kInvalidated) {
            close();
            // The default output's stream is opened again on the default output's next look-up.
            lost_ = !output_.empty();
            return;
        }
        blocks_->addPacket(std::span(packet.data, packet.frames * frameBytes_), packet.frames,
                           packet.silent, packet.discontinuity || reopened_);
        reopened_ = false;
    }
}

void LoopbackPump::useFormat(std::int64_t clockSamples) {
    const MixFormat format = stream_.format();
    reopened_ = blocks_.has_value();
    if (blocks_ && sameFormat(format, format_) && stream_.maxPacketFrames() <= capacity_) return;
    // A new format begins a new stream of blocks; the silence of a gap counts from now.
    format_ = format;
    frameBytes_ = static_cast<std::size_t>(format.channels) *
                  static_cast<std::size_t>(format.containerBits / 8);
    capacity_ = stream_.maxPacketFrames();
    blocks_.emplace(format, capacity_);
    origin_ = clockSamples;
}

}  // namespace orv::capture
