#include "linux/command_line/time_text.h"

#include <array>
#include <charconv>
#include <cstddef>

namespace orv::command_line {
namespace {

constexpr std::size_t kMostParts = 3;  // hours, minutes, seconds
constexpr std::size_t kMostWholeDigits = 9;
constexpr double kLongest = 100'000.0 * 3600.0;
constexpr double kSixty = 60.0;

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Whole digits with an optional fraction of digits; from_chars alone would take "1e5" or "inf".
std::optional<double> decimal(std::string_view text, bool fractionAllowed) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    if (!isDigits(whole) || whole.size() > kMostWholeDigits) return std::nullopt;
    if (point != std::string_view::npos &&
        (!fractionAllowed || !isDigits(text.substr(point + 1)))) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> parseTime(std::string_view text) {
    std::array<std::string_view, kMostParts> parts{};
    std::size_t count = 0;
    for (std::size_t start = 0;;) {
        if (count == kMostParts) return std::nullopt;
        const std::size_t colon = text.find(':', start);
        parts.at(count++) = text.substr(start, colon - start);
        if (colon == std::string_view::npos) break;
        start = colon + 1;
    }
    double seconds = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        const std::optional<double> value = decimal(parts.at(i), last);
        if (!value || (i > 0 && *value >= kSixty)) return std::nullopt;
        seconds = seconds * kSixty + *value;
    }
    if (seconds > kLongest) return std::nullopt;
    return seconds;
}

}  // namespace orv::command_line
