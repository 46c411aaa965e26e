#include "linux/render/output_kind.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

#include "linux/command_line/option_error.h"

namespace orv::render {
namespace {

constexpr std::array<std::pair<std::string_view, OutputKind>, 6> kExtensions = {{
    {".png", OutputKind::Png},
    {".gif", OutputKind::Gif},
    {".mp4", OutputKind::Mp4},
    {".webm", OutputKind::Webm},
    {".mkv", OutputKind::Mkv},
    {".mov", OutputKind::Mov},
}};

// What each kind's format takes: the largest frame (H.264 and VP9 at level 5.1, 4096 x 2304
// and 4096 x 2176 at most; GIF by its 16-bit sizes; for pictures what keeps a few frames in
// memory within budget), whether its 4:2:0 colour needs even sides, and transparency.
struct FormatLimits {
    OutputKind kind;
    std::string_view format;
    std::int64_t pixels;
    int side;
    bool evenSides;
    bool alpha;
};
constexpr std::array<FormatLimits, 9> kFormatLimits = {{
    {OutputKind::Mp4, "H.264", 36864LL * 256, 8192, true, false},
    {OutputKind::Mkv, "H.264", 36864LL * 256, 8192, true, false},
    {OutputKind::Webm, "VP9", 8912896, 8384, true, true},
    {OutputKind::Mov, "ProRes", 8192LL * 8192, 8192, true, true},
    {OutputKind::Gif, "GIF", 4096LL * 4096, 65535, false, false},
    {OutputKind::Png, "PNG", 8192LL * 8192, 16384, false, true},
    {OutputKind::PngSequence, "PNG", 8192LL * 8192, 16384, false, true},
    {OutputKind::Raw, "raw RGB", 8192LL * 8192, 16384, false, true},
    {OutputKind::Null, "nothing", 8192LL * 8192, 16384, false, true},
}};

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

OutputKind outputKind(std::string_view name) {
    if (name == "-") return OutputKind::Raw;
    if (name == "/dev/null") return OutputKind::Null;
    const std::string extension =
        lowered(std::filesystem::path(std::string(name)).extension().string());
    const auto found = std::find_if(kExtensions.begin(), kExtensions.end(),
                                    [&](const auto& entry) { return entry.first == extension; });
    if (found == kExtensions.end()) {
        throw command_line::OptionError(
            std::string(name) +
            ": unknown kind of output (name it .png, .gif, .mp4, .webm, "
            ".mkv, .mov, frame%05d.png, or - for raw RGB)");
    }
    if (found->second == OutputKind::Png && NumberedName::looksNumbered(name)) {
        return OutputKind::PngSequence;
    }
    return found->second;
}

void checkFrames(OutputKind kind, std::string_view name, int width, int height, bool alpha) {
    const auto* limit =
        std::find_if(kFormatLimits.begin(), kFormatLimits.end(),
                     [kind](const FormatLimits& entry) { return entry.kind == kind; });
    const std::string format(limit->format);
    const std::string named = std::string(name) + ": ";
    if (alpha && !limit->alpha) {
        throw command_line::OptionError(named + format +
                                        " has no transparency (write .webm, .mov or .png)");
    }
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    if (limit->evenSides && (width % 2 != 0 || height % 2 != 0)) {
        throw command_line::OptionError(named + format +
                                        " takes only even widths and heights, not " + size);
    }
    const bool fits = static_cast<std::int64_t>(width) * height <= limit->pixels &&
                      width <= limit->side && height <= limit->side;
    if (fits) return;
    throw command_line::OptionError(named + size + " frames are larger than " + format +
                                    " takes (at most " + std::to_string(limit->pixels) +
                                    " pixels); use a smaller --scale or --size");
}

bool NumberedName::looksNumbered(std::string_view name) {
    return name.find('%') != std::string_view::npos;
}

NumberedName::NumberedName(std::string pattern) {
    const auto fail = [&] {
        throw command_line::OptionError(pattern +
                                        ": a numbered name holds one %d or %0Nd (N 1..9) and no "
                                        "other %");
    };
    const std::size_t percent = pattern.find('%');
    if (percent == std::string::npos) fail();
    std::size_t at = percent + 1;
    if (at < pattern.size() && pattern[at] == '0') {
        ++at;
        if (at >= pattern.size() || pattern[at] < '1' || pattern[at] > '9') fail();
        width_ = pattern[at] - '0';
        ++at;
    }
    if (at >= pattern.size() || pattern[at] != 'd') fail();
    before_ = pattern.substr(0, percent);
    after_ = pattern.substr(at + 1);
    if (after_.find('%') != std::string::npos) fail();
}

std::string NumberedName::operator()(long number) const {
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < width_) {
        digits.insert(0, static_cast<std::size_t>(width_) - digits.size(), '0');
    }
    return before_ + digits + after_;
}

}  // namespace orv::render
