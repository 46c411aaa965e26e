#include "linux/command_line/colour_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>
#include <system_error>
#include <vector>

#include "linux/command_line/option_error.h"
#include "linux/command_line/small_file.h"

namespace orv::command_line {
namespace {

constexpr std::string_view kSpecForm = "N=C1,...,C16 (N the user scheme 1..4, C as #RRGGBB)";

std::vector<std::string_view> splitColours(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(", \t\r", at);
        if (start == std::string_view::npos) break;
        const std::size_t stop = std::min(text.find_first_of(", \t\r", start), text.size());
        parts.push_back(text.substr(start, stop - start));
        at = stop;
    }
    return parts;
}

}  // namespace

std::optional<drawing::Colour> parseColour(std::string_view text) {
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() != 6) return std::nullopt;
    for (const char c : text) {
        if (std::isxdigit(static_cast<unsigned char>(c)) == 0) return std::nullopt;
    }
    unsigned rgb = 0;
    std::from_chars(text.data(), text.data() + text.size(), rgb, 16);
    const unsigned r = (rgb >> 16U) & 0xFFU;
    const unsigned g = (rgb >> 8U) & 0xFFU;
    const unsigned b = rgb & 0xFFU;
    return static_cast<drawing::Colour>(r | (g << 8U) | (b << 16U));
}

void setUserScheme(drawing::CustomColours& colours, std::string_view spec, std::string_view where) {
    const auto fail = [&](const std::string& reason) {
        throw OptionError(std::string(where) + ": " + reason);
    };
    const std::size_t equals = spec.find('=');
    if (equals != 1 || spec[0] < '1' || spec[0] > '4') {
        fail("'" + std::string(spec) + "' is not " + std::string(kSpecForm));
    }
    const int scheme = spec[0] - '1';
    const std::vector<std::string_view> parts = splitColours(spec.substr(equals + 1));
    if (parts.size() != drawing::CustomColours::kBands) {
        fail("user scheme " + std::to_string(scheme + 1) + " needs 16 colours, not " +
             std::to_string(parts.size()));
    }
    for (int band = 0; band < drawing::CustomColours::kBands; ++band) {
        const std::string_view part = parts[static_cast<std::size_t>(band)];
        const std::optional<drawing::Colour> colour = parseColour(part);
        if (!colour) fail("'" + std::string(part) + "' is not a colour (write it as #RRGGBB)");
        colours.set(scheme, band, *colour);
    }
}

void readUserSchemes(drawing::CustomColours& colours, const std::filesystem::path& file) {
    // Four lines of sixteen colours; far past that is no colours file (/dev/zero, a film).
    constexpr std::size_t kLargest = std::size_t{64} * 1024;
    const SmallFile read = readSmallFile(file, kLargest, false);
    const std::string where = file.string() + ": ";
    switch (read.problem) {
        case FileProblem::None:
            break;
        case FileProblem::Folder:
            throw OptionError(where + "cannot read the colours file: it is a folder");
        case FileProblem::TooLarge:
            throw OptionError(where + "the colours file is larger than " +
                              std::to_string(kLargest / 1024) + " KB");
        default:
            throw OptionError(where + "cannot read the colours file" +
                              (read.reason.empty() ? "" : " (" + read.reason + ")"));
    }
    const std::string_view text = read.text;
    int number = 1;
    for (std::size_t start = 0; start < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#') continue;
        setUserScheme(colours, line.substr(first), file.string() + ":" + std::to_string(number));
    }
}

}  // namespace orv::command_line
