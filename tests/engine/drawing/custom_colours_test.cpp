#include "engine/drawing/custom_colours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv::drawing {
namespace {

TEST(DefaultCustomColoursTest, AreTheStoredTextsOfTheBandDefaultsAndMirrorAboutTheMiddle) {
    const std::vector<std::string> stored = {
        "255",   "65535", "12648384", "8454016", "65280",   "49152",    "32768", "16384",
        "16384", "32768", "49152",    "65280",   "8454016", "12648384", "65535", "255"};
    for (std::size_t b = 0; b < 16; ++b) {
        EXPECT_EQ(std::to_string(kDefaultCustomColours.at(b)), stored[b]) << b;
        EXPECT_EQ(kDefaultCustomColours.at(b), kDefaultCustomColours.at(15 - b)) << b;
    }
}

struct CellCase {
    const char* what;
    CustomColours::Cell cell;
    Colour colour;
};

TEST(CustomColoursTest, ConvertsEachKindOfCell) {
    // Band 3, whose default is (128, 255, 128) = 8454016.
    constexpr Colour kDefault = 8454016;
    const std::vector<CellCase> cases = {
        {"empty", std::monostate{}, 0},
        {"decimal text", std::string("16711680"), 16711680},
        {"zero text", std::string("0"), 0},
        {"largest colour as text", std::string("16777215"), 16777215},
        {"number", Colour{12345}, 12345},
        {"text past the largest colour", std::string("16777216"), kDefault},
        {"negative text", std::string("-1"), kDefault},
        {"number past the largest colour", Colour{0x01000000}, kDefault},
        {"empty text", std::string(""), kDefault},
        {"words", std::string("red"), kDefault},
        {"trailing letters", std::string("255x"), kDefault},
        {"leading blank", std::string(" 255"), kDefault},
        {"hexadecimal", std::string("0xFF"), kDefault},
        {"fraction", std::string("2.5"), kDefault},
        {"beyond 64 bits", std::string("99999999999999999999999"), kDefault},
    };
    CustomColours colours;
    for (const CellCase& c : cases) {
        colours.set(1, 3, c.cell);
        EXPECT_EQ(colours.cell(1, 3), c.cell) << c.what;
        EXPECT_EQ(colours.colour(1, 3), c.colour) << c.what;
        EXPECT_EQ(CustomColours::colourOf(c.cell, 3), c.colour) << c.what;
    }
}

TEST(CustomColoursTest, StartsEmptySoEveryCellIsBlack) {
    const CustomColours colours;
    for (int k = 0; k < CustomColours::kSchemes; ++k) {
        for (int b = 0; b < CustomColours::kBands; ++b) {
            EXPECT_TRUE(std::holds_alternative<std::monostate>(colours.cell(k, b)));
            EXPECT_EQ(colours.colour(k, b), 0u);
        }
    }
}

TEST(CustomColoursTest, ABadCellFallsBackToItsOwnBandsDefault) {
    CustomColours colours;
    for (int b = 0; b < CustomColours::kBands; ++b) colours.set(0, b, std::string("?"));
    for (int b = 0; b < CustomColours::kBands; ++b) {
        EXPECT_EQ(colours.colour(0, b), kDefaultCustomColours.at(static_cast<std::size_t>(b)));
    }
}

}  // namespace
}  // namespace orv::drawing
