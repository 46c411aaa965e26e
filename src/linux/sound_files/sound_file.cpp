#include "linux/sound_files/sound_file.h"

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>

namespace orv::sound_files {
namespace {

constexpr int kLowestRate = 1000;  // below it a "sound" is a broken header, and would cost
                                   // memory and frames in proportion to 11025 / rate

std::string describe(const std::filesystem::path& file) {
    return file.string() + ": ";
}

// Opens the input close-on-exec; throws SoundError with the system's reason.
int openInput(const std::filesystem::path& file) {
    const int fd = file == "-" ? fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0)
                               : open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        throw SoundError(describe(file) + (error == ENOENT ? std::string("no such file")
                                                           : std::string("cannot be opened (") +
                                                                 std::strerror(error) + ")"));
    }
    struct stat status {};
    if (fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        close(fd);
        throw SoundError(describe(file) + "is a folder, not a sound file");
    }
    return fd;
}

bool isStream(int fd) {
    struct stat status {};
    return fstat(fd, &status) == 0 && !S_ISREG(status.st_mode) && !S_ISBLK(status.st_mode);
}

// libsndfile reads before its buffer when it takes MP3 from a pipe, so MP3 is taken from files
// only. An ID3 tag or an MPEG frame's sync bits.
bool looksLikeMp3(std::string_view start) {
    if (start.starts_with("ID3")) return true;
    return start.size() >= 2 && static_cast<unsigned char>(start[0]) == 0xFF &&
           (static_cast<unsigned char>(start[1]) & 0xE0U) == 0xE0U;
}

constexpr std::string_view kSendWav = "give the file's name, or send WAV: ffmpeg -i FILE -f wav -";

// Why libsndfile refused the input.
std::string refusal(bool stream) {
    const std::string reason = sf_strerror(nullptr);
    if (stream) {
        return "cannot be read from a pipe (" + reason + "); " + std::string(kSendWav);
    }
    return "not a sound file libsndfile can read (" + reason + ")";
}

// Bytes a frame takes in the encodings whose length a header gives in bytes.
int frameBytes(const SF_INFO& info) {
    constexpr std::array<std::pair<int, int>, 9> kSampleBytes = {{{SF_FORMAT_PCM_S8, 1},
                                                                  {SF_FORMAT_PCM_U8, 1},
                                                                  {SF_FORMAT_ULAW, 1},
                                                                  {SF_FORMAT_ALAW, 1},
                                                                  {SF_FORMAT_PCM_16, 2},
                                                                  {SF_FORMAT_PCM_24, 3},
                                                                  {SF_FORMAT_PCM_32, 4},
                                                                  {SF_FORMAT_FLOAT, 4},
                                                                  {SF_FORMAT_DOUBLE, 8}}};
    const int subtype = info.format & SF_FORMAT_SUBMASK;
    const auto* found =
        std::find_if(kSampleBytes.begin(), kSampleBytes.end(),
                     [subtype](const auto& entry) { return entry.first == subtype; });
    return found == kSampleBytes.end() ? 0 : found->second * info.channels;
}

// A stream's writer that cannot go back to its header writes the largest length it can hold.
bool lengthUnknown(const SF_INFO& info) {
    if (info.frames >= SF_COUNT_MAX) return true;
    const int bytes = frameBytes(info);
    return bytes > 0 && info.frames * bytes >= 0xFFFF0000LL;
}

// libsndfile reads a file shorter than its header says as far as it goes, noting the header's
// length as one the file "should be" in its log.
bool loggedAsCutShort(SNDFILE* file) {
    std::array<char, 4096> log{};
    sf_command(file, SFC_GET_LOG_INFO, log.data(), static_cast<int>(log.size()));
    return std::string_view(log.data()).find("should be") != std::string_view::npos;
}

}  // namespace

void SoundFile::Close::operator()(sf_private_tag* file) const {
    sf_close(file);
}

SoundFile::Descriptor::~Descriptor() {
    close(fd);
}

SoundFile::SoundFile(const std::filesystem::path& file, StopRequested stopRequested)
    : input_(openInput(file)) {
    const bool stream = isStream(input_.fd);
    if (stream) {
        pump_ = std::make_unique<StreamPump>(input_.fd, std::move(stopRequested));
        if (looksLikeMp3(pump_->start())) {
            throw SoundError(describe(file) + "MP3 cannot be read from a pipe; " +
                             std::string(kSendWav));
        }
    }
    SF_INFO info{};
    file_.reset(sf_open_fd(stream ? pump_->output() : input_.fd, SFM_READ, &info, SF_FALSE));
    if (!file_) throw SoundError(describe(file) + refusal(stream));
    rate_ = info.samplerate;
    channels_ = info.channels;
    if (rate_ <= 0 || channels_ <= 0) {
        throw SoundError(describe(file) + "not a sound file (no sample rate or channels)");
    }
    if (rate_ < kLowestRate) {
        throw SoundError(describe(file) + "a sample rate of " + std::to_string(rate_) +
                         " Hz is not a sound's (at least " + std::to_string(kLowestRate) + " Hz)");
    }
    if (!stream || !lengthUnknown(info)) frames_ = info.frames;
    cutShort_ = frames_ && loggedAsCutShort(file_.get());
}

void SoundFile::seek(std::int64_t frame) {
    if (frame <= 0 || sf_seek(file_.get(), frame, SEEK_SET) >= 0) return;
    // A stream libsndfile cannot seek in is read up to the frame instead.
    std::array<float, 4096> skipped{};
    const auto width = static_cast<std::size_t>(channels_);
    std::span<float> chunk(skipped.data(), skipped.size() / width * width);
    for (std::int64_t left = frame; left > 0;) {
        const auto wanted = static_cast<std::size_t>(
            std::min<std::int64_t>(left, static_cast<std::int64_t>(chunk.size() / width)));
        const std::size_t got = read(chunk.first(wanted * width));
        if (got == 0) return;
        left -= static_cast<std::int64_t>(got);
    }
}

std::size_t SoundFile::read(std::span<float> samples) {
    const auto width = static_cast<std::size_t>(channels_);
    const auto wanted = static_cast<sf_count_t>(samples.size() / width);
    const sf_count_t got = sf_readf_float(file_.get(), samples.data(), wanted);
    if (got < wanted && sf_error(file_.get()) != SF_ERR_NO_ERROR) readFailed_ = true;
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

}  // namespace orv::sound_files
