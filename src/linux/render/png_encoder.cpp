#include "linux/render/png_encoder.h"

#include <png.h>
#include <zlib.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "linux/render/output_error.h"

namespace orv::render {
namespace {

void append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp /*png*/) {}

void warnNothing(png_structp /*png*/, png_const_charp /*message*/) {}

struct PngWrite {
    png_structp png = nullptr;
    png_infop info = nullptr;
    PngWrite() {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, warnNothing);
        if (png != nullptr) info = png_create_info_struct(png);
        if (png == nullptr || info == nullptr) {
            png_destroy_write_struct(&png, &info);
            throw OutputError("PNG encoding failed: out of memory");
        }
    }
    ~PngWrite() { png_destroy_write_struct(&png, &info); }
    PngWrite(const PngWrite&) = delete;
    PngWrite& operator=(const PngWrite&) = delete;
};

}  // namespace

void encodePng(std::span<const std::uint8_t> pixels, int width, int height, bool alpha,
               PngEffort effort, std::vector<std::uint8_t>& out) {
    out.clear();
    PngWrite write;
    // libpng leaves by longjmp on an error; in memory only a lack of memory can cause one.
    if (setjmp(png_jmpbuf(write.png)) != 0) throw OutputError("PNG encoding failed");
    png_set_write_fn(write.png, &out, append, flushNothing);
    png_set_IHDR(write.png, write.info, static_cast<png_uint_32>(width),
                 static_cast<png_uint_32>(height), 8,
                 alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (effort == PngEffort::Fast) {
        // The pane is mostly runs of one colour: the Sub filter turns them into zeros, which
        // run-length coding at the lowest level packs nearly as well as full effort, much faster.
        png_set_filter(write.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
        png_set_compression_level(write.png, 1);
        png_set_compression_strategy(write.png, Z_RLE);
    } else {
        png_set_compression_level(write.png, 9);
    }
    png_write_info(write.png, write.info);
    const auto stride = static_cast<std::size_t>(width) * (alpha ? 4 : 3);
    for (int y = 0; y < height; ++y) {
        // libpng takes rows as non-const but does not change them.
        png_write_row(write.png,
                      const_cast<png_bytep>(pixels.data() + static_cast<std::size_t>(y) * stride));
    }
    png_write_end(write.png, nullptr);
}

void writeFile(const std::filesystem::path& file, const std::filesystem::path& shownAs,
               std::span<const std::uint8_t> bytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(file.c_str(), "wb"),
                                                        std::fclose);
    if (!out)
        throw OutputError(shownAs.string() + ": cannot be written (" + std::strerror(errno) + ")");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size();
    if (!written || std::fclose(out.release()) != 0) {
        throw OutputError(shownAs.string() + ": cannot be written (" + std::strerror(errno) + ")");
    }
}

}  // namespace orv::render
