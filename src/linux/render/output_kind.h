#pragma once

#include <string>
#include <string_view>

namespace orv::render {

// What the output's name asks for.
enum class OutputKind {
    Png,          // picture.png: the pane after the last block
    PngSequence,  // frame%05d.png: one picture a block, numbered from 1
    Gif,          // animation.gif
    Mp4,          // video.mp4, .webm, .mkv: one frame a block, with the source's sound
    Webm,
    Mkv,
    Mov,   // video.mov: ProRes 4444, which keeps a transparent background
    Raw,   // "-": 8-bit RGB frames to standard output
    Null,  // "/dev/null": every block drawn, nothing written (for timing)
};

// Throws OptionError for a name whose kind is unknown.
OutputKind outputKind(std::string_view name);

// Throws OptionError when the kind's format (or, for pictures, a sane memory budget) cannot
// take frames of width x height, or transparent ones when `alpha`.
void checkFrames(OutputKind kind, std::string_view name, int width, int height, bool alpha);

// A numbered name: the pattern's single %d (or %0Nd, N up to 9) replaced by the number.
class NumberedName {
  public:
    // Throws OptionError unless the pattern holds exactly one such field and no other '%'.
    explicit NumberedName(std::string pattern);
    static bool looksNumbered(std::string_view name);
    std::string operator()(long number) const;

  private:
    std::string before_;
    std::string after_;
    int width_ = 0;
};

}  // namespace orv::render
