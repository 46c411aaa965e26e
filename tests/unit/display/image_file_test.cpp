#include "display/image_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <stdexcept>
#include <vector>

#include "display/deflate.h"

namespace orv::display {
namespace {

// A small inflater for the one kind of block the writer makes (fixed Huffman codes), written
// from the format's description to check the writer against.
class Inflater {
  public:
    explicit Inflater(std::span<const std::uint8_t> data) : data_(data) {}

    std::vector<std::uint8_t> run() {
        if (bits(1) != 1 || bits(2) != 1) throw std::runtime_error("not one fixed block");
        std::vector<std::uint8_t> out;
        for (;;) {
            const int sym = symbol();
            if (sym < 256) {
                out.push_back(static_cast<std::uint8_t>(sym));
            } else if (sym == 256) {
                return out;
            } else {
                static constexpr int lbase[] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                67, 83, 99, 115, 131, 163, 195, 227, 258};
                static constexpr int lextra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
                const int l = sym - 257;
                const int length = lbase[l] + bits(lextra[l]);
                const int d = code(5);
                const int extra = d < 4 ? 0 : d / 2 - 1;
                const int base = d < 4 ? d + 1 : (2 + (d & 1)) * (1 << extra) + 1;
                const int back = base + bits(extra);
                const auto distance = static_cast<std::size_t>(back);
                if (distance > out.size()) throw std::runtime_error("reaches before the start");
                for (int k = 0; k < length; ++k) out.push_back(out[out.size() - distance]);
            }
        }
    }

  private:
    int bit() {
        if (pos_ / 8 >= data_.size()) throw std::runtime_error("ran out of data");
        const int b = (data_[pos_ / 8] >> (pos_ % 8)) & 1;
        ++pos_;
        return b;
    }
    int bits(int count) {
        int v = 0;
        for (int k = 0; k < count; ++k) v |= bit() << k;
        return v;
    }
    int code(int count) {
        int v = 0;
        for (int k = 0; k < count; ++k) v = (v << 1) | bit();
        return v;
    }
    int symbol() {
        int c = code(7);
        if (c <= 0x17) return 256 + c;
        c = (c << 1) | bit();
        if (c >= 0x30 && c <= 0xBF) return c - 0x30;
        if (c >= 0xC0 && c <= 0xC7) return 280 + c - 0xC0;
        c = (c << 1) | bit();
        return 144 + c - 0x190;
    }

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

std::uint32_t be32(std::span<const std::uint8_t> p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           p[3];
}

TEST(DeflateTest, CompressedDataInflatesToTheOriginal) {
    std::vector<std::vector<std::uint8_t>> inputs = {
        {}, {42}, {1, 2}, std::vector<std::uint8_t>(70000, 7)};
    std::vector<std::uint8_t> mixed;
    std::uint32_t seed = 1;
    for (int k = 0; k < 50000; ++k) {
        seed = seed * 1103515245U + 12345U;
        // Runs, repeats at many distances and bytes above 143, which take the longer codes.
        mixed.push_back(
            static_cast<std::uint8_t>(k % 300 < 150 ? (seed >> 16) % 4 + 200 : k % 251));
    }
    inputs.push_back(mixed);
    for (const auto& input : inputs) {
        const std::vector<std::uint8_t> z = zlibCompress(input);
        ASSERT_GE(z.size(), 6u);
        EXPECT_EQ((z[0] * 256 + z[1]) % 31, 0);
        const std::vector<std::uint8_t> out = Inflater(std::span(z).subspan(2, z.size() - 6)).run();
        EXPECT_EQ(out, input) << input.size();
    }
    EXPECT_LT(zlibCompress(std::vector<std::uint8_t>(70000, 7)).size(), 1000u);
}

TEST(DeflateTest, Crc32MatchesTheKnownCheckValue) {
    const std::vector<std::uint8_t> digits = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(crc32(digits), 0xCBF43926u);
}

TEST(ImageFileTest, APngHoldsThePictureWithAPaletteWhenItCan) {
    const std::vector<std::uint32_t> pixels = {0x102030, 0x405060, 0x102030,
                                               0x405060, 0x102030, 0xFFFFFF};
    const std::vector<std::uint8_t> png = encode_png({3, 2, pixels.data()});
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::vector(png.begin(), png.begin() + 8),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    std::size_t at = 8;
    std::vector<std::string> types;
    std::vector<std::uint8_t> idat;
    std::vector<std::uint8_t> palette;
    while (at < png.size()) {
        const std::uint32_t length = be32(std::span(png).subspan(at, 4));
        const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               png.begin() + static_cast<std::ptrdiff_t>(at + 8));
        const auto body = std::span(png).subspan(at + 8, length);
        EXPECT_EQ(be32(std::span(png).subspan(at + 8 + length, 4)),
                  crc32(std::span(png).subspan(at + 4, length + 4)))
            << type;
        if (type == "IHDR") {
            EXPECT_EQ(be32(body.subspan(0, 4)), 3u);
            EXPECT_EQ(be32(body.subspan(4, 4)), 2u);
            EXPECT_EQ(body[8], 8);  // bits a sample
            EXPECT_EQ(body[9], 3);  // palette
        }
        if (type == "PLTE") palette.assign(body.begin(), body.end());
        if (type == "IDAT") idat.assign(body.begin(), body.end());
        types.push_back(type);
        at += 12 + length;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"}));
    EXPECT_EQ(palette,
              (std::vector<std::uint8_t>{0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0xFF, 0xFF, 0xFF}));
    const auto rows = Inflater(std::span(idat).subspan(2, idat.size() - 6)).run();
    EXPECT_EQ(rows, (std::vector<std::uint8_t>{0, 0, 1, 0, 0, 1, 0, 2}));
}

TEST(ImageFileTest, APictureOfManyColoursIsStoredAsPlainRgb) {
    std::vector<std::uint32_t> pixels(300);
    for (std::size_t k = 0; k < pixels.size(); ++k)
        pixels[k] = static_cast<std::uint32_t>(k * 0x010101);
    const std::vector<std::uint8_t> png = encode_png({300, 1, pixels.data()});
    EXPECT_EQ(png[8 + 8 + 9], 2);  // IHDR colour type: RGB
    EXPECT_EQ(std::string(png.begin(), png.end()).find("PLTE"), std::string::npos);
}

TEST(ImageFileTest, WritesPngAndPpmFiles) {
    const std::vector<std::uint32_t> pixels = {0x112233, 0x445566};
    const pixels::RasterView view{2, 1, pixels.data()};
    const auto dir = std::filesystem::temp_directory_path();
    const auto png = dir / "orvanta_image_file_test.png";
    const auto ppm = dir / "orvanta_image_file_test.ppm";
    ASSERT_TRUE(write_png(png, view));
    ASSERT_TRUE(write_ppm(ppm, view));
    std::ifstream in(ppm, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes, std::string("P6\n2 1\n255\n\x11\x22\x33\x44\x55\x66", 17));
    EXPECT_EQ(std::filesystem::file_size(png), encode_png(view).size());
    std::filesystem::remove(png);
    std::filesystem::remove(ppm);
    EXPECT_FALSE(write_png(dir / "no such folder" / "x.png", view));
}

}  // namespace
}  // namespace orv::display
