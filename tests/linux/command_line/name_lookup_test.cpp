#include "linux/command_line/name_lookup.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <sstream>
#include <string>

namespace orv::command_line {
namespace {

constexpr std::array<std::string_view, 5> kNames = {"Обычный", "Осевой", "Точечный", "Перевёрнутый",
                                                    "Магия (Точки)"};

struct Lookup {
    std::string text;
    std::optional<int> expected;
};

class FindingAnEntry : public ::testing::TestWithParam<Lookup> {};

TEST_P(FindingAnEntry, ByIndexOrNameInAnyCaseAndSpellingOfYo) {
    EXPECT_EQ(findEntry(GetParam().text, kNames), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, FindingAnEntry,
                         ::testing::Values(Lookup{"0", 0}, Lookup{"2", 2}, Lookup{"Точечный", 2},
                                           Lookup{"Осевой", 1}, Lookup{"5", std::nullopt},
                                           Lookup{"Перевернутый", 3}, Lookup{"ПЕРЕВЁРНУТЫЙ", 3},
                                           Lookup{"магия (точки)", 4}, Lookup{"-1", std::nullopt},
                                           Lookup{"1x", std::nullopt}, Lookup{" 1", std::nullopt},
                                           Lookup{"", std::nullopt}, Lookup{"Точечн", std::nullopt},
                                           Lookup{"99999999999999999999", std::nullopt}));

TEST(PrintingEntries, GivesIndexAndNameALine) {
    std::ostringstream out;
    printEntries(out, kNames);
    EXPECT_EQ(out.str(), "0\tОбычный\n1\tОсевой\n2\tТочечный\n3\tПеревёрнутый\n4\tМагия (Точки)\n");
}

}  // namespace
}  // namespace orv::command_line
