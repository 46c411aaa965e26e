#include "linux/render/frame_rate.h"

#include <charconv>
#include <cmath>
#include <numeric>
#include <string>

namespace orv::render {
namespace {

constexpr double kSlowest = 1;
constexpr double kFastest = 240;
constexpr std::int64_t kLargestTerm = 1'000'000;  // keeps frame times within 64 bits

std::optional<std::int64_t> wholeNumber(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0) return std::nullopt;
    return value;
}

// Digits with at most one point, no sign, no exponent: what people type for a rate.
std::optional<double> decimal(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos ||
        text.find('.') != text.rfind('.') || text == ".") {
        return std::nullopt;
    }
    return std::stod(std::string(text));
}

}  // namespace

std::optional<FrameRate> parseFrameRate(std::string_view text) {
    FrameRate rate;
    if (const std::size_t slash = text.find('/'); slash != std::string_view::npos) {
        const auto frames = wholeNumber(text.substr(0, slash));
        const auto seconds = wholeNumber(text.substr(slash + 1));
        if (!frames || !seconds || *frames > kLargestTerm || *seconds > kLargestTerm) {
            return std::nullopt;
        }
        rate = {*frames, *seconds};
    } else {
        const std::optional<double> value = decimal(text);
        if (!value) return std::nullopt;
        rate = {std::llround(*value * 1000), 1000};
    }
    const double perSecond = static_cast<double>(rate.frames) / static_cast<double>(rate.seconds);
    if (perSecond < kSlowest || perSecond > kFastest) return std::nullopt;
    const std::int64_t common = std::gcd(rate.frames, rate.seconds);
    return FrameRate{rate.frames / common, rate.seconds / common};
}

}  // namespace orv::render
