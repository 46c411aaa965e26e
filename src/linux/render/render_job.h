#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "linux/command_line/draw_options.h"
#include "linux/render/frame_layout.h"
#include "linux/render/frame_rate.h"
#include "linux/render/frame_sink.h"
#include "linux/sound_files/block_reader.h"

namespace orv::render {

inline constexpr int kLargestScale = 16;

struct RenderJob {
    std::filesystem::path input;
    std::string output;
    command_line::Drawing drawing;
    sound_files::TimeRange range;
    FrameRate rate = kBlockRate;
    int scale = 1;
    bool scaleGiven = false;        // else the largest that fits `size`
    std::optional<FrameSize> size;  // else the pane's picture's own
    Backdrop backdrop;
    sound_files::DrawnSound drawn;
    bool normalize = false;  // the drawn sound's peak made full scale, before `drawn.gain`
    std::optional<int> crf;  // the video encoder's quality, else its default here
    std::string preset;      // x264's, else veryfast
    bool overwrite = false;
    bool quiet = false;
    bool progress = false;  // show the progress bar on `messages`
};

// Draws every block of the input into the output. Warnings and the progress bar go to
// `messages`. Throws SoundError, OutputError or OptionError with a one-line message, and
// Interrupted when an ending signal comes (see ending_signals.h).
void render(const RenderJob& job, std::ostream& messages);

}  // namespace orv::render
