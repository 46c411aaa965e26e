#include "linux/live/live_settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "temporary_folder.h"

namespace orv::live {
namespace {

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

struct DamagedFile {
    std::string text;
    LiveSettings expected;
    std::string named;  // what the warning must name
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
     with([](LiveSettings& s) { s.scheme = 5; }), "style"},
    {"[window]\nwidth = " + std::string(65'536, '#') + "\n", LiveSettings{}, "larger than 64 KB"},
};

TEST_P(DamagedSettingsFile, GivesDefaultsForWhatItCannotReadAndSaysSoOnOneLine) {
    std::filesystem::create_directories(file.parent_path());
    write(file, GetParam().text);
    const LoadedSettings loaded = loadSettings(file);
    EXPECT_EQ(loaded.settings, GetParam().expected);
    EXPECT_NE(loaded.warning.find(GetParam().named), std::string::npos) << loaded.warning;
    EXPECT_EQ(loaded.warning.find('\n'), std::string::npos) << loaded.warning;
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
