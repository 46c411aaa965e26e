#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string_view>

namespace orv::command_line {

// The entry of a list named by its index ("3") or by its text ("Точечный"). Texts match
// whatever their case and with ё written as е, as people type them.
std::optional<int> findEntry(std::string_view text, std::span<const std::string_view> names);

// The entry whose text is the fewest letter edits away from text, for a "did you mean" hint.
std::string_view nearestEntry(std::string_view text, std::span<const std::string_view> names);

// Prints one entry a line: its index, a tab and its text.
void printEntries(std::ostream& out, std::span<const std::string_view> names);

}  // namespace orv::command_line
