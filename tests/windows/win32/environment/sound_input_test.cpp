// The test environment offers a wave-input device whose input is the null sink's monitor,
// in the program's own format: a constant level played into the sink arrives as blocks of
// exactly that level, for the extremes as well.
#include <windows.h>

#include <mmsystem.h>  // needs windows.h first

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>

#include "support/sound_player.h"
#include "support/wait.h"

namespace {

using orv::testing::SoundPlayer;
using orv::testing::waitUntil;

constexpr DWORD kBlock = 256;
constexpr int kBuffers = 8;

// Records 256-byte blocks from the default wave-input device, u8 11025 Hz mono, and keeps
// the latest complete block.
class Recorder {
  public:
    Recorder() {
        WAVEFORMATEX format{};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = 1;
        format.nSamplesPerSec = 11025;
        format.wBitsPerSample = 8;
        format.nBlockAlign = 1;
        format.nAvgBytesPerSec = 11025;
        opened_ = waveInOpen(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL);
        if (opened_ != MMSYSERR_NOERROR) return;
        for (int i = 0; i < kBuffers; ++i) {
            headers_[i].lpData = reinterpret_cast<LPSTR>(buffers_[i].data());
            headers_[i].dwBufferLength = kBlock;
            waveInPrepareHeader(device_, &headers_[i], sizeof(WAVEHDR));
            waveInAddBuffer(device_, &headers_[i], sizeof(WAVEHDR));
        }
        waveInStart(device_);
    }
    ~Recorder() {
        if (opened_ != MMSYSERR_NOERROR) return;
        waveInReset(device_);
        for (auto& header : headers_) waveInUnprepareHeader(device_, &header, sizeof(WAVEHDR));
        waveInClose(device_);
    }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    MMRESULT opened() const { return opened_; }

    // Takes every finished block (the last one is kept in `latest`) and hands the buffers
    // back to the device.
    bool collect() {
        bool any = false;
        for (int i = 0; i < kBuffers; ++i) {
            if (!(headers_[i].dwFlags & WHDR_DONE)) continue;
            if (headers_[i].dwBytesRecorded == kBlock) {
                latest = buffers_[i];
                any = true;
            }
            headers_[i].dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
            waveInAddBuffer(device_, &headers_[i], sizeof(WAVEHDR));
        }
        return any;
    }

    std::array<std::uint8_t, kBlock> latest{};

  private:
    HWAVEIN device_ = nullptr;
    MMRESULT opened_ = MMSYSERR_ERROR;
    std::array<std::array<std::uint8_t, kBlock>, kBuffers> buffers_{};
    std::array<WAVEHDR, kBuffers> headers_{};
};

TEST(SoundInput, AWaveInputDeviceExists) {
    EXPECT_GE(waveInGetNumDevs(), 1u);
}

TEST(SoundInput, ConstantLevelArrivesUnchanged) {
    for (const std::uint8_t level : {0, 1, 77, 128, 254, 255}) {
        SCOPED_TRACE(::testing::Message() << "level " << int{level});
        SoundPlayer player;
        ASSERT_TRUE(player.playLevel(level));
        Recorder recorder;
        ASSERT_EQ(recorder.opened(), MMSYSERR_NOERROR);
        const auto all_level = [&] {
            return std::all_of(recorder.latest.begin(), recorder.latest.end(),
                               [&](std::uint8_t sample) { return sample == level; });
        };
        // The first blocks may still hold silence or the previous level.
        EXPECT_TRUE(waitUntil([&] { return recorder.collect() && all_level(); }))
            << "latest block starts with " << int{recorder.latest[0]} << " and ends with "
            << int{recorder.latest[kBlock - 1]};
    }
}

}  // namespace
