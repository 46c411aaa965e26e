#include "display/image_file.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <span>
#include <string>
#include <unordered_map>

#include "display/deflate.h"

namespace orv::display {
namespace {

constexpr std::size_t kMaxPalette = 256;

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (const int shift : {24, 16, 8, 0}) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void chunk(std::vector<std::uint8_t>& png, const char (&type)[5],
           std::span<const std::uint8_t> body) {
    put32(png, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), body.begin(), body.end());
    put32(png, crc32(std::span(png).subspan(start)));
}

std::array<std::uint8_t, 3> rgbOf(std::uint32_t pixel) {  // 0x00RRGGBB
    return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
            static_cast<std::uint8_t>(pixel)};
}

std::span<const std::uint32_t> pixelsOf(const pixels::RasterView& picture) {
    return {picture.pixels,
            static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)};
}

// The picture's colours in order of first appearance, or nothing when there are too many.
std::vector<std::uint32_t> paletteOf(std::span<const std::uint32_t> pixels) {
    std::vector<std::uint32_t> palette;
    for (const std::uint32_t pixel : pixels) {
        if (std::find(palette.begin(), palette.end(), pixel) != palette.end()) continue;
        if (palette.size() == kMaxPalette) return {};
        palette.push_back(pixel);
    }
    return palette;
}

}  // namespace

std::vector<std::uint8_t> encode_png(const pixels::RasterView& picture) {
    const std::span<const std::uint32_t> pixels = pixelsOf(picture);
    const std::vector<std::uint32_t> palette = paletteOf(pixels);
    const bool indexed = !palette.empty();

    std::vector<std::uint8_t> header;
    put32(header, static_cast<std::uint32_t>(picture.width));
    put32(header, static_cast<std::uint32_t>(picture.height));
    header.insert(header.end(), {8, static_cast<std::uint8_t>(indexed ? 3 : 2), 0, 0, 0});

    std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
    std::vector<std::uint8_t> paletteBytes;
    for (const std::uint32_t colour : palette) {
        indexOf.emplace(colour, static_cast<std::uint8_t>(indexOf.size()));
        const auto rgb = rgbOf(colour);
        paletteBytes.insert(paletteBytes.end(), rgb.begin(), rgb.end());
    }

    std::vector<std::uint8_t> rows;  // each row after a filter byte of 0: no filter
    for (int y = 0; y < picture.height; ++y) {
        rows.push_back(0);
        for (const std::uint32_t pixel :
             pixels.subspan(static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width),
                            static_cast<std::size_t>(picture.width))) {
            if (indexed) {
                rows.push_back(indexOf.at(pixel));
            } else {
                const auto rgb = rgbOf(pixel);
                rows.insert(rows.end(), rgb.begin(), rgb.end());
            }
        }
    }

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    chunk(png, "IHDR", header);
    if (indexed) chunk(png, "PLTE", paletteBytes);
    chunk(png, "IDAT", zlibCompress(rows));
    chunk(png, "IEND", {});
    return png;
}

bool write_png(const std::filesystem::path& file, const pixels::RasterView& picture) {
    const std::vector<std::uint8_t> png = encode_png(picture);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(out);
}

bool write_ppm(const std::filesystem::path& file, const pixels::RasterView& picture) {
    std::ofstream out(file, std::ios::binary);
    out << "P6\n" << picture.width << ' ' << picture.height << "\n255\n";
    for (const std::uint32_t pixel : pixelsOf(picture)) {
        const auto rgb = rgbOf(pixel);
        out.write(reinterpret_cast<const char*>(rgb.data()),
                  static_cast<std::streamsize>(rgb.size()));
    }
    return static_cast<bool>(out);
}

}  // namespace orv::display
