#include "linux/render/render_job.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/pane_picture.h"
#include "engine/drawing/raster_canvas.h"
#include "engine/pixels/colour.h"
#include "linux/command_line/option_error.h"
#include "linux/render/ending_signals.h"
#include "linux/render/ffmpeg_sink.h"
#include "linux/render/frame_windows.h"
#include "linux/render/output_error.h"
#include "linux/render/output_kind.h"
#include "linux/render/png_sinks.h"
#include "linux/render/progress.h"
#include "linux/render/raw_sink.h"

namespace orv::render {
namespace {

static_assert(std::is_same_v<blocks::Block, drawing::Block>,
              "the reader's blocks are the drawing's blocks");

// The output the job's name asks for, for frames of width x height.
std::unique_ptr<FrameSink> openOutput(const RenderJob& job, const sound_files::BlockReader& reader,
                                      const FrameWindows& frames, FrameSize size) {
    const OutputKind kind = outputKind(job.output);
    const auto [width, height] = size;
    const bool alpha = job.backdrop.transparent;
    switch (kind) {
        case OutputKind::Png:
            return std::make_unique<PngPictureSink>(job.output, width, height, alpha,
                                                    job.overwrite);
        case OutputKind::PngSequence:
            return std::make_unique<PngSequenceSink>(NumberedName(job.output), width, height, alpha,
                                                     job.overwrite, frames.frameCount());
        case OutputKind::Raw:
            return std::make_unique<RawSink>();
        case OutputKind::Null:
            return std::make_unique<NullSink>();
        default:
            return std::make_unique<FfmpegSink>(FfmpegJob{kind,
                                                          job.output,
                                                          {reader.rate(), reader.channels()},
                                                          job.rate,
                                                          width,
                                                          height,
                                                          alpha,
                                                          job.crf,
                                                          job.preset,
                                                          job.overwrite});
    }
}

// The scale asked for, or the largest at which the pane fits the frame. Throws OptionError when
// it does not fit.
int paneScale(const RenderJob& job, int pane) {
    if (!job.size) return job.scale;
    const int largest = std::min(largestScale(*job.size, pane), kLargestScale);
    const std::string size =
        std::to_string(job.size->width) + "x" + std::to_string(job.size->height);
    if (largest == 0) {
        throw command_line::OptionError("--size: " + size + " is smaller than the pane (" +
                                        std::to_string(pane) + "x" + std::to_string(pane) + ")");
    }
    if (!job.scaleGiven) return largest;
    if (job.scale > largest) {
        throw command_line::OptionError("--scale: " + std::to_string(job.scale) +
                                        " makes the pane larger than --size " + size);
    }
    return job.scale;
}

// The frames to come, so that a run with the wrong size or rate is stopped before it is long.
void describeFrames(std::ostream& messages, FrameSize size, FrameRate rate,
                    std::optional<std::int64_t> count) {
    messages << "orvanta2-render: " << size.width << "x" << size.height << ", "
             << static_cast<double>(rate.frames) / static_cast<double>(rate.seconds)
             << " frames a second";
    if (count) messages << ", " << *count << " frames";
    messages << '\n';
}

// Replacing the input with its own picture would lose it.
void refuseTheInputAsOutput(const RenderJob& job) {
    std::error_code error;
    if (job.input != "-" && std::filesystem::equivalent(job.input, job.output, error)) {
        throw OutputError(job.output + ": is the input; name another output");
    }
}

void warn(const RenderJob& job, std::ostream& messages, const std::string& text) {
    if (!job.quiet) messages << "orvanta2-render: warning: " << job.input.string() << ": " << text;
}

void drawAll(const RenderJob& job, std::ostream& messages) {
    // What the output can take is known before a byte of the input is read.
    drawing::RasterCanvas pane;
    pane.setBackColour(job.drawing.background);
    drawing::BlockDrawing drawing(pane, job.drawing.colours);
    drawing::PanePicture picture(pane.width(), pane.height(), paneScale(job, pane.width()),
                                 job.drawing.grid);
    const FrameSize size = job.size.value_or(FrameSize{picture.width(), picture.height()});
    const OutputKind kind = outputKind(job.output);
    checkFrames(kind, job.output, size.width, size.height, job.backdrop.transparent);
    const bool encoded =
        kind == OutputKind::Mp4 || kind == OutputKind::Mkv || kind == OutputKind::Webm;
    if ((job.crf || !job.preset.empty()) && !encoded) {
        throw command_line::OptionError(job.output +
                                        ": --crf and --preset are for MP4, MKV and WebM");
    }
    if (!job.preset.empty() && kind == OutputKind::Webm) {
        throw command_line::OptionError(job.output + ": --preset is x264's, for MP4 and MKV");
    }
    refuseTheInputAsOutput(job);

    sound_files::DrawnSound drawnSound = job.drawn;
    if (job.normalize) {
        const float peak = sound_files::peakLevel(job.input, job.range, {drawnSound.channel, 1});
        if (peak > 0) drawnSound.gain /= peak;
    }
    sound_files::BlockReader reader(
        job.input, job.range, [] { return endingSignal() != 0; }, drawnSound);
    const auto warnCutShort = [&] {
        warn(job, messages, "cut off inside its data; drawing what is there\n");
    };
    const bool cutAtStart = reader.cutShort();
    if (cutAtStart) warnCutShort();

    FrameWindows frames(reader, job.rate);
    const std::unique_ptr<FrameSink> sink = openOutput(job, reader, frames, size);
    // The picture alone is the frame unless the frame is larger or transparent.
    std::optional<FrameLayout> layout;
    if (job.size || job.backdrop.transparent) {
        layout.emplace(size, picture.width(), picture.height(), job.backdrop,
                       pixels::swapRedBlue(job.drawing.background));
    }
    const auto frame = [&] {
        return layout ? layout->compose(picture.compose(pane.pixels()))
                      : picture.composeRgb(pane.pixels());
    };
    reader.tapSound([&sink](std::span<const float> sound) { sink->addSound(sound); });

    if (!job.quiet) describeFrames(messages, size, job.rate, frames.frameCount());
    Progress progress(messages, frames.frameCount(), job.progress && !job.quiet);
    blocks::Block block{};
    std::int64_t drawn = 0;
    while (frames.next(block)) {
        stopIfSignalled();
        drawing.draw(block, job.drawing.settings);
        if (sink->everyFrame()) sink->write(frame());
        progress.advance(++drawn);
    }
    stopIfSignalled();  // a signal cuts a read short: what was read is not the sound
    if (!sink->everyFrame()) sink->write(frame());
    progress.finish();
    sink->finish();
    if (!cutAtStart && reader.cutShort()) warnCutShort();
    if (reader.nonFiniteSamples() > 0) {
        warn(job, messages,
             std::to_string(reader.nonFiniteSamples()) +
                 " samples are not numbers (NaN or infinite); drawn and muxed as silence\n");
    }
}

}  // namespace

void render(const RenderJob& job, std::ostream& messages) {
    try {
        drawAll(job, messages);
    } catch (const Interrupted&) {
        throw;
    } catch (...) {
        // A signal makes the call it interrupts fail: the signal is the reason.
        stopIfSignalled();
        throw;
    }
}

}  // namespace orv::render
