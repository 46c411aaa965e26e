// The winmm wave-input device against the test environment's null sink: the program's records go
// to winmm as they are, the callback gets winmm's arguments, and a constant level played into
// the sink comes back byte for byte.
#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>

#include "support/sound_player.h"
#include "support/wait.h"
#include "windows/win32/winmm_wave_in.h"

namespace orv::win32 {
namespace {

using capture::WaveHeader;
using orv::testing::SoundPlayer;
using orv::testing::waitUntil;

// What the callback saw; it runs on the audio thread.
std::atomic<int> opens{0};
std::atomic<int> closes{0};
std::atomic<int> blocks{0};
std::atomic<std::uintptr_t> lastDevice{0};
std::atomic<std::uintptr_t> lastInstance{1};
std::atomic<std::uintptr_t> lastHeader{0};

void recordCallback(capture::WaveInHandle device, unsigned message, std::uintptr_t instance,
                    std::uintptr_t first, std::uintptr_t /*second*/) {
    lastDevice = device;
    lastInstance = instance;
    if (message == capture::kWimOpen) ++opens;
    if (message == capture::kWimClose) ++closes;
    if (message == capture::kWimData) {
        lastHeader = first;
        ++blocks;
    }
}

capture::WaveFormat programFormat() {
    capture::WaveFormat format;
    format.formatTag = capture::kWaveFormatPcm;
    format.channels = 1;
    format.samplesPerSec = 11025;
    format.avgBytesPerSec = 11025;
    format.blockAlign = 1;
    format.bitsPerSample = 8;
    return format;
}

// One open device with the program's single buffer and header.
class WaveInTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (device.getNumDevs() == 0) GTEST_SKIP() << "no wave-input device (no PulseAudio?)";
        opens = closes = blocks = 0;
        ASSERT_EQ(device.open(&handle, capture::kWaveMapper, programFormat(), &recordCallback, 0,
                              capture::kCallbackFunction),
                  capture::kMmSysErrNoError);
        ASSERT_NE(handle, 0u);
        device.start(handle);
    }
    void TearDown() override {
        if (handle == 0) return;
        device.reset(handle);
        device.stop(handle);
        device.unprepareHeader(handle, &header, sizeof(WaveHeader));
        device.close(handle);
    }

    // Queues the buffer as the capture loop does and waits for it to come back.
    bool recordBlock() {
        header.lpData = reinterpret_cast<char*>(buffer.data());
        header.dwBufferLength = static_cast<std::uint32_t>(buffer.size());
        header.dwFlags = 0;
        const int before = blocks;
        device.prepareHeader(handle, &header, sizeof(WaveHeader));
        device.addBuffer(handle, &header, sizeof(WaveHeader));
        const bool done = waitUntil([&] { return blocks > before; });
        device.unprepareHeader(handle, &header, sizeof(WaveHeader));
        return done;
    }

    bool blockIs(std::uint8_t level) const {
        return std::all_of(buffer.begin(), buffer.end(),
                           [&](std::uint8_t b) { return b == level; });
    }

    WinmmWaveIn device;
    capture::WaveInHandle handle = 0;
    WaveHeader header{};
    std::array<std::uint8_t, 256> buffer{};
};

TEST_F(WaveInTest, OpeningReportsThroughTheCallbackWithTheCallersInstanceData) {
    EXPECT_TRUE(waitUntil([] { return opens > 0; }));
    EXPECT_EQ(lastDevice.load(), handle);
    EXPECT_EQ(lastInstance.load(), 0u);
}

TEST_F(WaveInTest, FilledBlocksComeBackInTheProgramsHeader) {
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(recordBlock()) << "block " << i;
        EXPECT_EQ(lastHeader.load(), reinterpret_cast<std::uintptr_t>(&header));
        EXPECT_EQ(header.dwBytesRecorded, 256u);
        EXPECT_EQ(header.lpData, reinterpret_cast<char*>(buffer.data()));
    }
}

TEST_F(WaveInTest, ClosingReportsThroughTheCallback) {
    device.reset(handle);
    device.stop(handle);
    EXPECT_EQ(device.close(handle), capture::kMmSysErrNoError);
    handle = 0;
    EXPECT_TRUE(waitUntil([] { return closes > 0; }));
}

TEST_F(WaveInTest, ResetHandsAQueuedBufferBack) {
    header.lpData = reinterpret_cast<char*>(buffer.data());
    header.dwBufferLength = 256;
    device.prepareHeader(handle, &header, sizeof(WaveHeader));
    const int before = blocks;
    device.addBuffer(handle, &header, sizeof(WaveHeader));
    device.reset(handle);
    EXPECT_TRUE(waitUntil([&] { return blocks > before; }));
}

TEST(WaveInClosedDevice, CallsOnHandleZeroFailWithoutHarm) {
    // As after Stop: the loop unprepares its header, still marked prepared, on handle 0.
    WinmmWaveIn device;
    WaveHeader header{};
    header.dwFlags = WHDR_PREPARED | WHDR_DONE;
    EXPECT_EQ(device.unprepareHeader(0, &header, sizeof(WaveHeader)),
              capture::kMmSysErrInvalHandle);
    EXPECT_EQ(device.reset(0), capture::kMmSysErrInvalHandle);
    EXPECT_EQ(device.stop(0), capture::kMmSysErrInvalHandle);
    EXPECT_EQ(device.close(0), capture::kMmSysErrInvalHandle);
}

class WaveInLevelTest : public WaveInTest, public ::testing::WithParamInterface<int> {
  protected:
    // Records until a whole block of `level` arrives; false if none does.
    bool awaitLevel(std::uint8_t level) {
        for (int i = 0; i < 400; ++i) {
            if (!recordBlock()) return false;
            if (blockIs(level)) return true;
        }
        return false;
    }
};

TEST_P(WaveInLevelTest, AConstantLevelArrivesUnchanged) {
    const auto level = static_cast<std::uint8_t>(GetParam());
    // The sink's monitor lags behind the player and may still hold what an earlier test played:
    // a marker level first makes sure that what follows was played here.
    const std::uint8_t marker = level < 128 ? 200 : 50;
    SoundPlayer player;
    ASSERT_TRUE(player.playLevel(marker));
    ASSERT_TRUE(awaitLevel(marker)) << "the marker level never arrived";
    ASSERT_TRUE(player.playLevel(level));
    // A whole block of exactly the level shows that no byte is converted on the way. Blocks
    // after it are not checked: Wine's recorder, fed one buffer at a time, may hand back
    // stretches of silence or older sound between them.
    EXPECT_TRUE(awaitLevel(level)) << "no block of level " << GetParam() << " arrived";
}

INSTANTIATE_TEST_SUITE_P(Levels, WaveInLevelTest, ::testing::Values(0, 77, 128, 200, 255));

}  // namespace
}  // namespace orv::win32
