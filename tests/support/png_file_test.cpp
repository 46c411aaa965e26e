#include "support/png_file.h"

#include <png.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orv::testing {
namespace {

struct Decoded {
    bool palette = false;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB
};

// Reads the file back with libpng, as any viewer would.
Decoded decode(const std::filesystem::path& file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    Decoded out;
    if (png_image_begin_read_from_file(&image, file.string().c_str()) == 0) return out;
    out.palette = (image.format & PNG_FORMAT_FLAG_COLORMAP) != 0;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) return out;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        out.pixels.push_back((std::uint32_t{rgb[i]} << 16) | (std::uint32_t{rgb[i + 1]} << 8) |
                             rgb[i + 2]);
    }
    return out;
}

struct PngCase {
    std::string name;
    int width;
    std::vector<std::uint32_t> pixels;
    bool palette;
};

class PngFile : public ::testing::TestWithParam<PngCase> {};

// Few colours go through a palette, many as plain red, green and blue; the pixels come back the
// same either way.
TEST_P(PngFile, HoldsThePicturePixelForPixel) {
    const PngCase& c = GetParam();
    const auto file = std::filesystem::temp_directory_path() / ("orvanta_png_" + c.name + ".png");
    const int height = static_cast<int>(c.pixels.size()) / c.width;
    ASSERT_TRUE(writePng(file, {c.width, height, c.pixels.data()}));
    const Decoded back = decode(file);
    std::filesystem::remove(file);
    EXPECT_EQ(back.pixels, c.pixels);
    EXPECT_EQ(back.palette, c.palette);
}

std::vector<std::uint32_t> grey(std::size_t count) {
    std::vector<std::uint32_t> pixels(count);
    for (std::size_t k = 0; k < count; ++k) pixels[k] = static_cast<std::uint32_t>(k * 0x010101);
    return pixels;
}

std::vector<std::uint32_t> manyColours() {
    std::vector<std::uint32_t> pixels = grey(256);
    pixels.push_back(0x123456);
    return pixels;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PngFile,
    ::testing::Values(
        PngCase{"few", 3, {0x102030, 0x405060, 0x102030, 0x405060, 0x102030, 0xFFFFFF}, true},
        PngCase{"all256", 16, grey(256), true}, PngCase{"many", 257, manyColours(), false}),
    [](const auto& each) { return each.param.name; });

TEST(PngFileTest, AFileThatCannotBeWrittenIsReported) {
    const std::vector<std::uint32_t> pixels = {0x112233, 0x445566};
    EXPECT_FALSE(writePng(std::filesystem::temp_directory_path() / "no such folder" / "x.png",
                          {2, 1, pixels.data()}));
    EXPECT_FALSE(writePng(std::filesystem::temp_directory_path() / "orvanta_png_empty.png",
                          {0, 0, nullptr}));
}

}  // namespace
}  // namespace orv::testing
