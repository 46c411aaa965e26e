#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

struct sf_private_tag;

namespace orv::sound_files {

// A sound that cannot be read; the message names the file and the reason.
class SoundError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A sound file opened for reading through libsndfile, read as interleaved floats (full scale
// -1..1) a chunk at a time.
class SoundFile {
  public:
    // Throws SoundError when the file is missing, unreadable or not a sound.
    explicit SoundFile(const std::filesystem::path& file);

    int rate() const { return rate_; }
    int channels() const { return channels_; }
    // Frames (one sample of every channel) in the file, as far as the file holds them.
    std::int64_t frames() const { return frames_; }
    // The file is shorter than its header says: cut off inside its data.
    bool cutShort() const { return cutShort_; }

    void seek(std::int64_t frame);
    // Fills `samples` with whole frames; returns the frames read, 0 at the end.
    std::size_t read(std::span<float> samples);
    // A read stopped early on a fault of the file's data rather than at its end.
    bool readFailed() const { return readFailed_; }

  private:
    struct Close {
        void operator()(sf_private_tag* file) const;
    };
    std::unique_ptr<sf_private_tag, Close> file_;
    int rate_ = 0;
    int channels_ = 0;
    std::int64_t frames_ = 0;
    bool cutShort_ = false;
    bool readFailed_ = false;
};

}  // namespace orv::sound_files
