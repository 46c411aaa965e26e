#include "linux/sound_files/resampler.h"

#include <soxr.h>

#include <cmath>
#include <stdexcept>
#include <string>

namespace orv::sound_files {

void Resampler::Release::operator()(soxr* resampler) const {
    soxr_delete(resampler);
}

Resampler::Resampler(double fromRate, double toRate, std::size_t maxChunk) {
    if (fromRate == toRate) return;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
    soxr_error_t error = nullptr;
    soxr_.reset(soxr_create(fromRate, toRate, 1, &error, &io, &quality, &runtime));
    if (error != nullptr) {
        throw std::runtime_error(std::string("cannot change the sample rate: ") + error);
    }
    // Room for a chunk's output and for what the filter held back.
    out_.resize(
        static_cast<std::size_t>(std::ceil(static_cast<double>(maxChunk) * toRate / fromRate)) +
        4096);
}

Resampler::~Resampler() = default;

std::span<const float> Resampler::process(std::span<const float> chunk) {
    if (!soxr_) return chunk;
    std::size_t done = 0;
    std::size_t written = 0;
    while (done < chunk.size() && written < out_.size()) {
        std::size_t used = 0;
        std::size_t produced = 0;
        soxr_process(soxr_.get(), chunk.data() + done, chunk.size() - done, &used,
                     out_.data() + written, out_.size() - written, &produced);
        done += used;
        written += produced;
        if (used == 0 && produced == 0) break;
    }
    return {out_.data(), written};
}

std::span<const float> Resampler::drain() {
    if (!soxr_) return {};
    std::size_t produced = 0;
    soxr_process(soxr_.get(), nullptr, 0, nullptr, out_.data(), out_.size(), &produced);
    return {out_.data(), produced};
}

}  // namespace orv::sound_files
