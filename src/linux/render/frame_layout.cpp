#include "linux/render/frame_layout.h"

#include <algorithm>

#include "engine/drawing/pane_picture.h"
#include "linux/command_line/whole_number.h"
#include "linux/render/child_process.h"
#include "linux/render/output_error.h"

namespace orv::render {
namespace {

constexpr int kSmallestSide = 16;
constexpr int kLargestSide = 8192;

std::vector<std::uint8_t> pictureBackdrop(const std::filesystem::path& image, FrameSize frame,
                                          int channels) {
    const std::string ffmpeg = findProgram("ffmpeg");
    const std::string name = image.string() + ": ";
    if (ffmpeg.empty()) {
        throw OutputError(name + "a backdrop picture is read by ffmpeg, which is not installed");
    }
    const std::string size = std::to_string(frame.width) + ":" + std::to_string(frame.height);
    const std::optional<std::string> pixels = programOutput(
        {ffmpeg, "-v", "quiet", "-nostdin", "-i", image.string(), "-frames:v", "1", "-vf",
         "scale=" + size + ":force_original_aspect_ratio=increase,crop=" + size, "-f", "rawvideo",
         "-pix_fmt", channels == 4 ? "rgba" : "rgb24", "-"});
    const std::size_t expected = static_cast<std::size_t>(frame.width) * frame.height * channels;
    if (!pixels || pixels->size() != expected) {
        throw OutputError(name + "cannot be read as a picture for the backdrop");
    }
    return {pixels->begin(), pixels->end()};
}

}  // namespace

std::optional<FrameSize> parseFrameSize(std::string_view text) {
    const std::size_t cross = text.find('x');
    if (cross == std::string_view::npos) return std::nullopt;
    const std::optional<int> width =
        command_line::wholeNumberIn(text.substr(0, cross), kSmallestSide, kLargestSide);
    const std::optional<int> height =
        command_line::wholeNumberIn(text.substr(cross + 1), kSmallestSide, kLargestSide);
    if (!width || !height) return std::nullopt;
    return FrameSize{*width, *height};
}

int largestScale(FrameSize frame, int pane) {
    return std::min(frame.width, frame.height) / pane;
}

std::vector<std::uint8_t> backdropPixels(const Backdrop& backdrop, FrameSize frame) {
    const int channels = backdrop.transparent ? 4 : 3;
    if (!backdrop.image.empty()) return pictureBackdrop(backdrop.image, frame, channels);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(frame.width) * frame.height *
                                     channels);
    if (backdrop.transparent) return pixels;
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        pixels[i] = static_cast<std::uint8_t>(backdrop.colour >> 16U);
        pixels[i + 1] = static_cast<std::uint8_t>(backdrop.colour >> 8U);
        pixels[i + 2] = static_cast<std::uint8_t>(backdrop.colour);
    }
    return pixels;
}

FrameLayout::FrameLayout(FrameSize frame, int pictureWidth, int pictureHeight,
                         const Backdrop& backdrop, std::uint32_t paneBackground)
    : frame_(frame),
      pictureWidth_(pictureWidth),
      pictureHeight_(pictureHeight),
      alpha_(backdrop.transparent),
      paneBackground_(paneBackground),
      pixels_(backdropPixels(backdrop, frame)) {}

std::span<const std::uint8_t> FrameLayout::compose(std::span<const std::uint32_t> picture) {
    const std::size_t channels = alpha_ ? 4 : 3;
    const auto left = static_cast<std::size_t>((frame_.width - pictureWidth_) / 2);
    const auto top = static_cast<std::size_t>((frame_.height - pictureHeight_) / 2);
    const auto width = static_cast<std::size_t>(pictureWidth_);
    for (std::size_t y = 0; y < static_cast<std::size_t>(pictureHeight_); ++y) {
        std::uint8_t* out =
            pixels_.data() + ((top + y) * static_cast<std::size_t>(frame_.width) + left) * channels;
        const std::span<const std::uint32_t> row = picture.subspan(y * width, width);
        if (!alpha_) {
            drawing::toRgbBytes(row, out);
            continue;
        }
        for (const std::uint32_t pixel : row) {
            out[0] = static_cast<std::uint8_t>(pixel >> 16U);
            out[1] = static_cast<std::uint8_t>(pixel >> 8U);
            out[2] = static_cast<std::uint8_t>(pixel);
            out[3] = (pixel & 0xFFFFFFU) == paneBackground_ ? 0 : 0xFF;
            out += channels;
        }
    }
    return pixels_;
}

}  // namespace orv::render
