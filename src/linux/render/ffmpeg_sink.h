#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "linux/render/child_process.h"
#include "linux/render/frame_sink.h"
#include "linux/render/output_kind.h"
#include "linux/render/staged_file.h"
#include "linux/sound_files/block_reader.h"

namespace orv::render {

// What ffmpeg is asked to make.
struct FfmpegJob {
    OutputKind kind;
    std::filesystem::path target;
    std::filesystem::path sound;  // muxed into a video, over the range drawn
    sound_files::TimeRange range;
    int width;
    int height;
    bool overwrite;
};

// The arguments after the program's name; the frames come raw on standard input, one a block.
std::vector<std::string> ffmpegArguments(const FfmpegJob& job, const std::filesystem::path& file);

// A GIF or a video made by the ffmpeg program, fed the frames through a pipe.
class FfmpegSink final : public FrameSink {
  public:
    // Throws OutputError when ffmpeg is not installed or the target cannot be written.
    explicit FfmpegSink(const FfmpegJob& job);
    void write(std::span<const std::uint8_t> rgb) override;
    void finish() override;

  private:
    StagedFile file_;
    std::unique_ptr<ChildProcess> ffmpeg_;
};

}  // namespace orv::render
