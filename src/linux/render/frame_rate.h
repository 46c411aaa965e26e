#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orv::render {

// Frames a second as a fraction, so that 30000/1001 keeps time exactly.
struct FrameRate {
    std::int64_t frames = 11025;  // per `seconds`
    std::int64_t seconds = 256;
};

// The block rate, one frame a block: 11025/256, about 43.07.
inline constexpr FrameRate kBlockRate{};

// "30", "29.97" (to a thousandth) or "30000/1001", from 1 to 240 frames a second; nothing for
// anything else.
std::optional<FrameRate> parseFrameRate(std::string_view text);

}  // namespace orv::render
