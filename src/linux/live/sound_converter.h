#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/blocks/program_sound_converter.h"
#include "linux/live/sound_server.h"

namespace orv::live {

// Hands what a source records in its own format (interleaved float frames, any channel count
// and rate) on as the program's sound, made by the engine's converter. A server's own down-mix
// is not the renderer's (PipeWire adds stereo channels at 0.707), so the program does it. The
// rate is changed by the engine's resampler, which keeps within a level of the renderer's
// libsoxr and hands on a block for every block recorded: libsoxr works in long pieces, holding
// back up to 70 ms at 48 kHz and then giving three blocks at once, which would lag and jerk a
// live picture.
class SoundConverter {
  public:
    SoundConverter(int rate, int channels);

    // Hands FRAMES, converted, to SINK; any length, taken a chunk at a time.
    void convert(std::span<const float> frames, SoundSink& sink);
    // The program's samples that BYTES of the source's sound make.
    std::size_t samplesIn(std::size_t bytes) const;

  private:
    int rate_;
    blocks::ProgramSoundConverter converter_;
};

}  // namespace orv::live
