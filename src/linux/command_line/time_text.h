#pragma once

#include <optional>
#include <string_view>

namespace orv::command_line {

// A time into the sound as ffmpeg's users type it: seconds ("90", "2.5") or [[HH:]MM:]SS[.frac]
// ("1:30", "01:02:03.5"), minutes and seconds under 60 after a colon. Nothing for anything
// else: signs, exponents, hexadecimal, "nan", empty parts, or times past 100,000 hours.
std::optional<double> parseTime(std::string_view text);

}  // namespace orv::command_line
