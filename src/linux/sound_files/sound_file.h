#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

#include "linux/sound_files/stream_pump.h"

struct sf_private_tag;

namespace orv::sound_files {

// A sound that cannot be read; the message names the file and the reason.
class SoundError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A sound file or stream opened for reading through libsndfile, read as interleaved floats
// (full scale -1..1) a chunk at a time. "-" is standard input.
class SoundFile {
  public:
    // Throws SoundError when the file is missing, unreadable or not a sound. A stream read
    // from gives up waiting for its writer once `stopRequested` says so.
    explicit SoundFile(const std::filesystem::path& file, StopRequested stopRequested = {});

    int rate() const { return rate_; }
    int channels() const { return channels_; }
    // Frames (one sample of every channel) in the sound, as far as the file holds them; nothing
    // for a stream whose writer did not know its length.
    std::optional<std::int64_t> frames() const { return frames_; }
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
    struct Descriptor {
        explicit Descriptor(int opened) : fd(opened) {}
        ~Descriptor();
        Descriptor(const Descriptor&) = delete;
        Descriptor& operator=(const Descriptor&) = delete;
        int fd;
    };
    Descriptor input_;  // opened here, close-on-exec, so no program started meanwhile holds it
    std::unique_ptr<StreamPump> pump_;  // for a stream
    std::unique_ptr<sf_private_tag, Close> file_;
    int rate_ = 0;
    int channels_ = 0;
    std::optional<std::int64_t> frames_;
    bool cutShort_ = false;
    bool readFailed_ = false;
};

}  // namespace orv::sound_files
