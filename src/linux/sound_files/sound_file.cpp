#include "linux/sound_files/sound_file.h"

#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>

namespace orv::sound_files {
namespace {

std::string describe(const std::filesystem::path& file) {
    return file.string() + ": ";
}

// Why a file libsndfile refused cannot be read: the system's reason when it cannot be opened at
// all, else libsndfile's.
std::string refusal(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return "no such file";
    if (std::filesystem::is_directory(file, error)) return "is a folder, not a sound file";
    std::ifstream probe(file, std::ios::binary);
    if (!probe) return std::string("cannot be read (") + std::strerror(errno) + ")";
    return std::string("not a sound file libsndfile can read (") + sf_strerror(nullptr) + ")";
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

SoundFile::SoundFile(const std::filesystem::path& file) {
    SF_INFO info{};
    file_.reset(sf_open(file.c_str(), SFM_READ, &info));
    if (!file_) throw SoundError(describe(file) + refusal(file));
    rate_ = info.samplerate;
    channels_ = info.channels;
    frames_ = info.frames;
    if (rate_ <= 0 || channels_ <= 0) {
        throw SoundError(describe(file) + "not a sound file (no sample rate or channels)");
    }
    cutShort_ = loggedAsCutShort(file_.get());
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
