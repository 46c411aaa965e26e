#include "support/sound_player.h"

#include <utility>

namespace orv::testing {

SoundPlayer::~SoundPlayer() {
    stop();
}

bool SoundPlayer::playLevel(std::uint8_t level) {
    // One second, looped: long enough that the loop seam costs nothing.
    return play(std::vector<std::uint8_t>(kSampleRate, level));
}

bool SoundPlayer::useDevice(std::wstring_view name) {
    for (UINT id = 0; id < waveOutGetNumDevs(); ++id) {
        WAVEOUTCAPSW caps{};
        if (waveOutGetDevCapsW(id, &caps, sizeof caps) == MMSYSERR_NOERROR &&
            caps.szPname == name) {
            output_ = id;
            return true;
        }
    }
    return false;
}

bool SoundPlayer::play(std::vector<std::uint8_t> samples) {
    stop();
    if (samples.empty()) return false;
    samples_ = std::move(samples);
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = kSampleRate;
    format.wBitsPerSample = 8;
    format.nBlockAlign = 1;
    format.nAvgBytesPerSec = kSampleRate;
    if (waveOutOpen(&device_, output_, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        device_ = nullptr;
        return false;
    }
    header_ = {};
    header_.lpData = reinterpret_cast<LPSTR>(samples_.data());
    header_.dwBufferLength = static_cast<DWORD>(samples_.size());
    header_.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
    header_.dwLoops = 0xFFFFFFFFu;
    if (waveOutPrepareHeader(device_, &header_, sizeof header_) != MMSYSERR_NOERROR ||
        waveOutWrite(device_, &header_, sizeof header_) != MMSYSERR_NOERROR) {
        stop();
        return false;
    }
    return true;
}

void SoundPlayer::stop() {
    if (device_ == nullptr) return;
    waveOutReset(device_);
    if (header_.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &header_, sizeof header_);
    waveOutClose(device_);
    device_ = nullptr;
    header_ = {};
}

}  // namespace orv::testing
