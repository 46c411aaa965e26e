#include "linux/live/live_settings.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "temporary_folder.h"

namespace orv::live {
namespace {

constexpr uid_t kNobody = 65534;

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

class LiveSettingsFile : public ::testing::Test {
  protected:
    testing::TemporaryFolder folder;
    std::filesystem::path file = folder.path() / "orvanta2" / "live.ini";
};

TEST_F(LiveSettingsFile, AMissingFileGivesTheDefaultsQuietly) {
    const LoadedSettings loaded = loadSettings(file);
    EXPECT_EQ(loaded.settings, LiveSettings{});
    EXPECT_EQ(loaded.warning, "");
}

TEST_F(LiveSettingsFile, EveryChoiceRoundTrips) {
    const LiveSettings chosen{"alsa_input.usb-mic.analog-stereo", 22, 9, 4, true, false, 800, 261};
    ASSERT_EQ(saveSettings(file, chosen, false), "");
    const LoadedSettings loaded = loadSettings(file);
    EXPECT_EQ(loaded.settings, chosen);
    EXPECT_EQ(loaded.warning, "");
}

TEST_F(LiveSettingsFile, SavingAgainReplacesTheFileWhole) {
    ASSERT_EQ(saveSettings(file, LiveSettings{"a-very-long-source-name-indeed"}, false), "");
    ASSERT_EQ(saveSettings(file, LiveSettings{"b"}, false), "");
    EXPECT_EQ(loadSettings(file).settings.device, "b");
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".new"));
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".bak"));
}

TEST_F(LiveSettingsFile, ADamagedFileIsKeptBesideTheNewOne) {
    std::filesystem::create_directories(file.parent_path());
    write(file, "[picture]\nstyle = seven\n");
    ASSERT_EQ(saveSettings(file, LiveSettings{}, true), "");
    EXPECT_EQ(contents(file.string() + ".bak"), "[picture]\nstyle = seven\n");
    EXPECT_EQ(loadSettings(file).warning, "");
}

TEST_F(LiveSettingsFile, AFailedSaveLeavesTheOldFileAlone) {
    ASSERT_EQ(saveSettings(file, LiveSettings{"kept"}, false), "");
    // The temporary file (one per process) cannot be made where a folder of its name stands.
    std::filesystem::create_directories(file.string() + ".new." + std::to_string(getpid()));
    EXPECT_NE(saveSettings(file, LiveSettings{"lost"}, false), "");
    EXPECT_EQ(loadSettings(file).settings.device, "kept");
}

// Where saving meets a folder it may not write (as nobody: root writes anywhere) or a full disk.
enum class Limit { None, ReadOnlyFolder, FullDisk };

struct DamagedFile {
    std::string text;
    LiveSettings expected;
    std::string named;                                           // what the warning must name
    void (*place)(const std::filesystem::path& file) = nullptr;  // puts something else there
    Limit limit = Limit::None;
    bool saved = true;  // else the save is refused and the place left as it was
};

class DamagedSettingsFile : public LiveSettingsFile,
                            public ::testing::WithParamInterface<DamagedFile> {};

LiveSettings with(void (*change)(LiveSettings&)) {
    LiveSettings settings;
    change(settings);
    return settings;
}

const DamagedFile kDamagedFiles[] = {
    {"[picture]\nstyle = 25\nscheme = 5\n", with([](LiveSettings& s) { s.scheme = 5; }), "style"},
    {"[picture]\nstyle = 3x\n", LiveSettings{}, "3x"},
    {"[picture]\nstyle = Кольца\nscheme = Радужная\n",  // a name, and one misspelt
     with([](LiveSettings& s) { s.style = 4; }), "Радужная"},
    {"[picture]\npen_width = 0\ngrid = yes\n", with([](LiveSettings& s) { s.grid = true; }),
     "pen_width"},
    {"[picture]\nclear = maybe\n", LiveSettings{}, "maybe"},
    {"[window]\nwidth = -5\nheight = 300\n", with([](LiveSettings& s) { s.windowHeight = 300; }),
     "width"},
    {"[window]\nwidth = 99999999999999999999\n", LiveSettings{}, "width"},
    {"[picture]\ncolour = red\nstyle = 4\n", with([](LiveSettings& s) { s.style = 4; }), "colour"},
    {"style = 4\n", LiveSettings{}, "style"},             // outside its section
    {"[picture\nstyle = 4\n", LiveSettings{}, "line 1"},  // still outside the section
    {"this is not a setting\n[sound]\ndevice = x\n", with([](LiveSettings& s) { s.device = "x"; }),
     "line 1"},
    {"\xff\xfe garbage\n", LiveSettings{}, "line 1"},
    {"[sound]\ndevice = a\x01\x1b[2Jb\n", LiveSettings{}, "device"},  // control characters
    {"\xef\xbb\xbf[picture]\r\nstyle = 4\r\n", with([](LiveSettings& s) { s.style = 4; }), ""},
    {"[picture]\nstyle = 4\nstyle = 5\n", with([](LiveSettings& s) { s.style = 5; }), ""},
    {"[picture]\nstyle = " + std::string(60'000, '1') + "\nscheme = 5\n",
     with([](LiveSettings& s) { s.scheme = 5; }), "line 2"},
    // Lines longer than the parser's buffer are named whole, never read in pieces: the tail of
    // a comment as a setting, a name cut short.
    {"[picture]\n#" + std::string(198, 'x') + "style = 7\n", LiveSettings{}, "line 2"},
    {"[sound]\ndevice = " + std::string(250, 'a') + "\n", LiveSettings{}, "line 2"},
    {"[picture]\nstyle = 4" + std::string(1, '\0') + " junk\nscheme = 5\n",
     with([](LiveSettings& s) { s.scheme = 5; }), "line 2"},
    {"", LiveSettings{}, "not a regular file",
     [](const std::filesystem::path& file) { ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); },
     Limit::None, false},
    {"", LiveSettings{}, "not a regular file",
     [](const std::filesystem::path& file) { std::filesystem::create_symlink("/dev/null", file); },
     Limit::None, false},
    // A file kept elsewhere (with the user's other settings) stays linked.
    {"[picture]\nstyle = seven\n", LiveSettings{}, "seven",
     [](const std::filesystem::path& file) {
         const std::filesystem::path kept = file.parent_path() / "kept" / "live.ini";
         std::filesystem::create_directories(kept.parent_path());
         std::filesystem::rename(file, kept);
         std::filesystem::create_symlink(kept, file);
     }},
    {"[picture]\nstyle = 4\n", with([](LiveSettings& s) { s.style = 4; }), "", nullptr,
     Limit::ReadOnlyFolder, false},
    {"[picture]\nstyle = 4\n", with([](LiveSettings& s) { s.style = 4; }), "", nullptr,
     Limit::FullDisk, false},
    {"[window]\nwidth = " + std::string(65'536, '#') + "\n", LiveSettings{}, "larger than 64 KB"},
};

// Saves default settings in a child process under LIMIT; what saveSettings said.
std::string saveUnder(Limit limit, const std::filesystem::path& file, bool keepOldFile) {
    std::array<int, 2> ends{};
    if (pipe(ends.data()) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        if (limit == Limit::FullDisk) {
            std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
            const rlimit tiny{16, 16};
            setrlimit(RLIMIT_FSIZE, &tiny);
        }
        if (limit == Limit::ReadOnlyFolder && geteuid() == 0 &&
            (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            _exit(1);
        }
        const std::string said = saveSettings(file, LiveSettings{}, keepOldFile);
        const bool whole = ::write(ends[1], said.data(), said.size()) == std::ssize(said);
        _exit(whole ? 0 : 1);
    }
    close(ends[1]);
    std::string said;
    std::array<char, 512> piece{};
    for (ssize_t got = 0; (got = ::read(ends[0], piece.data(), piece.size())) > 0;) {
        said.append(piece.data(), static_cast<std::size_t>(got));
    }
    close(ends[0]);
    waitpid(child, nullptr, 0);
    return said;
}

// What is read gives defaults for what cannot be, named on one line; saving then keeps what the
// user had: beside the new file when it could not be read whole, or in place when no new file
// can be written there.
TEST_P(DamagedSettingsFile, GivesDefaultsForWhatItCannotReadAndSaysSoOnOneLine) {
    const DamagedFile& damaged = GetParam();
    std::filesystem::create_directories(file.parent_path());
    write(file, damaged.text);
    if (damaged.place != nullptr) {
        if (damaged.text.empty()) {
            std::filesystem::remove(file);
        }
        damaged.place(file);
    }
    const std::filesystem::path target = std::filesystem::weakly_canonical(file);
    const std::filesystem::file_type kind = std::filesystem::symlink_status(file).type();
    const LoadedSettings loaded = loadSettings(file);
    EXPECT_EQ(loaded.settings, damaged.expected);
    EXPECT_NE(loaded.warning.find(damaged.named), std::string::npos) << loaded.warning;
    EXPECT_EQ(loaded.warning.find('\n'), std::string::npos) << loaded.warning;

    if (damaged.limit == Limit::ReadOnlyFolder) {
        std::filesystem::permissions(
            folder.path(), std::filesystem::perms::owner_all | std::filesystem::perms::others_exec);
        std::filesystem::permissions(file.parent_path(), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_exec |
                                                             std::filesystem::perms::others_exec);
    }
    const std::string said = damaged.limit == Limit::None
                                 ? saveSettings(file, LiveSettings{}, !loaded.warning.empty())
                                 : saveUnder(damaged.limit, file, !loaded.warning.empty());
    std::filesystem::permissions(file.parent_path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(std::filesystem::symlink_status(file).type(), kind);
    if (damaged.saved) {
        EXPECT_EQ(said, "");
        EXPECT_EQ(loadSettings(file).warning, "");
        if (!loaded.warning.empty() && !damaged.text.empty()) {
            EXPECT_EQ(contents(target.string() + ".bak"), damaged.text);
        }
    } else {
        EXPECT_NE(said, "");
        EXPECT_EQ(said.find('\n'), std::string::npos) << said;
        if (!damaged.text.empty()) {
            EXPECT_EQ(contents(file), damaged.text);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedSettingsFile, ::testing::ValuesIn(kDamagedFiles));

// What is not a file is not read: a device would be read for ever.
TEST_F(LiveSettingsFile, SomethingElseInTheFilesPlaceGivesTheDefaults) {
    std::filesystem::create_directories(file.parent_path());
    for (const bool folderThere : {true, false}) {
        std::filesystem::remove_all(file);
        if (folderThere) {
            std::filesystem::create_directory(file);
        } else {
            std::filesystem::create_symlink("/dev/zero", file);
        }
        const LoadedSettings loaded = loadSettings(file);
        EXPECT_EQ(loaded.settings, LiveSettings{});
        EXPECT_NE(loaded.warning.find("not a regular file"), std::string::npos) << loaded.warning;
    }
}

// Two copies of the program ending at once: the file is one of theirs, whole, and the old one
// is kept; no temporary file is left.
TEST_F(LiveSettingsFile, TwoCopiesSavingAtOnceLeaveOneWholeFile) {
    std::filesystem::create_directories(file.parent_path());
    write(file, "[picture]\nstyle = seven\n");
    std::array<pid_t, 2> copies{};
    for (std::size_t copy = 0; copy < copies.size(); ++copy) {
        copies[copy] = fork();
        if (copies[copy] == 0) {
            bool saved = true;
            for (int i = 0; i < 200; ++i) {
                saved = saved &&
                        saveSettings(file, LiveSettings{std::string(copy + 1, 'x')}, true).empty();
            }
            _exit(saved ? 0 : 1);
        }
    }
    for (const pid_t copy : copies) {
        int status = -1;
        waitpid(copy, &status, 0);
        EXPECT_EQ(status, 0);
    }
    const LoadedSettings loaded = loadSettings(file);
    EXPECT_EQ(loaded.warning, "");
    EXPECT_TRUE(loaded.settings.device == "x" || loaded.settings.device == "xx")
        << loaded.settings.device;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"live.ini", "live.ini.bak"}));
}

TEST(LiveSettingsPath, FollowsTheXdgConfigFolder) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = config != nullptr ? config : "";
    setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
    EXPECT_EQ(settingsPath(), "/somewhere/config/orvanta2/live.ini");
    setenv("XDG_CONFIG_HOME", "relative/is/ignored", 1);
    EXPECT_EQ(settingsPath(),
              std::filesystem::path(std::getenv("HOME")) / ".config/orvanta2/live.ini");
    if (config != nullptr) {
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

}  // namespace
}  // namespace orv::live
