#include "engine/drawing/custom_colours.h"

#include <charconv>
#include <cstdint>
#include <utility>

namespace orv::drawing {
namespace {

struct Converted {
    bool ok;
    Colour value;
};

Converted inRange(std::int64_t value) {
    if (value < 0 || value > CustomColours::kLargestColour) return {false, 0};
    return {true, static_cast<Colour>(value)};
}

// Whole decimal text, as the settings store holds a colour; nothing before or after the digits.
Converted fromText(const std::string& text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end) return {false, 0};
    return inRange(value);
}

struct ToColour {
    Converted operator()(std::monostate /*empty*/) const { return {true, 0}; }
    Converted operator()(const std::string& text) const { return fromText(text); }
    Converted operator()(Colour number) const { return inRange(number); }
};

}  // namespace

void CustomColours::set(int k, int b, Cell value) {
    cells_.at(k).at(b) = std::move(value);
}

const CustomColours::Cell& CustomColours::cell(int k, int b) const {
    return cells_.at(k).at(b);
}

Colour CustomColours::colour(int k, int b) const {
    return colourOf(cell(k, b), b);
}

Colour CustomColours::colourOf(const Cell& cell, int b) {
    const Converted converted = std::visit(ToColour{}, cell);
    return converted.ok ? converted.value : kDefaultCustomColours.at(b);
}

}  // namespace orv::drawing
