// orvanta2-render: draws a sound file the way Orvanta 2 draws its sound input, block by block,
// into pictures, an animation or a video.
#include <unistd.h>

#include <CLI/CLI.hpp>

#include <cmath>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "engine/pixels/colour.h"
#include "linux/command_line/colour_text.h"
#include "linux/command_line/command_line.h"
#include "linux/command_line/draw_options.h"
#include "linux/command_line/option_error.h"
#include "linux/command_line/time_text.h"
#include "linux/command_line/whole_number.h"
#include "linux/render/ending_signals.h"
#include "linux/render/frame_rate.h"
#include "linux/render/output_error.h"
#include "linux/render/render_job.h"

namespace {

constexpr const char* kFooter = R"(
The sound is read as Orvanta 2 records its input: channels averaged to mono, resampled to
11025 Hz, 8 bits, then cut into consecutive blocks of 256 samples from --from on. The last,
partial one is drawn too, so every sample is drawn: the last frame shows the last 256. One
frame a block, 11025/256 (about 43.07) frames a second, unless --fps asks for another rate: each
frame then shows the 256 samples that end at its time. INPUT - is standard input (WAV or Ogg
there; MP3 and FLAC only from files). Samples that are not numbers are drawn as silence.

Outputs, by name: NAME.png (the picture after the last block), NAME%05d.png (one picture a
block, numbered from 1), NAME.gif, NAME.mp4 / .webm / .mkv / .mov (with the input's sound;
through the ffmpeg program; .mov is ProRes 4444), - (raw 8-bit RGB frames to standard output,
each WIDTHxHEIGHTx3 bytes, x4 RGBA with --transparent), /dev/null (every frame drawn, nothing
written: for timing). Transparency: PNG, WebM (VP9) and MOV.

Examples:
  orvanta2-render song.flac song.mp4
  orvanta2-render --style Точечный --scheme 8 --zoom 2 --scale 2 song.ogg song.webm
  orvanta2-render --from 30 --to 40 --grid voice.wav frames/f%05d.png
  orvanta2-render --scheme 11 --colours @my-colours.txt tone.wav tone.gif
  orvanta2-render song.mp3 - | ffplay -f rawvideo -pixel_format rgb24 -video_size 260x260 -
  orvanta2-render --fps 30 --size 1920x1080 song.flac youtube.mp4
  orvanta2-render --fps 30 --size 1080x1920 --backdrop cover.jpg song.flac story.mp4
  orvanta2-render --fps 30 --size 1080x1080 --backdrop '#202040' song.flac square.mp4
  orvanta2-render --fps 60 --size 3840x2160 song.flac uhd.mp4
  orvanta2-render --fps 25 --size 1920x1080 --transparent song.flac overlay.mov
  ffmpeg -i song.mp3 -f wav - | orvanta2-render - song.webm

The ffmpeg program is looked for on PATH; it gets the sound through a pipe. Exit status: 0 when
the output is written, 1 when the run fails, 2 for a command line that cannot be used, 128 + the
signal when SIGINT, SIGTERM, SIGHUP or SIGQUIT ends it (the part written is removed).)";

double timeOption(std::string_view option, const std::string& text) {
    const std::optional<double> seconds = orv::command_line::parseTime(text);
    if (!seconds) {
        throw orv::command_line::OptionError(std::string(option) + ": '" + text +
                                             "' is not a time (seconds, or [[HH:]MM:]SS[.frac])");
    }
    return *seconds;
}

// "mix", "left", "right" or a number from 1: the channel's index, nothing for the mean.
std::optional<int> channelOption(const std::string& text) {
    if (text == "mix") return std::nullopt;
    if (text == "left") return 0;
    if (text == "right") return 1;
    const std::optional<int> number = orv::command_line::wholeNumberIn(text, 1, 1024);
    if (!number) {
        throw orv::command_line::OptionError("--channel: '" + text +
                                             "' is not a channel (left, right, 1 to 1024, mix)");
    }
    return *number - 1;
}

int run(int argc, char** argv) {
    using namespace orv;
    CLI::App app("Draws a sound file the way Orvanta 2 draws its sound input.", "orvanta2-render");
    app.footer(kFooter);
    app.get_formatter()->column_width(26);
    app.set_version_flag("--version", "orvanta2-render " ORVANTA_VERSION);

    render::RenderJob job;
    std::string input;
    std::string from = "0";
    std::string to;
    app.add_option("INPUT", input, "sound file (WAV, FLAC, Ogg Vorbis, Opus, MP3, ...) or -")
        ->required();
    app.add_option("OUTPUT", job.output, "output file, numbered name or - (see below)")->required();
    command_line::DrawOptions drawOptions(app);
    app.add_option("--scale", job.scale,
                   "make every pixel an N x N square (with --size: the largest that fits)")
        ->check(CLI::Range(1, render::kLargestScale))
        ->capture_default_str();
    std::string size;
    std::string backdrop;
    app.add_option("--size", size, "the whole frame, WIDTHxHEIGHT, the pane centred in it");
    app.add_option("--backdrop", backdrop,
                   "around the pane: a colour #RRGGBB or a picture (PNG, JPEG), scaled to cover "
                   "(default #000000)");
    app.add_flag("--transparent", job.backdrop.transparent,
                 "the pane's background and the backdrop see-through (PNG, WebM, MOV, raw RGBA)");
    app.add_option("--from", from, "start this far into the sound: seconds or [[HH:]MM:]SS[.frac]");
    app.add_option("--to", to, "stop this far into the sound: seconds or [[HH:]MM:]SS[.frac]");
    std::string fps;
    app.add_option("--fps", fps,
                   "frames a second: a number or a fraction such as 30000/1001 (default: one a "
                   "block, 11025/256)");
    double gain = 0;
    std::string channel = "mix";
    app.add_option("--gain", gain, "draw the sound this many dB louder (or softer, below 0)")
        ->check(CLI::Range(-60.0, 60.0));
    app.add_flag("--normalize", job.normalize,
                 "draw the sound's loudest sample at full scale (a first pass; files only)");
    app.add_option("--channel", channel,
                   "the channel drawn: left, right, a number from 1, or mix (their mean)")
        ->capture_default_str();
    app.add_option("--crf", job.crf, "the video's quality, lower is better (H.264: 20, VP9: 32)")
        ->check(CLI::Range(0, 63));
    app.add_option("--preset", job.preset, "x264's speed for MP4 and MKV (default veryfast)")
        ->check(CLI::IsMember({"ultrafast", "superfast", "veryfast", "faster", "fast", "medium",
                               "slow", "slower", "veryslow"}));
    app.add_flag("--overwrite", job.overwrite, "replace an existing output");
    app.add_flag("--quiet", job.quiet, "no progress bar and no warnings");
    if (const std::optional<int> status = command_line::parseCommandLine(app, argc, argv)) {
        return *status;
    }

    render::catchEndingSignals();
    const double start = timeOption("--from", from);
    const std::optional<double> end =
        to.empty() ? std::nullopt : std::optional<double>(timeOption("--to", to));
    if (end && *end <= start) throw command_line::OptionError("--to: must be later than --from");
    if (!fps.empty()) {
        const std::optional<render::FrameRate> rate = render::parseFrameRate(fps);
        if (!rate) {
            throw command_line::OptionError(
                "--fps: '" + fps + "' is not a frame rate (1 to 240, as 30 or 30000/1001)");
        }
        job.rate = *rate;
    }
    if (!size.empty()) {
        job.size = render::parseFrameSize(size);
        if (!job.size) {
            throw command_line::OptionError("--size: '" + size +
                                            "' is not a frame size (WIDTHxHEIGHT, 16 to 8192)");
        }
    }
    job.scaleGiven = app.count("--scale") > 0;
    job.drawn.channel = channelOption(channel);
    job.drawn.gain = static_cast<float>(std::pow(10.0, gain / 20));
    if (job.normalize && (input == "-" || !std::filesystem::is_regular_file(input))) {
        throw command_line::OptionError(
            "--normalize: reads the sound twice, so it takes a file, not standard input or a pipe");
    }
    if (!backdrop.empty()) {
        if (job.backdrop.transparent) {
            throw command_line::OptionError("--backdrop: a transparent frame has none");
        }
        if (backdrop.front() == '#') {
            const std::optional<drawing::Colour> colour = command_line::parseColour(backdrop);
            if (!colour) {
                throw command_line::OptionError("--backdrop: '" + backdrop +
                                                "' is not a colour (write it as #RRGGBB)");
            }
            job.backdrop.colour = pixels::swapRedBlue(*colour);
        } else {
            job.backdrop.image = backdrop;
        }
    }
    job.input = input;
    job.range = {start, end};
    job.drawing = drawOptions.resolve();
    job.progress = isatty(STDERR_FILENO) != 0;
    render::render(job, std::cerr);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const orv::command_line::OptionError& error) {
        std::cerr << "orvanta2-render: " << error.what() << '\n';
        return orv::command_line::kUsageStatus;
    } catch (const orv::render::Interrupted& interruption) {
        std::cerr << "orvanta2-render: " << interruption.what() << '\n';
        return interruption.exitStatus();
    } catch (const std::exception& error) {
        std::cerr << "orvanta2-render: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "orvanta2-render: failed\n";
    }
    return 1;
}
