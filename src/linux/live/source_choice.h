#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "linux/live/sound_server.h"

namespace orv::live {

struct SourceChoice {
    std::string name;
    std::string warning;  // why a remembered source was not used; empty if it was
};

// The source to record. WANTED names one of SOURCES, or is empty for what the computer plays
// (DEFAULT_MONITOR gives its name). A name the user gave now that the server does not know is
// an error listing the names it knows; a remembered one that has gone falls back to the
// default with a warning.
SourceChoice chooseSource(std::span<const SoundSource> sources, const std::string& wanted,
                          bool givenNow, const std::function<std::string()>& defaultMonitor);

// Whether NAME can be a source's name: one with control characters is none, and would only
// garble the messages that name it.
bool isSourceName(std::string_view name);

// The sources as --list-devices prints them: a name and its description a line, aligned.
std::string listSources(std::span<const SoundSource> sources);

}  // namespace orv::live
