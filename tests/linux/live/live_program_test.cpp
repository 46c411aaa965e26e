// The live program itself, in the test environment (Xvfb, a PulseAudio null sink "orvanta", and
// a private PipeWire beside it).
#include <gtest/gtest.h>
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/grid.h"
#include "engine/drawing/raster_canvas.h"
#include "engine/drawing/style_names.h"
#include "linux/command_line/draw_options.h"
#include "linux/sound_files/block_reader.h"
#include "linux/support/child_process.h"
#include "linux/support/sound_files.h"
#include "linux/support/x_screen.h"
#include "temporary_folder.h"

namespace orv::live {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;
using testing::runProgram;
using testing::waitFor;
using testing::XScreen;

std::string required(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        throw std::runtime_error(std::string(name) + " is not set (run in the test environment)");
    }
    return value;
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The libraries under the program (X, SDL's drivers) keep what they allocate until exit; the
// program's own allocations are checked by the unit tests.
const ChildProcess::Setting kNoLeakCheck{"ASAN_OPTIONS", "detect_leaks=0"};

// The program with a settings folder of its own.
class LiveProgram : public ::testing::Test {
  protected:
    std::filesystem::path settingsFile() const { return config.path() / "orvanta2" / "live.ini"; }
    void writeSettings(const std::string& text) const {
        std::filesystem::create_directories(settingsFile().parent_path());
        std::ofstream(settingsFile()) << text;
    }
    std::vector<ChildProcess::Setting> environment() const {
        return {kNoLeakCheck, {"XDG_CONFIG_HOME", config.path().string()}};
    }
    std::unique_ptr<ChildProcess> start(std::vector<std::string> arguments = {},
                                        const std::vector<ChildProcess::Setting>& more = {}) const {
        arguments.insert(arguments.begin(), required("ORVANTA_LIVE"));
        std::vector<ChildProcess::Setting> settings = environment();
        settings.insert(settings.end(), more.begin(), more.end());
        return std::make_unique<ChildProcess>(arguments, settings);
    }
    // Plays LEVEL into the null sink until the returned process goes.
    static std::unique_ptr<ChildProcess> play(int level) {
        return std::make_unique<ChildProcess>(
            std::vector<std::string>{required("ORVANTA_PLAY"), "-", "--level",
                                     std::to_string(level)},
            std::vector<ChildProcess::Setting>{});
    }
    XScreen::WindowId windowOf(const ChildProcess& program) {
        XScreen::WindowId window = 0;
        EXPECT_TRUE(waitFor(30s, [&] { return (window = screen.windowOf(program.pid())) != 0; }))
            << program.errors();
        return window;
    }

    testing::TemporaryFolder config;
    XScreen screen;
};

struct Picture {
    int style;
    int scheme;
    int penWidth;
    bool grid;
    int level;
    int windowWidth;
    int windowHeight;
    int x, y, scale;  // where the pane must show
};

// The engine's picture of a pane whose last block is BLOCK.
std::vector<std::uint32_t> enginePicture(const Picture& p, const drawing::Block& block) {
    // The user schemes as the program has them when no option sets them.
    CLI::App app;
    const command_line::DrawOptions options(app);
    app.parse(std::vector<std::string>{});
    const command_line::Drawing drawn = options.resolve();
    drawing::RasterCanvas pane;
    drawing::BlockDrawing drawing(pane, drawn.colours);
    drawing.draw(block, {p.style, p.scheme, true, p.penWidth});
    std::vector<std::uint32_t> pixels(pane.pixels().begin(), pane.pixels().end());
    if (p.grid) {
        drawing::paintGrid(pixels, pane.width(), pane.height());
    }
    return pixels;
}

// Pixels of the window that differ from the pane scaled to P (black around it).
int differences(const XScreen::Image& shown, const std::vector<std::uint32_t>& pane,
                const Picture& p) {
    constexpr int kPane = drawing::RasterCanvas::kPaneSize;
    int wrong = 0;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            const int px = (x - p.x) / p.scale;
            const int py = (y - p.y) / p.scale;
            const bool inside = x >= p.x && y >= p.y && px < kPane && py < kPane;
            const std::uint32_t expected =
                inside ? pane[static_cast<std::size_t>(py) * kPane + px] : 0;
            wrong += shown.at(x, y) != expected ? 1 : 0;
        }
    }
    return wrong;
}

// The program's window against the engine's picture.
class PictureTest : public LiveProgram {
  protected:
    void writeSettings(const Picture& p) const {
        LiveProgram::writeSettings("[picture]\nstyle = " + std::to_string(p.style) +
                                   "\nscheme = " + std::to_string(p.scheme) +
                                   "\npen_width = " + std::to_string(p.penWidth) +
                                   "\ngrid = " + (p.grid ? "yes" : "no") +
                                   "\n[window]\nwidth = " + std::to_string(p.windowWidth) +
                                   "\nheight = " + std::to_string(p.windowHeight) + "\n");
    }
    // Waits until PROGRAM's window shows the engine's picture of BLOCK as P places it.
    void expectPicture(const ChildProcess& program, const Picture& p, const drawing::Block& block) {
        const XScreen::WindowId window = windowOf(program);
        ASSERT_NE(window, 0u);
        const std::vector<std::uint32_t> expected = enginePicture(p, block);
        int wrong = -1;
        const bool same = waitFor(30s, [&] {
            const XScreen::Image shown = screen.image(window);
            wrong = shown.pixels.empty() ? -1 : differences(shown, expected, p);
            return wrong == 0;
        });
        EXPECT_TRUE(same) << wrong << " pixels differ\n" << program.errors();
    }
};

class LivePicture : public PictureTest, public ::testing::WithParamInterface<Picture> {};

TEST_P(LivePicture, TheWindowShowsTheEnginesPictureOfWhatPlays) {
    const Picture& p = GetParam();
    writeSettings(p);
    const auto player = play(p.level);
    const auto program = start();
    drawing::Block block;
    block.fill(static_cast<std::uint8_t>(p.level));
    expectPicture(*program, p, block);
}

INSTANTIATE_TEST_SUITE_P(Styles, LivePicture,
                         ::testing::Values(Picture{0, 3, 1, false, 200, 520, 520, 0, 0, 2},
                                           Picture{5, 9, 3, true, 60, 600, 560, 40, 20, 2},
                                           Picture{13, 12, 2, false, 255, 250, 250, -5, -5, 1}));

// A sound server's address: PULSE_SERVER of the environment, or the one a fixture wrote.
struct Server {
    const char* name;
    const char* addressFile;  // the variable naming the file; none: PulseAudio's own
};

class LiveServer : public PictureTest, public ::testing::WithParamInterface<Server> {};

// PipeWire mixes stereo to mono at 0.707 a channel: a constant level apart on the two channels,
// in a sink of PipeWire's own format, must still be drawn as the renderer reads it from a file.
TEST_P(LiveServer, DrawsAStereoSourceAsTheRendererReadsIt) {
    const char* addressFile = GetParam().addressFile;
    std::string address = required("PULSE_SERVER");
    if (addressFile != nullptr) {
        address = fileText(required(addressFile));
        address.erase(address.find_last_not_of('\n') + 1);
    }
    const std::vector<ChildProcess::Setting> atServer{{"PULSE_SERVER", address}};
    const testing::ProgramRun loaded =
        runProgram({"pactl", "load-module", "module-null-sink", "sink_name=orvanta_stereo",
                    "format=float32le", "rate=48000", "channels=2"},
                   atServer);
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    const std::shared_ptr<void> unload(nullptr, [&](void*) {
        runProgram({"pactl", "unload-module", loaded.out.substr(0, loaded.out.find('\n'))},
                   atServer);
    });

    constexpr int kRate = 48000;
    std::vector<float> frames;
    for (int frame = 0; frame < kRate; ++frame) frames.insert(frames.end(), {0.75F, 0.3125F});
    const std::filesystem::path raw = config.path() / "stereo.raw";
    std::ofstream(raw, std::ios::binary)
        .write(reinterpret_cast<const char*>(frames.data()),
               static_cast<std::streamsize>(frames.size() * sizeof(float)));
    const std::filesystem::path wav = config.path() / "stereo.wav";
    testing::writeSound(wav, kRate, 2, frames, testing::Encoding::Float);
    // A block well past the resampler's start, as every block of the endless sound is.
    sound_files::BlockReader reader(wav, {});
    drawing::Block block{};
    for (int taken = 0; taken < 20; ++taken) ASSERT_TRUE(reader.next(block));

    const Picture p{0, 3, 1, false, 0, 520, 520, 0, 0, 2};
    writeSettings(p);
    const ChildProcess player({required("ORVANTA_PLAY"), "-", "--file", raw.string(), "--sink",
                               "orvanta_stereo", "--spec", "float32le:48000:2"},
                              atServer);
    const auto program = start({"--device", "orvanta_stereo.monitor"}, atServer);
    expectPicture(*program, p, block);
}

INSTANTIATE_TEST_SUITE_P(Servers, LiveServer,
                         ::testing::Values(Server{"PulseAudio", nullptr},
                                           Server{"PipeWire", "ORVANTA_PIPEWIRE_SERVER_FILE"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(LiveProgram, KeysAndClicksChangeTheStyleAndSchemeAndAreRemembered) {
    writeSettings("[picture]\nstyle = 0\nscheme = 3\nnot a setting\n");
    const auto program = start();
    const XScreen::WindowId window = windowOf(*program);
    ASSERT_NE(window, 0u);
    const auto titleNames = [&](int style, int scheme) {
        const std::string expected = "Orvanta 2 — " + std::string(drawing::styleNames()[style]) +
                                     " — " + std::string(drawing::schemeNames()[scheme]);
        return waitFor(30s, [&] { return screen.title(window) == expected; });
    };
    ASSERT_TRUE(titleNames(0, 3)) << screen.title(window);
    const std::string id = std::to_string(window);
    const auto send = [&](const std::string& xdotool) {
        ASSERT_EQ(std::system(("xdotool " + xdotool).c_str()), 0) << xdotool;
    };
    send("key --window " + id + " Right");
    EXPECT_TRUE(titleNames(1, 3)) << screen.title(window);
    send("key --window " + id + " Up");
    EXPECT_TRUE(titleNames(1, 4)) << screen.title(window);
    // A right click on the pane steps the click counter from 0 down to the last style.
    send("mousemove --window " + id + " 260 260 click 3");
    EXPECT_TRUE(titleNames(24, 4)) << screen.title(window);
    send("key --window " + id + " g");
    // Ended as a desktop ends it; a key that quits would leave xdotool no window to release the
    // key to, and the key held down in the server.
    constexpr std::uint32_t kGridGreen = 0x004000;  // the line at pane x = 8, at scale 2
    EXPECT_TRUE(waitFor(30s, [&] {
        const XScreen::Image shown = screen.image(window);
        return !shown.pixels.empty() && shown.at(2 * 8, 2 * 100) == kGridGreen;
    }));
    program->terminate();
    ASSERT_EQ(program->waitForExit(30s), 0) << program->errors();

    const std::string errors = program->errors();
    EXPECT_NE(errors.find("warning"), std::string::npos) << errors;
    EXPECT_NE(errors.find("line 4"), std::string::npos) << errors;
    const std::string saved = fileText(settingsFile());
    EXPECT_NE(saved.find("style = 24\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("scheme = 4\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("grid = yes\n"), std::string::npos) << saved;
    EXPECT_EQ(fileText(settingsFile().string() + ".bak"),
              "[picture]\nstyle = 0\nscheme = 3\nnot a setting\n");
}

// xdotool commands pressing KEY in WINDOW COUNT times, a hundred to a command.
std::vector<std::string> presses(const std::string& key, int count) {
    std::vector<std::string> commands;
    for (int sent = 0; sent < count; sent += 100) {
        std::string command = "key --window WINDOW --delay 0";
        for (int i = sent; i < std::min(count, sent + 100); ++i) command += " " + key;
        commands.push_back(command);
    }
    return commands;
}

struct Storm {
    const char* name;
    std::vector<std::string> xdotool;  // WINDOW stands for the window's id
    int style;                         // the title's style once it has passed
    int savedWidth, savedHeight;       // the window size saved at the end
};

const Storm kStorms[] = {
    {"keys", presses("Right", 2001), 1, 520, 520},
    {"clicks",
     {"mousemove --window WINDOW 260 260", "click --repeat 1001 --delay 0 1"},
     1,
     520,
     520},
    {"sizes",
     {"windowsize WINDOW 1 1", "windowsize WINDOW 300 300", "windowsize WINDOW 2000 1500",
      "windowsize WINDOW 8000 8000"},
     0,
     1280,
     1024},  // the test display's size
    {"full_screen", presses("f", 200), 0, 520, 520},
};

class LiveStorm : public LiveProgram, public ::testing::WithParamInterface<Storm> {};

// However much comes at once, every block is drawn, the window ends up as asked and the size
// saved is one the screen holds.
TEST_P(LiveStorm, LeavesEveryBlockDrawnAndTheWindowAsAsked) {
    const Storm& storm = GetParam();
    writeSettings("[window]\nwidth = 520\nheight = 520\n");
    const auto player = play(128);
    const auto program = start({"--stats"});
    const XScreen::WindowId window = windowOf(*program);
    ASSERT_NE(window, 0u);
    for (std::string command : storm.xdotool) {
        if (const std::size_t at = command.find("WINDOW"); at != std::string::npos) {
            command.replace(at, 6, std::to_string(window));
        }
        ASSERT_EQ(std::system(("xdotool " + command).c_str()), 0) << command;
    }
    const std::string title = "Orvanta 2 — " + std::string(drawing::styleNames()[storm.style]);
    EXPECT_TRUE(waitFor(60s, [&] { return screen.title(window).starts_with(title + " — "); }))
        << screen.title(window);
    program->terminate();
    ASSERT_EQ(program->waitForExit(60s), 0) << program->errors();
    EXPECT_NE(program->output().find(" 0 dropped by the window"), std::string::npos)
        << program->output();
    const std::string size = "width = " + std::to_string(storm.savedWidth) +
                             "\nheight = " + std::to_string(storm.savedHeight) + "\n";
    EXPECT_NE(fileText(settingsFile()).find(size), std::string::npos) << fileText(settingsFile());
}

INSTANTIATE_TEST_SUITE_P(Storms, LiveStorm, ::testing::ValuesIn(kStorms),
                         [](const auto& storm) { return std::string(storm.param.name); });

struct Failure {
    const char* name;
    std::vector<std::string> arguments;
    std::vector<ChildProcess::Setting> environment;
    int status;
    std::vector<std::string> said;  // on stderr, or on stdout when the status is 0
};

const Failure kFailures[] = {
    {"no sound server",
     {},
     {{"PULSE_SERVER", "unix:/nonexistent/orvanta-test/native"}},
     1,
     {"no sound server is running", "start PulseAudio"}},
    {"unknown device",
     {"--device", "no-such-source"},
     {},
     1,
     {"no source named 'no-such-source'", "orvanta.monitor"}},
    {"no display",
     {},
     {{"DISPLAY", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}},
     1,
     {"cannot open a window", "DISPLAY"}},
    {"a device name with control characters",
     {"--device", "a\x1b[2Jb"},
     {},
     2,
     {"--device: a source's name has no control characters"}},
    {"listing the devices", {"--list-devices"}, {}, 0, {"orvanta.monitor", "Monitor of Orvanta"}},
    {"an unknown option", {"--frobnicate"}, {}, 2, {"--frobnicate", "--help"}},
};

class LiveFailure : public LiveProgram, public ::testing::WithParamInterface<Failure> {};

TEST_P(LiveFailure, EndsWithAClearMessage) {
    std::vector<std::string> command = GetParam().arguments;
    command.insert(command.begin(), required("ORVANTA_LIVE"));
    std::vector<ChildProcess::Setting> settings = environment();
    settings.insert(settings.end(), GetParam().environment.begin(), GetParam().environment.end());
    ChildProcess program(command, settings);
    ASSERT_EQ(program.waitForExit(30s), GetParam().status) << GetParam().name;
    const std::string said = GetParam().status == 0 ? program.output() : program.errors();
    for (const std::string& part : GetParam().said) {
        EXPECT_NE(said.find(part), std::string::npos) << GetParam().name << ":\n" << said;
    }
    EXPECT_FALSE(std::filesystem::exists(settingsFile())) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Cases, LiveFailure, ::testing::ValuesIn(kFailures));

}  // namespace
}  // namespace orv::live
