#include "linux/live/source_choice.h"

#include <algorithm>

namespace orv::live {

SourceChoice chooseSource(std::span<const SoundSource> sources, const std::string& wanted,
                          bool givenNow, const std::function<std::string()>& defaultMonitor) {
    if (wanted.empty()) {
        return {defaultMonitor(), {}};
    }
    if (std::ranges::any_of(sources, [&](const SoundSource& s) { return s.name == wanted; })) {
        return {wanted, {}};
    }
    if (givenNow) {
        throw LiveError("the sound server has no source named '" + wanted +
                        "'; the sources are:\n" + listSources(sources));
    }
    const std::string fallback = defaultMonitor();
    return {fallback, "the remembered source '" + wanted + "' is gone; listening to '" + fallback +
                          "' instead"};
}

bool isSourceName(std::string_view name) {
    return std::ranges::none_of(
        name, [](char c) { return static_cast<unsigned char>(c) < ' ' || c == '\x7f'; });
}

std::string listSources(std::span<const SoundSource> sources) {
    std::size_t widest = 0;
    for (const SoundSource& source : sources) {
        widest = std::max(widest, source.name.size());
    }
    std::string text;
    for (const SoundSource& source : sources) {
        text += "  " + source.name + std::string(widest - source.name.size() + 2, ' ') +
                source.description + "\n";
    }
    return text;
}

}  // namespace orv::live
