#pragma once

#include <cstdint>
#include <span>

namespace orv::render {

// Where the frames go, one a block, as 8-bit RGB rows of the output's size.
class FrameSink {
  public:
    virtual ~FrameSink() = default;
    virtual void write(std::span<const std::uint8_t> rgb) = 0;
    // The sound of the frames to come, as it was read (interleaved floats at the file's rate);
    // only a video keeps it.
    virtual void addSound(std::span<const float> /*frames*/) {}
    // False for an output that keeps only the last frame: it is written once, at the end.
    virtual bool everyFrame() const { return true; }
    // Completes the output after the last frame; throws OutputError when it cannot.
    virtual void finish() = 0;

  protected:
    FrameSink() = default;
    FrameSink(const FrameSink&) = default;
    FrameSink& operator=(const FrameSink&) = default;
};

}  // namespace orv::render
