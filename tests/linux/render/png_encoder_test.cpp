#include "linux/render/png_encoder.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <vector>

namespace orv::render {
namespace {

std::vector<std::uint8_t> decode(const std::vector<std::uint8_t>& png, int width, int height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, png.data(), png.size()) == 0) return {};
    EXPECT_EQ(static_cast<int>(image.width), width);
    EXPECT_EQ(static_cast<int>(image.height), height);
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) return {};
    return rgb;
}

struct Encoding {
    int width;
    int height;
    PngEffort effort;
};

class EncodingAPng : public ::testing::TestWithParam<Encoding> {};

TEST_P(EncodingAPng, DecodesToTheSamePixelsAndTheSameBytesEachTime) {
    const auto [width, height, effort] = GetParam();
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width * height * 3));
    for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 7 % 251);
    std::vector<std::uint8_t> png;
    encodePng(rgb, width, height, false, effort, png);
    EXPECT_EQ(decode(png, width, height), rgb);
    std::vector<std::uint8_t> again;
    encodePng(rgb, width, height, false, effort, again);
    EXPECT_EQ(again, png);
}

INSTANTIATE_TEST_SUITE_P(Sizes, EncodingAPng,
                         ::testing::Values(Encoding{1, 1, PngEffort::Fast},
                                           Encoding{260, 260, PngEffort::Fast},
                                           Encoding{520, 13, PngEffort::Small},
                                           Encoding{3, 700, PngEffort::Small}));

}  // namespace
}  // namespace orv::render
