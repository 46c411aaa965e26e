#pragma once

#include "linux/render/frame_sink.h"

namespace orv::render {

// Frames as bare 8-bit RGB rows to standard output, one after another, for other programs.
class RawSink final : public FrameSink {
  public:
    // Throws OutputError when standard output is a terminal.
    RawSink();
    void write(std::span<const std::uint8_t> rgb) override;
    void finish() override {}
};

// Nothing at all: the blocks are drawn and the frames dropped, to time the drawing alone.
class NullSink final : public FrameSink {
  public:
    void write(std::span<const std::uint8_t> /*rgb*/) override {}
    bool everyFrame() const override { return false; }
    void finish() override {}
};

}  // namespace orv::render
