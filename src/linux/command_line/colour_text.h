#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "engine/drawing/custom_colours.h"

namespace orv::command_line {

// A colour written as #RRGGBB (or RRGGBB), as the program's 0x00BBGGRR.
std::optional<drawing::Colour> parseColour(std::string_view text);

// Sets user schemes from "N=C1,C2,...,C16": N is the scheme (1..4), then the colours of its 16
// level bands from the lowest, separated by commas or blanks. Throws OptionError saying where.
void setUserScheme(drawing::CustomColours& colours, std::string_view spec, std::string_view where);

// The same for every line of a text file; blank lines and lines starting with '#' are skipped.
void readUserSchemes(drawing::CustomColours& colours, const std::filesystem::path& file);

}  // namespace orv::command_line
