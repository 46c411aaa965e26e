#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string_view>

namespace orv::frontend {

// The entry of a list named by its index ("3") or by its exact text ("Точечный").
std::optional<int> findEntry(std::string_view text, std::span<const std::string_view> names);

// Prints one entry a line: its index, a tab and its text.
void printEntries(std::ostream& out, std::span<const std::string_view> names);

}  // namespace orv::frontend
