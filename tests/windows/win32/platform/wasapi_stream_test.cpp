// The WASAPI loopback stream over scripted audio clients of the test: the mix format read as it
// is, the packets' flags honoured, the blocks handed to the engine through the loopback device,
// the failures told apart, and every COM object given back.
#include "windows/win32/wasapi_stream.h"

#include <mmreg.h>
// mmreg.h first: ksmedia.h builds on it.
#include <ksmedia.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "engine/blocks/sample_conversion.h"
#include "support/wait.h"
#include "windows/capture/loopback_device.h"

namespace orv::win32 {
namespace {

constexpr float kLevel = 0.5F;

// COM's interfaces have no virtual destructor: their objects delete themselves in Release.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

// IUnknown of a scripted object that lives on the test's stack: counted, never deleted.
template <typename Interface>
class Scripted : public Interface {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!IsEqualIID(id, __uuidof(Interface)) && !IsEqualIID(id, __uuidof(IUnknown))) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    std::atomic<ULONG> refs{0};
};

// Hands over a packet of 10 ms for every 10 ms since it started, in the format given, at
// kLevel on every channel; or no packet at all, or nothing but an invalidated device.
class ScriptedCaptureClient final : public Scripted<IAudioCaptureClient> {
  public:
    void play(const capture::MixFormat& format, DWORD packetFlags, bool playing) {
        frames_ = static_cast<UINT32>(format.rate / 100);
        flags_ = packetFlags;
        playing_ = playing;
        const auto bytes = static_cast<std::size_t>(format.containerBits / 8);
        packet_.assign(frames_ * static_cast<std::size_t>(format.channels) * bytes, 0);
        for (std::size_t i = 0; i < packet_.size(); i += bytes) {
            if (format.isFloat) {
                std::memcpy(&packet_[i], &kLevel, sizeof kLevel);
            } else {
                const auto value = static_cast<std::int16_t>(std::lround(kLevel * 32767.0F));
                std::memcpy(&packet_[i], &value, sizeof value);
            }
        }
        begin_ = std::chrono::steady_clock::now();
    }
    std::vector<DWORD> scripted;  // the flags of the packets before the played ones
    std::atomic<bool> invalidated{false};
    std::atomic<int> held{0};  // packets taken and not given back

    HRESULT STDMETHODCALLTYPE GetBuffer(BYTE** data, UINT32* frames, DWORD* flags, UINT64*,
                                        UINT64*) override {
        if (invalidated) return AUDCLNT_E_DEVICE_INVALIDATED;
        *data = packet_.data();
        *frames = frames_;
        *flags = flags_;
        if (taken_ < scripted.size()) *flags = scripted[taken_];
        ++taken_;
        ++held;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ReleaseBuffer(UINT32 /*frames*/) override {
        --held;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetNextPacketSize(UINT32* frames) override {
        if (invalidated) return AUDCLNT_E_DEVICE_INVALIDATED;
        const auto due = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::steady_clock::now() - begin_)
                             .count() /
                         10;
        *frames =
            (taken_ < scripted.size() || (playing_ && std::cmp_less(taken_, due))) ? frames_ : 0;
        return S_OK;
    }

  private:
    std::vector<BYTE> packet_;
    UINT32 frames_ = 0;
    DWORD flags_ = 0;
    bool playing_ = true;
    std::size_t taken_ = 0;
    std::chrono::steady_clock::time_point begin_;
};

class ScriptedAudioClient final : public Scripted<IAudioClient> {
  public:
    WAVEFORMATEXTENSIBLE mix{};
    HRESULT initializeResult = S_OK;
    HRESULT serviceResult = S_OK;
    DWORD streamFlags = 0;
    ScriptedCaptureClient capture;

    void mixIn(const capture::MixFormat& format, bool extensible) {
        WAVEFORMATEX& f = mix.Format;
        f.wFormatTag = extensible ? WAVE_FORMAT_EXTENSIBLE
                                  : (format.isFloat ? WAVE_FORMAT_IEEE_FLOAT : WAVE_FORMAT_PCM);
        f.nChannels = static_cast<WORD>(format.channels);
        f.nSamplesPerSec = static_cast<DWORD>(format.rate);
        f.wBitsPerSample = static_cast<WORD>(format.containerBits);
        f.nBlockAlign = static_cast<WORD>(format.channels * format.containerBits / 8);
        f.nAvgBytesPerSec = f.nSamplesPerSec * f.nBlockAlign;
        f.cbSize = extensible ? sizeof mix - sizeof mix.Format : 0;
        mix.Samples.wValidBitsPerSample = f.wBitsPerSample;
        // KSDATAFORMAT_SUBTYPE_IEEE_FLOAT or KSDATAFORMAT_SUBTYPE_PCM.
        mix.SubFormat = {format.isFloat ? 3UL : 1UL,
                         0x0000,
                         0x0010,
                         {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    }

    HRESULT STDMETHODCALLTYPE Initialize(AUDCLNT_SHAREMODE mode, DWORD flags, REFERENCE_TIME,
                                         REFERENCE_TIME, const WAVEFORMATEX* format,
                                         LPCGUID) override {
        streamFlags = flags;
        if (mode != AUDCLNT_SHAREMODE_SHARED || std::memcmp(format, &mix, sizeof mix.Format) != 0)
            return AUDCLNT_E_UNSUPPORTED_FORMAT;
        return initializeResult;
    }
    HRESULT STDMETHODCALLTYPE GetBufferSize(UINT32* frames) override {
        *frames = mix.Format.nSamplesPerSec / 10;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetStreamLatency(REFERENCE_TIME*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCurrentPadding(UINT32*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsFormatSupported(AUDCLNT_SHAREMODE, const WAVEFORMATEX*,
                                                WAVEFORMATEX**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetMixFormat(WAVEFORMATEX** format) override {
        *format = static_cast<WAVEFORMATEX*>(CoTaskMemAlloc(sizeof mix));
        std::memcpy(*format, &mix, sizeof mix);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDevicePeriod(REFERENCE_TIME*, REFERENCE_TIME*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Start() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Stop() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Reset() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetEventHandle(HANDLE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetService(REFIID id, void** object) override {
        if (FAILED(serviceResult)) return serviceResult;
        return capture.QueryInterface(id, object);
    }
};

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

class ScriptedEndpoints final : public RenderEndpoints {
  public:
    explicit ScriptedEndpoints(ScriptedAudioClient& client) : client_(client) {}
    HRESULT activate(const std::string& /*output*/, IAudioClient** client,
                     std::wstring& id) override {
        id = L"{0.0.0.00000000}.{orvanta}";
        client_.AddRef();
        *client = &client_;
        return S_OK;
    }
    std::wstring defaultId() override { return L"{0.0.0.00000000}.{orvanta}"; }

  private:
    ScriptedAudioClient& client_;
};

std::atomic<int> blocksHandedBack{0};

void countBlock(capture::WaveInHandle, unsigned message, std::uintptr_t, std::uintptr_t,
                std::uintptr_t) {
    if (message == capture::kWimData) ++blocksHandedBack;
}

struct StreamCase {
    capture::MixFormat format;
    bool extensible;
};

class WasapiBlocks : public ::testing::TestWithParam<StreamCase> {};

TEST_P(WasapiBlocks, TheEnginesBufferComesBackWithTheLevelPlayed) {
    const StreamCase c = GetParam();
    ScriptedAudioClient client;
    client.mixIn(c.format, c.extensible);
    client.capture.play(c.format, 0, true);
    ScriptedEndpoints endpoints(client);
    WasapiStream stream(endpoints);
    capture::LoopbackDevice device(stream);
    ASSERT_EQ(device.open("", &countBlock, 0), capture::StreamOpen::kOpened);
    EXPECT_EQ(client.streamFlags, static_cast<DWORD>(AUDCLNT_STREAMFLAGS_LOOPBACK));
    device.start();

    blocks::Block buffer{};
    capture::WaveHeader header{};
    header.lpData = reinterpret_cast<char*>(buffer.data());
    header.dwBufferLength = blocks::kBlockSamples;
    // The first block holds the resampler's edge; the third is the level's.
    for (int block = 1; block <= 3; ++block) {
        blocksHandedBack = 0;
        device.addBuffer(&header);
        ASSERT_TRUE(testing::waitUntil([] { return blocksHandedBack > 0; })) << "block " << block;
    }
    EXPECT_EQ(header.dwBytesRecorded, static_cast<DWORD>(blocks::kBlockSamples));
    EXPECT_EQ(buffer[128], blocks::toProgramSample(kLevel));
    device.reset();
    EXPECT_EQ(device.close(), capture::kMmSysErrNoError);
    EXPECT_EQ(client.refs, 0U);
    EXPECT_EQ(client.capture.refs, 0U);
    EXPECT_EQ(client.capture.held, 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, WasapiBlocks,
                         ::testing::Values(StreamCase{{true, 32, 2, 48000}, true},
                                           StreamCase{{false, 16, 2, 44100}, true},
                                           StreamCase{{true, 32, 6, 96000}, false},
                                           StreamCase{{false, 16, 6, 48000}, false}));

TEST(WasapiPackets, CarryTheirFlagsUntilTheOutputIsGone) {
    ScriptedAudioClient client;
    const capture::MixFormat format{false, 16, 2, 48000};
    client.mixIn(format, true);
    client.capture.play(format, 0, false);
    client.capture.scripted = {0, AUDCLNT_BUFFERFLAGS_DATA_DISCONTINUITY,
                               AUDCLNT_BUFFERFLAGS_SILENT};
    ScriptedEndpoints endpoints(client);
    WasapiStream stream(endpoints);
    ASSERT_EQ(stream.open(""), capture::StreamOpen::kOpened);
    capture::EndpointPacket packet;
    std::vector<std::pair<bool, bool>> flags;  // discontinuity, silent
    while (stream.nextPacket(packet) == capture::PacketRead::kPacket)
        flags.emplace_back(packet.discontinuity, packet.silent);
    EXPECT_EQ(flags,
              (std::vector<std::pair<bool, bool>>{{false, false}, {true, false}, {false, true}}));
    client.capture.invalidated = true;
    EXPECT_EQ(stream.nextPacket(packet), capture::PacketRead::kInvalidated);
    EXPECT_EQ(client.capture.held, 0);
    stream.close();
    EXPECT_EQ(client.refs, 0U);
}

struct OpenCase {
    HRESULT initializeResult;
    HRESULT serviceResult;
    int containerBits;
    capture::StreamOpen expected;
};

class WasapiOpen : public ::testing::TestWithParam<OpenCase> {};

TEST_P(WasapiOpen, RefusalsAreToldApartAndLeaveNothingHeld) {
    ScriptedAudioClient client;
    client.mixIn({false, GetParam().containerBits, 2, 48000}, true);
    client.initializeResult = GetParam().initializeResult;
    client.serviceResult = GetParam().serviceResult;
    ScriptedEndpoints endpoints(client);
    WasapiStream stream(endpoints);
    EXPECT_EQ(stream.open("Orvanta"), GetParam().expected);
    EXPECT_EQ(client.refs, 0U);
}

INSTANTIATE_TEST_SUITE_P(Refusals, WasapiOpen,
                         ::testing::Values(OpenCase{AUDCLNT_E_WRONG_ENDPOINT_TYPE, S_OK, 16,
                                                    capture::StreamOpen::kLoopbackRefused},
                                           // As Wine 8 refuses.
                                           OpenCase{S_OK, AUDCLNT_E_WRONG_ENDPOINT_TYPE, 16,
                                                    capture::StreamOpen::kLoopbackRefused},
                                           OpenCase{AUDCLNT_E_DEVICE_IN_USE, S_OK, 16,
                                                    capture::StreamOpen::kRefused},
                                           OpenCase{S_OK, S_OK, 8, capture::StreamOpen::kRefused}));

}  // namespace
}  // namespace orv::win32
