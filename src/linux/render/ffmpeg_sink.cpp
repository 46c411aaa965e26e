#include "linux/render/ffmpeg_sink.h"

#include <iomanip>
#include <sstream>

#include "engine/blocks/block_cutter.h"
#include "engine/blocks/sample_conversion.h"
#include "linux/render/output_error.h"

namespace orv::render {
namespace {

// Each frame of a GIF gets its own palette of exactly its colours (a pane has far fewer than
// 256), so nothing is dithered and no frame waits for the others.
constexpr std::string_view kGifPalettes =
    "[0:v]split[a][b];[a]palettegen=stats_mode=single:reserve_transparent=0[p];"
    "[b][p]paletteuse=new=1:dither=none";

std::string seconds(double value) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(6) << value;
    return text.str();
}

// Encoders and muxers by kind. H.264 "veryfast" at quality 20: several times real time on two
// cores, with the pane's thin lines still clean. A fixed thread count, and bit-exact flags that
// leave out version strings and random ids, make every run's file the same bytes.
std::vector<std::string> encoding(OutputKind kind) {
    const std::vector<std::string> h264 = {"-c:v", "libx264",  "-preset", "veryfast", "-crf",
                                           "20",   "-pix_fmt", "yuv420p", "-threads", "2"};
    std::vector<std::string> args;
    switch (kind) {
        case OutputKind::Mp4:
            args = h264;
            args.insert(args.end(), {"-c:a", "aac", "-b:a", "160k", "-f", "mp4"});
            break;
        case OutputKind::Mkv:
            args = h264;
            args.insert(args.end(), {"-c:a", "flac", "-f", "matroska"});
            break;
        case OutputKind::Webm:
            args = {"-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used",
                    "8",    "-row-mt",    "1",         "-b:v",     "0",
                    "-crf", "32",         "-pix_fmt",  "yuv420p",  "-threads",
                    "2",    "-c:a",       "libopus",   "-f",       "webm"};
            break;
        default:
            args = {"-filter_complex", std::string(kGifPalettes), "-loop", "0", "-f", "gif"};
            break;
    }
    return args;
}

}  // namespace

std::vector<std::string> ffmpegArguments(const FfmpegJob& job, const std::filesystem::path& file) {
    std::vector<std::string> args = {
        "-hide_banner",
        "-loglevel",
        "error",
        "-nostats",
        "-y",
        "-f",
        "rawvideo",
        "-pix_fmt",
        "rgb24",
        "-video_size",
        std::to_string(job.width) + "x" + std::to_string(job.height),
        "-framerate",
        std::to_string(blocks::kSampleRate) + "/" + std::to_string(blocks::kBlockSamples),
        "-i",
        "pipe:0"};
    const bool video = job.kind != OutputKind::Gif;
    if (video) {
        args.insert(args.end(), {"-ss", seconds(job.range.from)});
        if (job.range.to) args.insert(args.end(), {"-t", seconds(*job.range.to - job.range.from)});
        args.insert(args.end(), {"-i", job.sound.string(), "-map", "0:v", "-map", "1:a:0?"});
    }
    const std::vector<std::string> codecs = encoding(job.kind);
    args.insert(args.end(), codecs.begin(), codecs.end());
    args.insert(args.end(), {"-map_metadata", "-1", "-fflags", "+bitexact", "-flags:v", "+bitexact",
                             "-flags:a", "+bitexact", file.string()});
    return args;
}

FfmpegSink::FfmpegSink(const FfmpegJob& job) : file_(job.target, job.overwrite) {
    const std::string ffmpeg = findProgram("ffmpeg");
    if (ffmpeg.empty()) {
        throw OutputError(
            "ffmpeg: not installed, and GIF and video go through it (install the Debian package "
            "ffmpeg: sudo apt-get install ffmpeg)");
    }
    std::vector<std::string> command = {ffmpeg};
    const std::vector<std::string> args = ffmpegArguments(job, file_.temporary());
    command.insert(command.end(), args.begin(), args.end());
    ffmpeg_ = std::make_unique<ChildProcess>(command);
}

void FfmpegSink::write(std::span<const std::uint8_t> rgb) {
    if (!ffmpeg_->feed(rgb)) {
        const int status = ffmpeg_->finish();
        throw OutputError(file_.target().string() + ": ffmpeg stopped early (exit status " +
                          std::to_string(status) + ")");
    }
}

void FfmpegSink::finish() {
    const int status = ffmpeg_->finish();
    if (status != 0) {
        throw OutputError(file_.target().string() + ": ffmpeg failed (exit status " +
                          std::to_string(status) + ")");
    }
    file_.commit();
}

}  // namespace orv::render
