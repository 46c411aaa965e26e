#include "linux/live/live_settings.h"

#include <ini.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <span>
#include <string_view>
#include <system_error>
#include <vector>

#include "engine/drawing/style_names.h"
#include "linux/command_line/name_lookup.h"

namespace orv::live {

namespace {

// One line of the file. Exactly one of the three fields is set; numbers have a range, or are
// entries of a list, which may also be named by their text.
struct Item {
    std::string_view section;
    std::string_view key;
    std::string LiveSettings::*text = nullptr;
    int LiveSettings::*number = nullptr;
    bool LiveSettings::*flag = nullptr;
    int lowest = 0;
    int highest = 0;
    std::span<const std::string_view> (*list)() = nullptr;
};

// In the order the file lists them.
constexpr std::array kItems{
    Item{"sound", "device", &LiveSettings::device},
    Item{"picture", "style", nullptr, &LiveSettings::style, nullptr, 0, 0, drawing::styleNames},
    Item{"picture", "scheme", nullptr, &LiveSettings::scheme, nullptr, 0, 0, drawing::schemeNames},
    Item{"picture", "pen_width", nullptr, &LiveSettings::penWidth, nullptr, 1, 4},
    Item{"picture", "grid", nullptr, nullptr, &LiveSettings::grid},
    Item{"picture", "clear", nullptr, nullptr, &LiveSettings::clear},
    Item{"window", "width", nullptr, &LiveSettings::windowWidth, nullptr, 1, 16384},
    Item{"window", "height", nullptr, &LiveSettings::windowHeight, nullptr, 1, 16384},
};

constexpr std::uintmax_t kLargestFile = std::uintmax_t{64} * 1024;

struct Reading {
    LiveSettings settings;
    std::vector<std::string> problems;
};

bool readInt(std::string_view text, int lowest, int highest, int& into) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest) {
        return false;
    }
    into = value;
    return true;
}

bool readBool(std::string_view text, bool& into) {
    static constexpr std::array<std::string_view, 4> kYes{"yes", "true", "on", "1"};
    static constexpr std::array<std::string_view, 4> kNo{"no", "false", "off", "0"};
    for (std::size_t i = 0; i < kYes.size(); ++i) {
        if (text == kYes[i] || text == kNo[i]) {
            into = text == kYes[i];
            return true;
        }
    }
    return false;
}

// Reads one item; false when it is unknown or its value is not one it can take.
bool readItem(LiveSettings& settings, std::string_view section, std::string_view key,
              std::string_view value) {
    for (const Item& item : kItems) {
        if (section != item.section || key != item.key) {
            continue;
        }
        if (item.text != nullptr) {
            // A name with control characters is no source name; it would only garble messages.
            if (std::any_of(value.begin(), value.end(), [](char c) {
                    return static_cast<unsigned char>(c) < ' ' || c == '\x7f';
                })) {
                return false;
            }
            settings.*item.text = value;
            return true;
        }
        if (item.list != nullptr) {
            const std::optional<int> entry = command_line::findEntry(value, item.list());
            settings.*item.number = entry.value_or(settings.*item.number);
            return entry.has_value();
        }
        if (item.number != nullptr) {
            return readInt(value, item.lowest, item.highest, settings.*item.number);
        }
        return readBool(value, settings.*item.flag);
    }
    return false;
}

int onItem(void* user, const char* section, const char* key, const char* value) {
    auto& reading = *static_cast<Reading*>(user);
    if (!readItem(reading.settings, section, key, value)) {
        reading.problems.push_back("[" + std::string(section) + "] " + key + " = " + value);
    }
    return 1;  // go on: one bad item spoils nothing else
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "'" : ", '") + part + "'";
    }
    return text;
}

}  // namespace

std::filesystem::path settingsPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path folder;
    // Relative values are to be ignored, as the XDG base directory rules say.
    if (config != nullptr && std::filesystem::path(config).is_absolute()) {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(home != nullptr ? home : ".") / ".config";
    }
    return folder / "orvanta2" / "live.ini";
}

LoadedSettings loadSettings(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status found = std::filesystem::status(path, error);
    if (!std::filesystem::exists(found)) {
        return {};
    }
    // A device or a pipe in the file's place would be read for ever; a huge file is no
    // settings file either.
    if (!std::filesystem::is_regular_file(found)) {
        return {LiveSettings{}, path.string() + ": not a regular file; using the default settings"};
    }
    if (std::filesystem::file_size(path, error) > kLargestFile) {
        return {LiveSettings{}, path.string() + ": larger than " +
                                    std::to_string(kLargestFile / 1024) +
                                    " KB, no settings file; using the default settings"};
    }
    Reading reading;
    const int status = ini_parse(path.c_str(), onItem, &reading);
    if (status == -1) {
        return {LiveSettings{}, path.string() + ": cannot be read; using the default settings"};
    }
    if (status > 0) {
        reading.problems.push_back("line " + std::to_string(status));
    }
    if (reading.problems.empty()) {
        return {reading.settings, {}};
    }
    return {reading.settings,
            path.string() + ": cannot read " + joined(reading.problems) + "; using defaults there"};
}

std::string saveSettings(const std::filesystem::path& path, const LiveSettings& settings,
                         bool keepOldFile) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    // One temporary name per process, so two copies saving at once cannot write into each
    // other's file; the last rename wins, whole.
    std::filesystem::path temporary = path;
    temporary += ".new." + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << "# Orvanta 2 live: the choices of the last run. Delete this file to start afresh.\n"
            << "# device: a source name from orvanta2-live --list-devices; empty: what the "
               "computer plays\n"
            << "# style, scheme: a number or a name from --list-styles, --list-schemes\n";
        std::string_view section;
        for (const Item& item : kItems) {
            if (item.section != section) {
                section = item.section;
                out << "\n[" << section << "]\n";
            }
            out << item.key << " = ";
            if (item.text != nullptr) {
                out << settings.*item.text;
            } else if (item.number != nullptr) {
                out << settings.*item.number;
            } else {
                out << (settings.*item.flag ? "yes" : "no");
            }
            out << "\n";
        }
        out.flush();
        if (!out) {
            std::filesystem::remove(temporary, error);
            return "cannot write " + temporary.string();
        }
    }
    if (keepOldFile && std::filesystem::exists(path, error)) {
        std::filesystem::path backup = path;
        backup += ".bak";
        std::filesystem::copy_file(path, backup, std::filesystem::copy_options::overwrite_existing,
                                   error);
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return "cannot replace " + path.string() + ": " + error.message();
    }
    return {};
}

}  // namespace orv::live
