#include "linux/support/sound_files.h"

#include <sndfile.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <stdexcept>

namespace orv::testing {

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvanta-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no scratch folder");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void writeSound(const std::filesystem::path& file, int rate, int channels,
                std::span<const float> samples, Encoding encoding) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = (file.extension() == ".flac" ? SF_FORMAT_FLAC : SF_FORMAT_WAV) |
                  (encoding == Encoding::Float ? SF_FORMAT_FLOAT : SF_FORMAT_PCM_16);
    SNDFILE* sound = sf_open(file.c_str(), SFM_WRITE, &info);
    if (sound == nullptr) throw std::runtime_error("cannot write " + file.string());
    sf_writef_float(sound, samples.data(), static_cast<sf_count_t>(samples.size()) / channels);
    sf_close(sound);
}

std::vector<float> sine(double hertz, int rate, double seconds, double amplitude) {
    std::vector<float> samples(static_cast<std::size_t>(std::lround(seconds * rate)));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<float>(
            amplitude * std::sin(2 * std::numbers::pi * hertz * static_cast<double>(i) / rate));
    }
    return samples;
}

void cutCopy(const std::filesystem::path& from, const std::filesystem::path& to,
             std::size_t bytes) {
    std::ifstream in(from, std::ios::binary);
    std::vector<char> data(std::istreambuf_iterator<char>(in), {});
    data.resize(std::min(bytes, data.size()));
    std::ofstream(to, std::ios::binary)
        .write(data.data(), static_cast<std::streamsize>(data.size()));
}

}  // namespace orv::testing
