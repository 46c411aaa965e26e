#pragma once

#include <atomic>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "linux/command_line/draw_options.h"
#include "linux/render/frame_sink.h"
#include "linux/sound_files/block_reader.h"

namespace orv::render {

struct RenderJob {
    std::filesystem::path input;
    std::string output;
    command_line::Drawing drawing;
    sound_files::TimeRange range;
    int scale = 1;
    bool overwrite = false;
    bool quiet = false;
    bool progress = false;  // show the progress bar on `messages`
};

// The output the job's output name asks for, for pictures of width x height.
std::unique_ptr<FrameSink> openOutput(const RenderJob& job, int width, int height);

// Draws every block of the input into the output. Warnings and the progress bar go to
// `messages`. Stops with OutputError when `interrupted` turns true. Throws SoundError,
// OutputError or OptionError with a one-line message.
void render(const RenderJob& job, std::ostream& messages, const std::atomic<bool>& interrupted);

}  // namespace orv::render
