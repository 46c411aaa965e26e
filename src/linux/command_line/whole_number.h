#pragma once

#include <charconv>
#include <concepts>
#include <optional>
#include <string_view>
#include <system_error>

namespace orv::command_line {

// The whole number that is all of `text` (decimal digits, a minus sign at most; no spaces, no
// plus sign) when it lies from `lowest` to `highest`; nothing otherwise, overflow included.
template <std::integral Number>
std::optional<Number> wholeNumberIn(std::string_view text, Number lowest, Number highest) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

}  // namespace orv::command_line
