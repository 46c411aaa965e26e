#include "linux/command_line/draw_options.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "linux/command_line/option_error.h"

namespace orv::command_line {
namespace {

// Parses the options as a program would, then resolves them.
Drawing resolveArgs(std::vector<std::string> args) {
    CLI::App app;
    DrawOptions options(app);
    std::reverse(args.begin(), args.end());  // CLI11 takes a vector in reverse order
    app.parse(args);
    return options.resolve();
}

struct Resolved {
    std::vector<std::string> args;
    drawing::DrawSettings settings;
    drawing::Colour background;
    bool grid;
};

class ResolvingOptions : public ::testing::TestWithParam<Resolved> {};

TEST_P(ResolvingOptions, GivesTheWindowsSettings) {
    const Resolved& r = GetParam();
    const Drawing drawing = resolveArgs(r.args);
    EXPECT_EQ(drawing.settings.style, r.settings.style);
    EXPECT_EQ(drawing.settings.scheme, r.settings.scheme);
    EXPECT_EQ(drawing.settings.clear, r.settings.clear);
    EXPECT_EQ(drawing.settings.penWidth, r.settings.penWidth);
    EXPECT_EQ(drawing.background, r.background);
    EXPECT_EQ(drawing.grid, r.grid);
}

INSTANTIATE_TEST_SUITE_P(
    Args, ResolvingOptions,
    ::testing::Values(Resolved{{}, {0, 0, true, 1}, 0, false},
                      Resolved{{"--style", "Точечный", "--scheme", "Радужный", "--zoom", "3"},
                               {2, 8, true, 3},
                               0,
                               false},
                      Resolved{{"--style", "24", "--scheme", "14", "--no-clear", "--grid",
                                "--background", "#102030"},
                               {24, 14, false, 1},
                               0x302010,
                               true},
                      // The sweeping style starts as the window starts it: its scheme, no clearing.
                      Resolved{{"--style", "22"}, {22, 9, false, 1}, 0, false},
                      Resolved{{"--style", "Щелк", "--scheme", "1"}, {22, 1, false, 1}, 0, false},
                      // Ticking the clear box again after choosing it.
                      Resolved{{"--style", "22", "--clear"}, {22, 9, true, 1}, 0, false}));

TEST(ResolvingUserColours, LeavesUntouchedSchemesAtTheirDefaults) {
    const Drawing drawing =
        resolveArgs({"--colours",
                     "2=#010101,#020202,#030303,#040404,#050505,#060606,#070707,#080808,"
                     "#090909,#0a0a0a,#0b0b0b,#0c0c0c,#0d0d0d,#0e0e0e,#0f0f0f,#101010"});
    EXPECT_EQ(drawing.colours.colour(1, 15), 0x101010U);
    for (int b = 0; b < 16; ++b) {
        EXPECT_EQ(drawing.colours.colour(0, b),
                  drawing::kDefaultCustomColours.at(static_cast<std::size_t>(b)));
    }
}

struct Refused {
    std::vector<std::string> args;
    std::string reason;
};

class RefusingOptions : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusingOptions, WithOneLineNamingTheOption) {
    try {
        resolveArgs(GetParam().args);
        FAIL() << GetParam().args.front();
    } catch (const OptionError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(GetParam().reason), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Args, RefusingOptions,
    ::testing::Values(Refused{{"--style", "Кубики"}, "--style: no entry 'Кубики'"},
                      Refused{{"--style", "25"}, "--style: no entry '25' (--list-styles"},
                      Refused{{"--scheme", "Серый"}, "--scheme: no entry 'Серый'"},
                      Refused{{"--scheme", "Зелёный"}, "the nearest is 'Зелённый'"},
                      Refused{{"--colours", "@/"}, "/: cannot read"},
                      Refused{{"--background", "black"}, "--background: 'black' is not a colour"},
                      Refused{{"--colours", "1=#000000"}, "--colours: user scheme 1 needs 16"},
                      Refused{{"--colours", "@/nonexistent/colours.txt"},
                              "/nonexistent/colours.txt: cannot read"}));

TEST(ParsingOptions, RefusesAPenWidthOutsideOneToFour) {
    EXPECT_THROW(resolveArgs({"--zoom", "5"}), CLI::ValidationError);
    EXPECT_THROW(resolveArgs({"--zoom", "0"}), CLI::ValidationError);
}

TEST(ParsingOptions, RefusesClearTogetherWithNoClear) {
    EXPECT_THROW(resolveArgs({"--clear", "--no-clear"}), CLI::ExcludesError);
}

}  // namespace
}  // namespace orv::command_line
