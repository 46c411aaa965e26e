#include "linux/render/frame_rate.h"

#include <cmath>
#include <numeric>
#include <string>

#include "linux/command_line/whole_number.h"

namespace orv::render {
namespace {

constexpr double kSlowest = 1;
constexpr double kFastest = 240;
constexpr std::int64_t kLargestTerm = 1'000'000;  // keeps frame times within 64 bits

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
        const std::int64_t one = 1;
        const auto frames = command_line::wholeNumberIn(text.substr(0, slash), one, kLargestTerm);
        const auto seconds = command_line::wholeNumberIn(text.substr(slash + 1), one, kLargestTerm);
        if (!frames || !seconds) return std::nullopt;
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
