#include "linux/render/output_kind.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "linux/command_line/option_error.h"

namespace orv::render {
namespace {

struct Named {
    std::string name;
    std::optional<OutputKind> kind;  // none: refused
};

class ChoosingTheOutput : public ::testing::TestWithParam<Named> {};

TEST_P(ChoosingTheOutput, ByItsName) {
    const Named& n = GetParam();
    if (n.kind) {
        EXPECT_EQ(outputKind(n.name), *n.kind) << n.name;
    } else {
        EXPECT_THROW(outputKind(n.name), command_line::OptionError) << n.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, ChoosingTheOutput,
    ::testing::Values(Named{"-", OutputKind::Raw}, Named{"/dev/null", OutputKind::Null},
                      Named{"a.png", OutputKind::Png}, Named{"dir/A.PNG", OutputKind::Png},
                      Named{"f%05d.png", OutputKind::PngSequence},
                      Named{"out/%d.png", OutputKind::PngSequence}, Named{"x.gif", OutputKind::Gif},
                      Named{"x.mp4", OutputKind::Mp4}, Named{"x.webm", OutputKind::Webm},
                      Named{"x.MKV", OutputKind::Mkv}, Named{"x.avi", std::nullopt},
                      Named{"noextension", std::nullopt}, Named{"x.png.txt", std::nullopt},
                      Named{"--", std::nullopt}));

struct Numbered {
    std::string pattern;
    long number;
    std::string expected;  // empty: the pattern is refused
};

class NumberingFrames : public ::testing::TestWithParam<Numbered> {};

TEST_P(NumberingFrames, FillsTheOneField) {
    const Numbered& n = GetParam();
    if (n.expected.empty()) {
        EXPECT_THROW(NumberedName{n.pattern}, command_line::OptionError) << n.pattern;
    } else {
        EXPECT_EQ(NumberedName(n.pattern)(n.number), n.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, NumberingFrames,
    ::testing::Values(Numbered{"f%05d.png", 7, "f00007.png"}, Numbered{"f%d.png", 7, "f7.png"},
                      Numbered{"%03d.png", 12345, "12345.png"},
                      Numbered{"a%01d/b.png", 3, "a3/b.png"}, Numbered{"f%s.png", 1, ""},
                      Numbered{"f%05d%d.png", 1, ""}, Numbered{"f%0d.png", 1, ""},
                      Numbered{"f%5d.png", 1, ""}, Numbered{"f%.png", 1, ""},
                      Numbered{"f%05d%%.png", 1, ""}, Numbered{"f%n.png", 1, ""}));

}  // namespace
}  // namespace orv::render
