#pragma once

#include <span>
#include <string_view>

namespace orv::drawing {

// The Russian item texts of the style list (25) and the colour list (15), in list order.
std::span<const std::string_view> styleNames();
std::span<const std::string_view> schemeNames();

}  // namespace orv::drawing
