#include "linux/render/render_job.h"

#include <system_error>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/pane_picture.h"
#include "engine/drawing/raster_canvas.h"
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
                                      const FrameWindows& frames, int width, int height) {
    const OutputKind kind = outputKind(job.output);
    checkFrameSize(kind, job.output, width, height);
    switch (kind) {
        case OutputKind::Png:
            return std::make_unique<PngPictureSink>(job.output, width, height, job.overwrite);
        case OutputKind::PngSequence:
            return std::make_unique<PngSequenceSink>(NumberedName(job.output), width, height,
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
                                                          job.overwrite});
    }
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
    refuseTheInputAsOutput(job);
    sound_files::BlockReader reader(job.input, job.range, [] { return endingSignal() != 0; });
    const auto warnCutShort = [&] {
        warn(job, messages, "cut off inside its data; drawing what is there\n");
    };
    const bool cutAtStart = reader.cutShort();
    if (cutAtStart) warnCutShort();

    drawing::RasterCanvas pane;
    pane.setBackColour(job.drawing.background);
    drawing::BlockDrawing drawing(pane, job.drawing.colours);
    drawing::PanePicture picture(pane.width(), pane.height(), job.scale, job.drawing.grid);
    FrameWindows frames(reader, job.rate);
    const std::unique_ptr<FrameSink> sink =
        openOutput(job, reader, frames, picture.width(), picture.height());
    reader.tapSound([&sink](std::span<const float> sound) { sink->addSound(sound); });

    Progress progress(messages, frames.frameCount(), job.progress && !job.quiet);
    blocks::Block block{};
    std::int64_t drawn = 0;
    while (frames.next(block)) {
        stopIfSignalled();
        drawing.draw(block, job.drawing.settings);
        if (sink->everyFrame()) sink->write(picture.composeRgb(pane.pixels()));
        progress.advance(++drawn);
    }
    stopIfSignalled();  // a signal cuts a read short: what was read is not the sound
    if (!sink->everyFrame()) sink->write(picture.composeRgb(pane.pixels()));
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
