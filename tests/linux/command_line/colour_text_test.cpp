#include "linux/command_line/colour_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include "linux/command_line/option_error.h"
#include "linux/support/sound_files.h"

namespace orv::command_line {
namespace {

struct ColourText {
    std::string text;
    std::optional<drawing::Colour> expected;
};

class ParsingAColour : public ::testing::TestWithParam<ColourText> {};

TEST_P(ParsingAColour, GivesBlueGreenRed) {
    EXPECT_EQ(parseColour(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParsingAColour,
    ::testing::Values(ColourText{"#FF0000", 0x0000FF}, ColourText{"#00ff80", 0x80FF00},
                      ColourText{"123456", 0x563412}, ColourText{"#000000", 0},
                      ColourText{"#FFFFFF", 0xFFFFFF}, ColourText{"#12345", std::nullopt},
                      ColourText{"#1234567", std::nullopt}, ColourText{"#GG0000", std::nullopt},
                      ColourText{"red", std::nullopt}, ColourText{"", std::nullopt},
                      ColourText{"#-12345", std::nullopt}, ColourText{"##123456", std::nullopt}));

constexpr const char* kSixteen =
    "#000001,#000002,#000003,#000004,#000005,#000006,#000007,#000008,"
    "#000009 #00000a #00000b #00000c, #00000d,#00000e,#00000f,#000010";

TEST(SettingAUserScheme, FillsItsSixteenBandsInOrder) {
    drawing::CustomColours colours;
    setUserScheme(colours, std::string("3=") + kSixteen, "--colours");
    for (int b = 0; b < 16; ++b) {
        EXPECT_EQ(colours.colour(2, b), static_cast<drawing::Colour>(b + 1) << 16U) << b;
        EXPECT_EQ(colours.colour(1, b), 0U) << "another scheme was touched";
    }
}

struct BadScheme {
    std::string spec;
    std::string reason;
};

class SettingABadScheme : public ::testing::TestWithParam<BadScheme> {};

TEST_P(SettingABadScheme, SaysWhereAndWhy) {
    drawing::CustomColours colours;
    try {
        setUserScheme(colours, GetParam().spec, "colours.txt:7");
        FAIL() << GetParam().spec;
    } catch (const OptionError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("colours.txt:7: ", 0), 0U) << message;
        EXPECT_NE(message.find(GetParam().reason), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Specs, SettingABadScheme,
    ::testing::Values(BadScheme{std::string("5=") + kSixteen, "is not N=C1"},
                      BadScheme{std::string("0=") + kSixteen, "is not N=C1"},
                      BadScheme{kSixteen, "is not N=C1"},
                      BadScheme{"1=#000000,#111111", "needs 16 colours, not 2"},
                      BadScheme{std::string("1=") + kSixteen + ",#000011", "not 17"},
                      BadScheme{"1=#000001,#000002,#000003,#000004,#000005,#000006,#000007,"
                                "#000008,#000009,#00000a,#00000b,#00000c,#00000d,#00000e,"
                                "#00000f,blue",
                                "'blue' is not a colour"}));

TEST(ReadingUserSchemes, SkipsCommentsAndNamesTheBadLine) {
    testing::ScratchFolder folder;
    {
        std::ofstream(folder / "good.txt")
            << "# my schemes\n\n  1=" << kSixteen << "\r\n4=" << kSixteen << "\n";
        std::ofstream(folder / "bad.txt") << "# fine\n1=" << kSixteen << "\n2=#zzzzzz\n";
    }
    drawing::CustomColours colours;
    readUserSchemes(colours, folder / "good.txt");
    EXPECT_EQ(colours.colour(0, 15), 0x100000U);
    EXPECT_EQ(colours.colour(3, 0), 0x010000U);
    try {
        readUserSchemes(colours, folder / "bad.txt");
        FAIL();
    } catch (const OptionError& error) {
        EXPECT_EQ(std::string(error.what()).rfind((folder / "bad.txt").string() + ":3: ", 0), 0U)
            << error.what();
    }
    EXPECT_THROW(readUserSchemes(colours, folder / "missing.txt"), OptionError);
}

// A device that never ends or a file far too large is refused after its first 64 KB, not read
// into memory to its end.
TEST(ReadingUserSchemes, StopsAtSixtyFourKilobytes) {
    drawing::CustomColours colours;
    try {
        readUserSchemes(colours, "/dev/zero");
        FAIL();
    } catch (const OptionError& error) {
        EXPECT_NE(std::string(error.what()).find("larger than 64 KB"), std::string::npos)
            << error.what();
    }
}

}  // namespace
}  // namespace orv::command_line
