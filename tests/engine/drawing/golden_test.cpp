// Whole pictures of every style, compared with pictures a person has looked at, one test a
// picture. The pictures are kept as PNG files for looking at, and as checksums of their pixels
// for comparing. After a deliberate change to the drawing, run the test program once (not in
// parallel) with ORVANTA_UPDATE_GOLDEN=1 to write both afresh, and look at the new pictures
// before committing them.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/raster_canvas.h"
#include "engine/drawing/style_choice.h"
#include "support/png_file.h"

namespace orv::drawing {
namespace {

const std::filesystem::path kGoldenDir = ORVANTA_GOLDEN_DIR;
const std::filesystem::path kChecksums = kGoldenDir / "checksums.txt";

Block flat() {
    Block b{};
    b.fill(200);
    return b;
}

Block ramp() {
    Block b{};
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i);
    return b;
}

Block sine() {
    Block b{};
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double s = std::sin(2 * std::numbers::pi * static_cast<double>(i) / 51.0);
        b[i] = static_cast<std::uint8_t>(std::lround(128 + 100 * s));
    }
    return b;
}

struct Case {
    std::string name;
    int style;
    Block block;
    int width = 1;
    int blocks = 1;  // drawn one over the other, without clearing between them
};

std::vector<Case> cases() {
    std::vector<Case> out;
    const std::vector<std::pair<std::string, Block>> blocks = {
        {"flat", flat()}, {"ramp", ramp()}, {"sine", sine()}};
    for (int style = 0; style < kStyleCount; ++style) {
        for (const auto& [kind, block] : blocks) {
            char name[32];
            std::snprintf(name, sizeof name, "style%02d_%s", style, kind.c_str());
            // The sweep shows one column a block: draw enough of them to see it build up.
            out.push_back({name, style, block, 1, style == 22 ? 40 : 1});
        }
    }
    out.push_back({"style00_sine_w4", 0, sine(), 4});
    out.push_back({"style04_ramp_w2", 4, ramp(), 2});
    out.push_back({"style12_sine_w3", 12, sine(), 3});
    out.push_back({"style16_sine_w4", 16, sine(), 4});
    return out;
}

// FNV-1a over the pixels, 64 bits.
std::string checksum(const RasterCanvas& pane) {
    std::uint64_t h = 14695981039346656037ULL;
    for (const std::uint32_t p : pane.pixels()) {
        for (int shift = 0; shift < 32; shift += 8) {
            h = (h ^ ((p >> shift) & 0xFFU)) * 1099511628211ULL;
        }
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

std::map<std::string, std::string> readChecksums() {
    std::map<std::string, std::string> out;
    std::ifstream in(kChecksums);
    std::string name;
    std::string sum;
    while (in >> name >> sum) out[name] = sum;
    return out;
}

// The case's picture in the rainbow scheme ("Радужный").
struct Picture {
    explicit Picture(const Case& c) {
        BlockDrawing drawing(pane, custom);
        for (int b = 0; b < c.blocks; ++b) drawing.draw(c.block, {c.style, 8, b == 0, c.width});
    }
    CustomColours custom;
    RasterCanvas pane;
};

void writeChecksums(const std::map<std::string, std::string>& sums) {
    std::ofstream out(kChecksums);
    for (const auto& [name, sum] : sums) out << name << ' ' << sum << '\n';
}

class GoldenPicture : public ::testing::TestWithParam<Case> {};

TEST_P(GoldenPicture, IsThePictureThatWasApproved) {
    const Case& c = GetParam();
    const Picture picture(c);
    const std::string sum = checksum(picture.pane);
    if (std::getenv("ORVANTA_UPDATE_GOLDEN") != nullptr) {
        ASSERT_TRUE(testing::writePng(kGoldenDir / (c.name + ".png"), picture.pane.raster()));
        std::map<std::string, std::string> sums = readChecksums();
        sums[c.name] = sum;
        writeChecksums(sums);
        GTEST_SKIP() << c.name << " written to " << kGoldenDir.string();
    }
    const std::map<std::string, std::string> approved = readChecksums();
    const auto found = approved.find(c.name);
    if (found != approved.end() && found->second == sum) return;
    const std::filesystem::path actual =
        std::filesystem::temp_directory_path() / ("orvanta_" + c.name + ".png");
    testing::writePng(actual, picture.pane.raster());
    ADD_FAILURE() << c.name << " differs from " << (kGoldenDir / (c.name + ".png")).string()
                  << "; this run drew " << actual.string();
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, GoldenPicture, ::testing::ValuesIn(cases()),
                         [](const auto& each) { return each.param.name; });

}  // namespace
}  // namespace orv::drawing
