#include "support/png_file.h"

#include <png.h>

#include <cstdint>
#include <map>
#include <vector>

namespace orv::testing {
namespace {

// The picture's colours, each with its index in the palette, or nothing when there are more
// than 256.
std::map<std::uint32_t, std::uint8_t> paletteOf(const std::uint32_t* pixels, std::size_t count) {
    std::map<std::uint32_t, std::uint8_t> palette;
    for (std::size_t i = 0; i < count; ++i) {
        if (palette.contains(pixels[i])) continue;
        if (palette.size() == 256) return {};
        palette.emplace(pixels[i], static_cast<std::uint8_t>(palette.size()));
    }
    return palette;
}

// A pixel's 0x00RRGGBB as the file's red, green and blue bytes.
void putRgb(std::vector<png_byte>& out, std::uint32_t rgb) {
    out.insert(out.end(), {static_cast<png_byte>(rgb >> 16), static_cast<png_byte>(rgb >> 8),
                           static_cast<png_byte>(rgb)});
}

}  // namespace

bool writePng(const std::filesystem::path& file, const pixels::RasterView& picture) {
    if (picture.pixels == nullptr || picture.width <= 0 || picture.height <= 0) return false;
    const auto count = static_cast<std::size_t>(picture.width) * picture.height;
    const std::map<std::uint32_t, std::uint8_t> palette = paletteOf(picture.pixels, count);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    std::vector<png_byte> colours;
    std::vector<png_byte> data;
    if (palette.empty()) {
        image.format = PNG_FORMAT_RGB;
        for (std::size_t i = 0; i < count; ++i) putRgb(data, picture.pixels[i]);
    } else {
        image.format = PNG_FORMAT_RGB_COLORMAP;
        image.colormap_entries = static_cast<png_uint_32>(palette.size());
        std::vector<std::uint32_t> byIndex(palette.size());
        for (const auto& [rgb, index] : palette) byIndex[index] = rgb;
        for (const std::uint32_t rgb : byIndex) putRgb(colours, rgb);
        for (std::size_t i = 0; i < count; ++i) data.push_back(palette.at(picture.pixels[i]));
    }
    const bool written = png_image_write_to_file(&image, file.string().c_str(), 0, data.data(), 0,
                                                 colours.empty() ? nullptr : colours.data()) != 0;
    png_image_free(&image);
    return written;
}

}  // namespace orv::testing
