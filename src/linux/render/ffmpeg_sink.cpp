#include "linux/render/ffmpeg_sink.h"

#include <array>
#include <bit>
#include <optional>

#include "linux/render/output_error.h"

namespace orv::render {
namespace {

// Each frame of a GIF gets its own palette of exactly its colours (a pane has far fewer than
// 256), so nothing is dithered and no frame waits for the others.
constexpr std::string_view kGifPalettes =
    "[0:v]split[a][b];[a]palettegen=stats_mode=single:reserve_transparent=0[p];"
    "[b][p]paletteuse=new=1:dither=none";

static_assert(std::endian::native == std::endian::little, "the sound goes to ffmpeg as f32le");

// Encoders and muxers by kind. H.264 "veryfast" at quality 20: several times real time on two
// cores, with the pane's thin lines still clean. A fixed thread count, and bit-exact flags that
// leave out version strings and random ids, make every run's file the same bytes.
std::vector<std::string> encoding(const FfmpegJob& job) {
    const std::string crf =
        std::to_string(job.crf.value_or(job.kind == OutputKind::Webm ? 32 : 20));
    const std::string preset = job.preset.empty() ? "veryfast" : job.preset;
    const std::vector<std::string> h264 = {"-c:v", "libx264",  "-preset", preset,     "-crf",
                                           crf,    "-pix_fmt", "yuv420p", "-threads", "2"};
    std::vector<std::string> args;
    switch (job.kind) {
        case OutputKind::Mp4:
            args = h264;
            args.insert(args.end(), {"-c:a", "aac", "-b:a", "160k", "-f", "mp4"});
            break;
        case OutputKind::Mkv:
            args = h264;
            args.insert(args.end(), {"-c:a", "flac", "-f", "matroska"});
            break;
        case OutputKind::Webm:
            args = {"-c:v",      "libvpx-vp9",
                    "-deadline", "realtime",
                    "-cpu-used", "8",
                    "-row-mt",   "1",
                    "-b:v",      "0",
                    "-crf",      crf,
                    "-pix_fmt",  job.alpha ? "yuva420p" : "yuv420p",
                    "-threads",  "2",
                    "-c:a",      "libopus",
                    "-f",        "webm"};
            break;
        case OutputKind::Mov:
            args = {"-c:v", "prores_ks", "-profile:v",
                    "4444", "-pix_fmt",  job.alpha ? "yuva444p10le" : "yuv444p10le",
                    "-c:a", "pcm_s16le", "-f",
                    "mov"};
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
        "-hide_banner", "-loglevel", "error", "-nostats", "-nostdin", "-y",
        // Everything about the raw inputs is given: ffmpeg must not wait for seconds of one
        // before it reads the other.
        "-probesize", "32", "-analyzeduration", "0", "-f", "rawvideo", "-pix_fmt",
        job.alpha ? "rgba" : "rgb24", "-video_size",
        std::to_string(job.width) + "x" + std::to_string(job.height), "-framerate",
        std::to_string(job.rate.frames) + "/" + std::to_string(job.rate.seconds), "-i", "pipe:0"};
    if (job.kind != OutputKind::Gif) {
        args.insert(args.end(),
                    {"-probesize", "32", "-analyzeduration", "0", "-f", "f32le", "-ar",
                     std::to_string(job.sound.rate), "-ac", std::to_string(job.sound.channels),
                     "-i", "pipe:3", "-map", "0:v", "-map", "1:a"});
    }
    const std::vector<std::string> codecs = encoding(job);
    args.insert(args.end(), codecs.begin(), codecs.end());
    args.insert(args.end(), {"-map_metadata", "-1", "-fflags", "+bitexact", "-flags:v", "+bitexact",
                             "-flags:a", "+bitexact", file.string()});
    return args;
}

FfmpegSink::FfmpegSink(const FfmpegJob& job)
    : file_(job.target, job.overwrite), withSound_(job.kind != OutputKind::Gif) {
    const std::string ffmpeg = findProgram("ffmpeg");
    if (ffmpeg.empty()) {
        throw OutputError(
            "ffmpeg: not installed, and GIF and video go through it (install the Debian package "
            "ffmpeg: sudo apt-get install ffmpeg)");
    }
    std::vector<std::string> command = {ffmpeg};
    const std::vector<std::string> args = ffmpegArguments(job, file_.temporary());
    command.insert(command.end(), args.begin(), args.end());
    ffmpeg_ = std::make_unique<ChildProcess>(command, withSound_ ? 2 : 1);
}

void FfmpegSink::write(std::span<const std::uint8_t> rgb) {
    send(rgb, withSound_);
    ++frames_;
}

void FfmpegSink::addSound(std::span<const float> frames) {
    if (!withSound_) return;
    // What ffmpeg has taken goes, so the buffer holds only the sound not yet sent.
    sound_.erase(sound_.begin(), sound_.begin() + static_cast<std::ptrdiff_t>(soundSent_));
    soundSent_ = 0;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(frames.data());
    sound_.insert(sound_.end(), bytes, bytes + frames.size_bytes());
}

std::span<const std::uint8_t> FfmpegSink::unsentSound() const {
    return std::span<const std::uint8_t>(sound_).subspan(soundSent_);
}

void FfmpegSink::send(std::span<const std::uint8_t> first, bool withSound) {
    std::array<PendingBytes, 2> pending{
        {{ffmpeg_->input(0), first}, {withSound ? ffmpeg_->input(1) : -1, unsentSound()}}};
    const std::size_t before = pending[1].bytes.size();
    const bool sent = feedPipes(pending);
    if (withSound) soundSent_ += before - pending[1].bytes.size();
    if (!sent) failEarly();
}

void FfmpegSink::failEarly() {
    const int status = ffmpeg_->finish();
    throw OutputError(file_.target().string() + ": ffmpeg stopped early (exit status " +
                      std::to_string(status) + ")");
}

void FfmpegSink::finish() {
    ffmpeg_->closeInput(0);
    if (withSound_) {
        std::array<PendingBytes, 1> rest{{{ffmpeg_->input(1), unsentSound()}}};
        if (!feedPipes(rest)) failEarly();
    }
    const int status = ffmpeg_->finish();
    if (status != 0) {
        throw OutputError(file_.target().string() + ": ffmpeg failed (exit status " +
                          std::to_string(status) + ")");
    }
    checkFramesWritten();
    file_.commit();
}

// ffmpeg can fail to complete a file and still exit with 0 (a failed trailer): count the frames
// it wrote, when ffprobe is there to do it.
void FfmpegSink::checkFramesWritten() const {
    const std::string ffprobe = findProgram("ffprobe");
    if (ffprobe.empty()) return;
    const std::optional<std::string> counted = programOutput(
        {ffprobe, "-v", "quiet", "-select_streams", "v:0", "-count_packets", "-show_entries",
         "stream=nb_read_packets", "-of", "csv=p=0", file_.temporary().string()});
    const std::string written = counted ? counted->substr(0, counted->find_first_of("\n,")) : "";
    if (written != std::to_string(frames_)) {
        throw OutputError(file_.target().string() + ": ffmpeg wrote " +
                          (written.empty() ? "no readable file" : written) + " of the " +
                          std::to_string(frames_) + " frames it was sent");
    }
}

}  // namespace orv::render
