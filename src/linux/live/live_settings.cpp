#include "linux/live/live_settings.h"

#include <ini.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <sstream>
#include <string_view>
#include <system_error>
#include <vector>

#include "engine/drawing/style_names.h"
#include "linux/command_line/name_lookup.h"
#include "linux/command_line/small_file.h"
#include "linux/command_line/whole_number.h"
#include "linux/live/source_choice.h"

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

constexpr std::size_t kLargestFile = std::size_t{64} * 1024;

struct Reading {
    LiveSettings settings;
    std::vector<std::string> problems;
};

bool readInt(std::string_view text, int lowest, int highest, int& into) {
    const std::optional<int> value = command_line::wholeNumberIn(text, lowest, highest);
    if (value) into = *value;
    return value.has_value();
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
            if (!isSourceName(value)) {
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

// The text with every line the parser cannot take whole made empty and named: a line longer
// than its buffer would be read in pieces (the tail of a comment as a setting, a name cut
// short), and a zero byte would end the text there.
std::string readableLines(std::string_view text, std::vector<std::string>& problems) {
    constexpr std::size_t kLongestLine = INI_MAX_LINE - 3;  // besides "\r\n" and the zero
    std::string readable;
    readable.reserve(text.size());
    int number = 1;
    for (std::size_t start = 0; start < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.size() > kLongestLine || line.find('\0') != std::string_view::npos) {
            problems.push_back("line " + std::to_string(number));
        } else {
            readable += line;
        }
        readable += '\n';
        start = end + 1;
    }
    return readable;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "'" : ", '") + part + "'";
    }
    return text;
}

std::string fileText(const LiveSettings& settings) {
    std::ostringstream out;
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
    return out.str();
}

// One temporary name per process, so two copies saving at once cannot write into each other's
// file; the last rename wins, whole.
std::filesystem::path temporaryBeside(const std::filesystem::path& file) {
    std::filesystem::path temporary = file;
    temporary += ".new." + std::to_string(getpid());
    return temporary;
}

// Writes TEXT as the whole of FILE and waits until it is on the disk, so that the rename after
// it never puts an empty file in the old one's place (a full disk, a crash). The system's
// words for what failed; empty on success.
std::string writeWhole(const std::filesystem::path& file, std::string_view text) {
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): open's mode argument
    const int descriptor = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return std::strerror(errno);
    }
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t wrote = ::write(descriptor, text.data() + written, text.size() - written);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote < 0) {
            std::string failed = std::strerror(errno);
            ::close(descriptor);
            return failed;
        }
        written += static_cast<std::size_t>(wrote);
    }
    if (::fsync(descriptor) != 0 || ::close(descriptor) != 0) {
        return std::strerror(errno);
    }
    return {};
}

// FILE as it is, also at BACKUP: a second name for it, put in place whole by a rename (a copy
// where the file system has no second names). The system's words for what failed.
std::string keepAs(const std::filesystem::path& file, const std::filesystem::path& backup) {
    const std::filesystem::path temporary = temporaryBeside(backup);
    std::error_code error;
    std::filesystem::remove(temporary, error);
    std::filesystem::create_hard_link(file, temporary, error);
    if (error) {
        std::filesystem::copy_file(file, temporary, error);
    }
    if (!error) {
        std::filesystem::rename(temporary, backup, error);
    }
    if (error) {
        std::string failed = error.message();
        std::filesystem::remove(temporary, error);
        return failed;
    }
    // When another copy has just kept the same file, the backup is already a name of it, and a
    // rename between two names of one file does nothing and leaves the temporary name behind.
    std::filesystem::remove(temporary, error);
    return {};
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
    const command_line::SmallFile file = command_line::readSmallFile(path, kLargestFile, true);
    const std::string fallback = "; using the default settings";
    switch (file.problem) {
        case command_line::FileProblem::None:
            break;
        case command_line::FileProblem::Missing:
            return {};
        case command_line::FileProblem::Folder:
        case command_line::FileProblem::NotRegular:
            return {LiveSettings{}, path.string() + ": not a regular file" + fallback};
        case command_line::FileProblem::TooLarge:
            return {LiveSettings{}, path.string() + ": larger than " +
                                        std::to_string(kLargestFile / 1024) +
                                        " KB, no settings file" + fallback};
        case command_line::FileProblem::Unreadable:
            return {LiveSettings{},
                    path.string() + ": cannot be read (" + file.reason + ")" + fallback};
    }
    Reading reading;
    const std::string text = readableLines(file.text, reading.problems);
    const int status = ini_parse_string(text.c_str(), onItem, &reading);
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
    // Through a link the file linked to is replaced, so a settings file kept elsewhere stays
    // linked; what is not a regular file (a folder, a link to /dev/null) is the user's and stays.
    std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    if (error) {
        target = path;
    }
    const std::filesystem::file_status found = std::filesystem::status(target, error);
    const bool exists = std::filesystem::exists(found);
    if (exists && !std::filesystem::is_regular_file(found)) {
        return target.string() + " is not a regular file; it is left as it is";
    }
    if (exists && ::access(target.c_str(), W_OK) != 0 && errno == EACCES) {
        return target.string() + " is read-only; it is left as it is";
    }
    const std::filesystem::path temporary = temporaryBeside(target);
    if (const std::string failed = writeWhole(temporary, fileText(settings)); !failed.empty()) {
        std::filesystem::remove(temporary, error);
        return "cannot write " + temporary.string() + ": " + failed;
    }
    if (keepOldFile && exists) {
        std::filesystem::path backup = target;
        backup += ".bak";
        if (const std::string failed = keepAs(target, backup); !failed.empty()) {
            std::filesystem::remove(temporary, error);
            return "cannot keep " + target.string() + " as " + backup.string() + " (" + failed +
                   "); it is left as it is";
        }
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return "cannot replace " + target.string() + ": " + error.message();
    }
    return {};
}

}  // namespace orv::live
