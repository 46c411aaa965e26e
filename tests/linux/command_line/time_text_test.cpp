#include "linux/command_line/time_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orv::command_line {
namespace {

struct Time {
    std::string text;
    std::optional<double> seconds;
};

class ReadingATime : public ::testing::TestWithParam<Time> {};

TEST_P(ReadingATime, AsSecondsOrClockTimeAndNothingElse) {
    EXPECT_EQ(parseTime(GetParam().text), GetParam().seconds) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadingATime,
    ::testing::Values(Time{"90", 90.0}, Time{"01:02:03.5", 3723.5}, Time{"0:59.25", 59.25},
                      Time{"360000000", 360'000'000.0}, Time{"360000001", std::nullopt},
                      Time{"1e15", std::nullopt}, Time{"nan", std::nullopt},
                      Time{"0x10", std::nullopt}, Time{"-1", std::nullopt}, Time{"", std::nullopt},
                      Time{"1:60", std::nullopt}, Time{"1.5:00", std::nullopt},
                      Time{"1:2:3:4", std::nullopt}, Time{"2.", std::nullopt}));

}  // namespace
}  // namespace orv::command_line
