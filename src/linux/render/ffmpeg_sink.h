#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "linux/render/child_process.h"
#include "linux/render/frame_rate.h"
#include "linux/render/frame_sink.h"
#include "linux/render/output_kind.h"
#include "linux/render/staged_file.h"

namespace orv::render {

// The sound drawn, as it was read: interleaved floats at the file's own rate.
struct SoundFormat {
    int rate;
    int channels;
};

// What ffmpeg is asked to make.
struct FfmpegJob {
    OutputKind kind;
    std::filesystem::path target;
    SoundFormat sound;  // muxed into a video
    FrameRate rate;
    int width;
    int height;
    bool alpha;  // RGBA frames, kept transparent where the format can
    std::optional<int> crf;
    std::string preset;
    bool overwrite;
};

// The arguments after the program's name; the frames come raw on standard input, one a block,
// and a video's sound on fd 3. ffmpeg never opens the input itself, so it always gets the sound
// this program read, whatever the input's name or kind.
std::vector<std::string> ffmpegArguments(const FfmpegJob& job, const std::filesystem::path& file);

// A GIF or a video made by the ffmpeg program, fed the frames and the sound through pipes.
class FfmpegSink final : public FrameSink {
  public:
    // Throws OutputError when ffmpeg is not installed or the target cannot be written.
    explicit FfmpegSink(const FfmpegJob& job);
    void write(std::span<const std::uint8_t> rgb) override;
    void addSound(std::span<const float> frames) override;
    void finish() override;

  private:
    [[noreturn]] void failEarly();
    std::span<const std::uint8_t> unsentSound() const;
    // Sends the frame's bytes, and of the sound what ffmpeg takes meanwhile.
    void send(std::span<const std::uint8_t> first, bool withSound);
    void checkFramesWritten() const;

    StagedFile file_;
    bool withSound_;
    std::unique_ptr<ChildProcess> ffmpeg_;
    std::vector<std::uint8_t> sound_;
    std::size_t soundSent_ = 0;
    std::int64_t frames_ = 0;
};

}  // namespace orv::render
