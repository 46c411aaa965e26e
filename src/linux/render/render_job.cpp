#include "linux/render/render_job.h"

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/pane_picture.h"
#include "engine/drawing/raster_canvas.h"
#include "linux/render/ffmpeg_sink.h"
#include "linux/render/output_error.h"
#include "linux/render/output_kind.h"
#include "linux/render/png_sinks.h"
#include "linux/render/progress.h"
#include "linux/render/raw_sink.h"

namespace orv::render {

static_assert(std::is_same_v<blocks::Block, drawing::Block>,
              "the reader's blocks are the drawing's blocks");

std::unique_ptr<FrameSink> openOutput(const RenderJob& job, int width, int height) {
    const OutputKind kind = outputKind(job.output);
    switch (kind) {
        case OutputKind::Png:
            return std::make_unique<PngPictureSink>(job.output, width, height, job.overwrite);
        case OutputKind::PngSequence:
            return std::make_unique<PngSequenceSink>(NumberedName(job.output), width, height,
                                                     job.overwrite);
        case OutputKind::Raw:
            return std::make_unique<RawSink>();
        case OutputKind::Null:
            return std::make_unique<NullSink>();
        default:
            return std::make_unique<FfmpegSink>(
                FfmpegJob{kind, job.output, job.input, job.range, width, height, job.overwrite});
    }
}

void render(const RenderJob& job, std::ostream& messages, const std::atomic<bool>& interrupted) {
    sound_files::BlockReader reader(job.input, job.range);
    const auto warnCutShort = [&] {
        if (!job.quiet) {
            messages << "orvanta2-render: warning: " << job.input.string()
                     << ": cut off inside its data; drawing what is there\n";
        }
    };
    const bool cutAtStart = reader.cutShort();
    if (cutAtStart) warnCutShort();

    drawing::RasterCanvas pane;
    pane.setBackColour(job.drawing.background);
    drawing::BlockDrawing drawing(pane, job.drawing.colours);
    drawing::PanePicture picture(pane.width(), pane.height(), job.scale, job.drawing.grid);
    const std::unique_ptr<FrameSink> sink = openOutput(job, picture.width(), picture.height());

    Progress progress(messages, reader.blockCount(), job.progress && !job.quiet);
    blocks::Block block{};
    std::int64_t drawn = 0;
    while (reader.next(block)) {
        if (interrupted) throw OutputError(job.output + ": interrupted");
        drawing.draw(block, job.drawing.settings);
        if (sink->everyFrame()) sink->write(picture.composeRgb(pane.pixels()));
        progress.advance(++drawn);
    }
    if (!sink->everyFrame()) sink->write(picture.composeRgb(pane.pixels()));
    progress.finish();
    sink->finish();
    if (!cutAtStart && reader.cutShort()) warnCutShort();
}

}  // namespace orv::render
