#pragma once

#include <filesystem>
#include <string>

namespace orv::live {

// What the live window remembers between runs.
struct LiveSettings {
    std::string device;  // a source name; empty: the monitor of the default output
    int style = 0;
    int scheme = 3;
    int penWidth = 1;
    bool grid = false;
    bool clear = true;
    int windowWidth = 520;
    int windowHeight = 520;

    bool operator==(const LiveSettings&) const = default;
};

struct LoadedSettings {
    LiveSettings settings;
    // One line naming what could not be read (defaults stand in for it); empty when all was read.
    std::string warning;
};

// $XDG_CONFIG_HOME/orvanta2/live.ini, or ~/.config/orvanta2/live.ini.
std::filesystem::path settingsPath();

// A missing file gives the defaults without a warning; anything unreadable in it gives the
// default for that item and a warning.
LoadedSettings loadSettings(const std::filesystem::path& path);

// Writes the whole file anew through a temporary file renamed over it, so the old file stays
// whole until the new one is. A file that could not be read fully is kept beside it as
// <name>.bak first. Returns an error message, empty on success.
std::string saveSettings(const std::filesystem::path& path, const LiveSettings& settings,
                         bool keepOldFile);

}  // namespace orv::live
