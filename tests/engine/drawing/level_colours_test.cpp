#include "engine/drawing/level_colours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/drawing/colour_schemes.h"

namespace orv::drawing {
namespace {

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r + 256 * g + 65536 * b);
}

class LevelColoursTest : public ::testing::Test {
  protected:
    LevelColoursTest() {
        levels.reportOverRange = [this](int level) { reported.push_back(level); };
    }
    Colour at(int entry, int level) { return levels.LevelColor(level, entry); }
    void fillRow(int k, const std::string& text) {
        for (int b = 0; b < CustomColours::kBands; ++b) custom.set(k, b, text);
    }

    CustomColours custom;
    LevelColours levels{custom};
    std::vector<int> reported;
};

struct Band {
    int upper;  // the band holds upper of the band before < level <= upper
    Colour colour;
};

struct BandedScheme {
    int entry;
    std::vector<Band> bands;
};

// Each band's colour, ascending; the first band starts above 0.
const std::vector<BandedScheme> kBandedSchemes = {
    {0,  // "Смещанный"
     {{24, rgb(255, 0, 0)},
      {64, rgb(255, 255, 0)},
      {192, rgb(0, 255, 0)},
      {232, rgb(255, 255, 0)},
      {256, rgb(255, 0, 0)}}},
    {8,  // "Радужный"
     {{16, rgb(255, 0, 0)},
      {32, rgb(255, 102, 0)},
      {48, rgb(255, 204, 0)},
      {64, rgb(198, 255, 0)},
      {80, rgb(102, 255, 0)},
      {96, rgb(0, 255, 0)},
      {112, rgb(0, 255, 102)},
      {128, rgb(0, 255, 204)},
      {142, rgb(0, 204, 255)},
      {158, rgb(0, 102, 255)},
      {174, rgb(0, 0, 255)},
      {190, rgb(102, 0, 255)},
      {206, rgb(204, 0, 255)},
      {224, rgb(255, 0, 204)},
      {240, rgb(255, 0, 102)},
      {256, rgb(255, 0, 6)}}},
    {9,  // "Спектр 1"
     {{32, rgb(34, 29, 54)},
      {64, rgb(251, 125, 0)},
      {80, rgb(255, 160, 66)},
      {112, rgb(242, 237, 21)},
      {142, rgb(255, 255, 0)},
      {174, rgb(242, 237, 21)},
      {190, rgb(255, 160, 66)},
      {224, rgb(251, 125, 0)},
      {256, rgb(34, 29, 54)}}},
    {10,  // "Спектр 2"
     {{32, rgb(200, 0, 0)},
      {64, rgb(250, 0, 25)},
      {80, rgb(243, 65, 5)},
      {112, rgb(237, 163, 7)},
      {142, rgb(250, 250, 0)},
      {174, rgb(237, 163, 7)},
      {190, rgb(243, 65, 5)},
      {224, rgb(250, 0, 25)},
      {256, rgb(200, 0, 0)}}},
};

TEST_F(LevelColoursTest, BandedSchemesChangeColourExactlyAtTheirBandBounds) {
    for (const BandedScheme& scheme : kBandedSchemes) {
        for (const int outside : {-5, 0}) EXPECT_EQ(at(scheme.entry, outside), 0u) << outside;
        int lower = 0;
        for (const Band& band : scheme.bands) {
            EXPECT_EQ(at(scheme.entry, lower + 1), band.colour)
                << "entry " << scheme.entry << ", level " << lower + 1;
            EXPECT_EQ(at(scheme.entry, band.upper), band.colour)
                << "entry " << scheme.entry << ", level " << band.upper;
            lower = band.upper;
        }
        EXPECT_EQ(lower, 256);
    }
    EXPECT_TRUE(reported.empty());
}

TEST_F(LevelColoursTest, OneColourSchemesPaintEveryLevelAlike) {
    const std::vector<std::pair<int, Colour>> schemes = {
        {1, rgb(0, 0, 255)}, {2, rgb(0, 255, 255)},   {3, rgb(0, 255, 0)},  {4, rgb(255, 0, 255)},
        {5, rgb(255, 0, 0)}, {6, rgb(255, 255, 255)}, {7, rgb(255, 255, 0)}};
    for (const auto& [entry, colour] : schemes) {
        for (const int level : {-1, 0, 1, 128, 256}) {
            EXPECT_EQ(at(entry, level), colour) << "entry " << entry << ", level " << level;
        }
    }
}

// The sixteen-band layout's upper bounds; band 8 is 14 wide and band 13 is 18.
constexpr int kUpper[16] = {16,  32,  48,  64,  80,  96,  112, 128,
                            142, 158, 174, 190, 206, 224, 240, 256};

TEST_F(LevelColoursTest, UserSchemesFilledFromAnEmptyStoreShowTheDefaultsBandByBand) {
    for (int k = 0; k < CustomColours::kSchemes; ++k) {
        for (int b = 0; b < CustomColours::kBands; ++b) {
            custom.set(k, b, std::to_string(kDefaultCustomColours.at(static_cast<std::size_t>(b))));
        }
        const int entry = 11 + k;
        EXPECT_EQ(at(entry, 0), 0u);
        int lower = 0;
        for (int b = 0; b < 16; ++b) {
            const Colour want = kDefaultCustomColours.at(static_cast<std::size_t>(b));
            EXPECT_EQ(at(entry, lower + 1), want) << "entry " << entry << " band " << b;
            EXPECT_EQ(at(entry, kUpper[b]), want) << "entry " << entry << " band " << b;
            lower = kUpper[b];
        }
    }
    EXPECT_EQ(at(11, 1), rgb(255, 0, 0));
    EXPECT_EQ(at(11, 32), rgb(255, 255, 0));
    EXPECT_EQ(at(11, 129), rgb(0, 64, 0));
    EXPECT_EQ(at(11, 142), rgb(0, 64, 0));
}

TEST_F(LevelColoursTest, AUserRowOfTheText255IsRedForEveryLevelButZero) {
    fillRow(2, "255");
    EXPECT_EQ(at(13, 0), 0u);
    for (int level = 1; level <= 256; ++level) ASSERT_EQ(at(13, level), rgb(255, 0, 0)) << level;
}

TEST_F(LevelColoursTest, EachUserEntryReadsItsOwnRow) {
    for (int k = 0; k < CustomColours::kSchemes; ++k) {
        custom.set(k, 0, static_cast<Colour>(100 + k));
    }
    for (int k = 0; k < CustomColours::kSchemes; ++k) {
        EXPECT_EQ(at(11 + k, 10), static_cast<Colour>(100 + k));
    }
}

TEST_F(LevelColoursTest, AnEmptyUserRowPaintsBlack) {
    EXPECT_EQ(at(14, 100), 0u);
}

TEST_F(LevelColoursTest, NoSelectionPaintsEveryLevelBlack) {
    for (const int level : {-1, 0, 1, 128, 256}) EXPECT_EQ(at(-1, level), 0u);
}

TEST_F(LevelColoursTest, ALevelAbove256IsReportedAndBlackInEveryEntry) {
    for (int entry = -1; entry <= 14; ++entry) {
        reported.clear();
        EXPECT_EQ(at(entry, 257), 0u) << entry;
        EXPECT_EQ(reported, std::vector<int>{257});
    }
    reported.clear();
    EXPECT_EQ(at(5, 300), 0u);
    EXPECT_EQ(reported, std::vector<int>{300});
    EXPECT_EQ(at(5, 256), rgb(255, 0, 0));
    EXPECT_EQ(reported.size(), 1u);
}

TEST_F(LevelColoursTest, WithNoOneToTellALevelAbove256IsStillBlack) {
    levels.reportOverRange = nullptr;
    EXPECT_EQ(at(5, 257), 0u);
}

struct UserEntry {
    int entry;
    int userScheme;
};

class UserSchemeOf : public ::testing::TestWithParam<UserEntry> {};

// Only the four last entries of the colour list paint with the user's colours.
TEST_P(UserSchemeOf, NamesTheUserRowOfAnEntryOrNone) {
    EXPECT_EQ(userSchemeOf(GetParam().entry), GetParam().userScheme);
}

INSTANTIATE_TEST_SUITE_P(ColourList, UserSchemeOf,
                         ::testing::Values(UserEntry{-1, -1}, UserEntry{0, -1}, UserEntry{10, -1},
                                           UserEntry{11, 0}, UserEntry{12, 1}, UserEntry{14, 3},
                                           UserEntry{15, -1}));

}  // namespace
}  // namespace orv::drawing
