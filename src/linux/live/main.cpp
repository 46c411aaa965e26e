// orvanta2-live: the program's picture of what the computer plays (or any sound source), live in
// a window, drawn by the same engine as the Windows program.
#include <SDL_events.h>
#include <CLI/CLI.hpp>

#include <langinfo.h>
#include <malloc.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "engine/drawing/raster_canvas.h"
#include "linux/command_line/command_line.h"
#include "linux/command_line/draw_options.h"
#include "linux/command_line/option_error.h"
#include "linux/live/block_queue.h"
#include "linux/live/capture_feed.h"
#include "linux/live/key_bindings.h"
#include "linux/live/live_settings.h"
#include "linux/live/live_viewer.h"
#include "linux/live/pane_window.h"
#include "linux/live/remembered_choices.h"
#include "linux/live/sound_server.h"
#include "linux/live/source_choice.h"
#include "linux/live/viewer_state.h"

namespace {

using namespace orv;

struct Options {
    std::string device;
    bool listDevices = false;
    bool stats = false;
    command_line::Drawing drawing;
    live::GivenOptions given;
};

constexpr int kLargeBuffer = 128 * 1024;  // glibc's own first threshold

void report(const std::string& message) {
    std::cerr << "orvanta2-live: " << message << (message.ends_with('\n') ? "" : "\n");
}

struct Counts {
    std::uint64_t recorded = 0;
    std::uint64_t drawn = 0;
    std::uint64_t skipped = 0;
    std::uint64_t dropped = 0;
    std::uint64_t lostSamples = 0;
    double seconds = 0;
};

void printCounts(const Counts& counts) {
    std::printf(
        "orvanta2-live: %llu blocks recorded in %.2f s from the first to the last (%.2f a "
        "second), %llu drawn, %llu skipped while paused, %llu dropped by the window, %llu samples "
        "lost by the sound server\n",
        static_cast<unsigned long long>(counts.recorded), counts.seconds,
        counts.recorded > 1 && counts.seconds > 0
            ? static_cast<double>(counts.recorded - 1) / counts.seconds
            : 0.0,
        static_cast<unsigned long long>(counts.drawn),
        static_cast<unsigned long long>(counts.skipped),
        static_cast<unsigned long long>(counts.dropped),
        static_cast<unsigned long long>(counts.lostSamples));
}

int run(const Options& options) {
    live::SoundServer server;
    const std::vector<live::SoundSource> sources = server.sources();
    if (options.listDevices) {
        std::cout << live::listSources(sources);
        return 0;
    }
    const std::filesystem::path settingsFile = live::settingsPath();
    const live::LoadedSettings loaded = live::loadSettings(settingsFile);
    if (!loaded.warning.empty()) {
        report("warning: " + loaded.warning);
    }
    live::LiveSettings settings =
        live::withGivenOptions(loaded.settings, options.drawing, options.given);
    const bool deviceGiven = !options.device.empty();
    if (deviceGiven) {
        settings.device = options.device;
    }
    const live::SourceChoice source = live::chooseSource(
        sources, settings.device, deviceGiven, [&server] { return server.defaultMonitor(); });
    // A remembered source that is away (a headset unplugged) stays remembered for its return.
    if (!source.warning.empty()) {
        report("warning: " + source.warning);
    }

    live::ViewerState state;
    state.draw = {settings.style, settings.scheme, settings.clear, settings.penWidth};
    state.grid = settings.grid;

    drawing::RasterCanvas pane;
    pane.setBackColour(options.drawing.background);
    live::PaneWindow window(settings.windowWidth, settings.windowHeight, pane.width(),
                            pane.height());
    if (window.sizeWasBounded()) {
        int width = 0;
        int height = 0;
        window.size(width, height);
        report("warning: the window size " + std::to_string(settings.windowWidth) + "x" +
               std::to_string(settings.windowHeight) + " does not fit the screen; using " +
               std::to_string(width) + "x" + std::to_string(height));
    }
    live::LiveViewer viewer(window, state, pane, options.drawing.colours);

    live::BlockQueue queue;
    const std::uint32_t blockEvent = SDL_RegisterEvents(1);
    live::CaptureFeed feed(queue, [blockEvent] {
        SDL_Event event{};
        event.type = blockEvent;
        SDL_PushEvent(&event);
    });
    {
        // The feed must not be fed once it is gone, however the window ends.
        struct Recording {
            live::SoundServer& server;
            ~Recording() { server.stopRecording(); }
        } recording{server};
        server.record(source.name, feed);
        viewer.run(queue, feed, blockEvent);
    }

    settings.style = state.draw.style;
    settings.scheme = state.draw.scheme;
    settings.penWidth = state.draw.penWidth;
    settings.clear = state.draw.clear;
    settings.grid = state.grid;
    viewer.windowSize(settings.windowWidth, settings.windowHeight);
    if (settings != loaded.settings || !std::filesystem::exists(settingsFile)) {
        const std::string error =
            live::saveSettings(settingsFile, settings, !loaded.warning.empty());
        if (!error.empty()) {
            report("warning: the settings were not saved: " + error);
        }
    }
    if (options.stats) {
        printCounts({feed.blocks(), viewer.drawn(), viewer.skippedWhilePaused(), queue.dropped(),
                     feed.lostSamples(), feed.span().count()});
    }
    if (feed.ended()) {
        report("the sound stopped: the sound server went away or dropped '" + source.name + "'");
        return 1;
    }
    return 0;
}

// The window's title names the Russian style and scheme in UTF-8; X converts titles by the
// locale's character set, so a locale that is not UTF-8 gets the C one that is.
void useUtf8Characters() {
    std::setlocale(LC_CTYPE, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) {
        std::setlocale(LC_CTYPE, "C.UTF-8");
    }
}

// The keys from the window's own table, so that --help (and the man page made from it)
// cannot drift from what the window does.
std::string helpFooter() {
    std::string footer;
    for (const std::string& line : live::helpLines()) footer += line + "\n";
    footer +=
        "\nThe choices are kept in $XDG_CONFIG_HOME/orvanta2/live.ini (~/.config/orvanta2/"
        "live.ini when it is not set); a bad value there is named in a warning and the default "
        "used.\n"
        "PULSE_SERVER chooses the sound server, DISPLAY or WAYLAND_DISPLAY the display.\n"
        "Exit status: 0 when the window is closed, 1 when the program cannot run (no display, no "
        "sound server), 2 for a command line that cannot be used.";
    return footer;
}

}  // namespace

int main(int argc, char** argv) {
    useUtf8Characters();
    // The picture at each scale is a large buffer made anew when the window's size changes. A
    // fixed threshold keeps every such buffer mapped on its own and given back whole when freed;
    // glibc's moving one would keep the largest in the heap after a full screen or a resize.
    mallopt(M_MMAP_THRESHOLD, kLargeBuffer);
    try {
        CLI::App app{
            "Shows what the computer plays (or any sound source) live, as Orvanta 2 draws it. "
            "The choices made in the window are remembered for the next run; the options here "
            "override them."};
        app.set_version_flag("--version", "orvanta2-live " ORVANTA_VERSION);
        const command_line::DrawOptions drawOptions(app, live::LiveSettings{}.scheme);
        Options options;
        app.add_option("--device", options.device,
                       "the sound source to listen to (a name from --list-devices); default: the "
                       "monitor of the default output, i.e. what the computer plays");
        app.add_flag("--list-devices", options.listDevices, "list the sound sources and exit");
        app.add_flag("--stats", options.stats,
                     "at the end, print how many blocks were recorded, drawn and lost");
        app.footer(helpFooter());
        if (const std::optional<int> status = command_line::parseCommandLine(app, argc, argv)) {
            return *status;
        }
        const auto given = [&app](const char* name) { return app.count(name) > 0; };
        options.given = {given("--style"), given("--scheme"), given("--zoom"), given("--grid"),
                         given("--clear") || given("--no-clear")};
        options.drawing = drawOptions.resolve();
        if (!live::isSourceName(options.device)) {
            throw command_line::OptionError("--device: a source's name has no control characters");
        }
        return run(options);
    } catch (const command_line::OptionError& error) {
        report(error.what());
        return command_line::kUsageStatus;
    } catch (const std::exception& error) {
        report(error.what());
        return 1;
    }
}
