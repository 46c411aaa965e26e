#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace orv::testing {

// A folder of its own for one test's files, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

enum class Encoding { Pcm16, Float };

// Writes interleaved samples (full scale -1..1) as WAV, or FLAC when the name ends so.
void writeSound(const std::filesystem::path& file, int rate, int channels,
                std::span<const float> samples, Encoding encoding = Encoding::Pcm16);

// `seconds` of a sine of `hertz` at `amplitude` (full scale 1).
std::vector<float> sine(double hertz, int rate, double seconds, double amplitude = 0.5);

// The file's first `bytes` bytes only, as a copy cut off there.
void cutCopy(const std::filesystem::path& from, const std::filesystem::path& to, std::size_t bytes);

}  // namespace orv::testing
