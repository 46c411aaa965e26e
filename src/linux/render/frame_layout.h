#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orv::render {

// A frame's size in pixels.
struct FrameSize {
    int width;
    int height;
};

// "1920x1080": both sides from 16 to 8192; nothing for anything else.
std::optional<FrameSize> parseFrameSize(std::string_view text);

// The largest whole-number scale at which a `pane` x `pane` picture fits the frame; 0 when
// none does.
int largestScale(FrameSize frame, int pane);

// What lies around the pane in a larger frame: a colour (0x00RRGGBB) or a picture, scaled to
// cover the frame and cropped; nothing at all (alpha 0) for a transparent frame.
struct Backdrop {
    std::uint32_t colour = 0;
    std::filesystem::path image;  // instead of the colour, when named
    bool transparent = false;
};

// The backdrop's pixels for a frame: RGB, or RGBA when transparent. A picture is read and fitted
// by the ffmpeg program (PNG, JPEG and what else it reads). Throws OutputError when it cannot.
std::vector<std::uint8_t> backdropPixels(const Backdrop& backdrop, FrameSize frame);

// Frames of the output's size: the pane's picture centred over the backdrop. With alpha, the
// pane's background is see-through and its drawing opaque. Only the picture's place is redrawn
// each frame, and nothing is allocated.
class FrameLayout {
  public:
    FrameLayout(FrameSize frame, int pictureWidth, int pictureHeight, const Backdrop& backdrop,
                std::uint32_t paneBackground);
    std::span<const std::uint8_t> compose(std::span<const std::uint32_t> picture);

  private:
    FrameSize frame_;
    int pictureWidth_;
    int pictureHeight_;
    bool alpha_;
    std::uint32_t paneBackground_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace orv::render
