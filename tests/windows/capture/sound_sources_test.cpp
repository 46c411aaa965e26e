// The sources of what the outputs play: the output itself, or else the input that carries it.
#include "windows/capture/sound_sources.h"

#include <gtest/gtest.h>

#include <utility>

#include "windows/capture/capture.h"
#include "windows/capture/input_devices.h"
#include "windows/capture/wave_in_callback.h"
#include "windows/support/scripted_endpoint_stream.h"
#include "windows/support/scripted_wave_in.h"

namespace orv::testing {
namespace {

class ScriptedOutputs : public capture::OutputEndpoints {
  public:
    std::vector<std::string> names() override { return {"Orvanta", "orvtest Audio/Sink sink B"}; }
    std::string defaultName() override { return defaultOutput; }
    std::vector<std::string> recordingNames() override {
        return {"Mic", "Monitor of orvtest Audio/Sink sink B", "Monitor of Orvanta"};
    }
    std::string defaultOutput = "Orvanta";
};

struct OpenCase {
    std::string defaultOutput;
    unsigned source;       // 0: the default output's, then each output's
    std::string expected;  // the recording device opened, as the scripted device records it
};

class SoundSourcesOpen : public ::testing::TestWithParam<OpenCase> {};

TEST_P(SoundSourcesOpen, AnOutputRecordsFromItsMonitorAndAnOutputWithNoneCannotOpen) {
    ScriptedWaveIn recording;
    // winmm cuts the second monitor's name to 31 characters; Wine names the server's default
    // input "PulseAudio", as its default output.
    recording.offer({"Mic", "Monitor of orvtest Audio/Sink s", "Monitor of Orvanta", "PulseAudio"});
    ScriptedOutputs outputs;
    outputs.defaultOutput = GetParam().defaultOutput;
    // As under Wine, the system records no output itself.
    ScriptedEndpointStream stream;
    stream.opens = {capture::StreamOpen::kLoopbackRefused};
    capture::LoopbackDevice loopback(stream);
    capture::SoundSources sources(recording, outputs, loopback);
    ASSERT_EQ(sources.getNumDevs(), 7U);

    capture::WaveInHandle handle = 0;
    const capture::MmResult result =
        sources.open(&handle, 4 + GetParam().source, capture::Capture::captureFormat(), nullptr, 0,
                     capture::kCallbackFunction);
    EXPECT_EQ(result == capture::kMmSysErrNoError, !GetParam().expected.empty());
    EXPECT_EQ(recording.calls.empty() ? "" : recording.calls[0].substr(0, 6), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Outputs, SoundSourcesOpen,
                         ::testing::Values(OpenCase{"Orvanta", 0, "open 2"},
                                           OpenCase{"orvtest Audio/Sink sink B", 0, "open 1"},
                                           OpenCase{"PulseAudio", 0, "open 3"}, OpenCase{"", 0, ""},
                                           OpenCase{"", 1, "open 2"}, OpenCase{"", 2, "open 1"}));

// winmm cuts names to 31 characters: the menu shows the whole name, and a cut one kept by an
// earlier version still finds its device.
TEST(SoundSourcesNames, RecordingDevicesGoByTheirWholeNamesAndCutOnesStillFindThem) {
    ScriptedWaveIn recording;
    recording.offer({"Mic", "Monitor of orvtest Audio/Sink s", "PulseAudio"});
    ScriptedOutputs outputs;
    ScriptedEndpointStream stream;
    capture::LoopbackDevice loopback(stream);
    capture::SoundSources sources(recording, outputs, loopback);
    const std::vector<std::string> names = capture::inputDeviceNames(sources);
    ASSERT_GE(names.size(), 3U);
    EXPECT_EQ(names[1], "Monitor of orvtest Audio/Sink sink B");
    EXPECT_EQ(names[2], "PulseAudio") << "a name no endpoint has stays as winmm gives it";
    for (const char* kept :
         {"Monitor of orvtest Audio/Sink sink B", "Monitor of orvtest Audio/Sink s"})
        EXPECT_EQ(capture::inputDeviceId(sources, kept), 1U) << kept;
    EXPECT_EQ(capture::inputDeviceId(sources, "Monitor of orvtest"), capture::kWaveMapper);
}

TEST(SoundSourcesLoopback, AnOutputHeldElsewhereCannotOpenAndNoMonitorIsTried) {
    ScriptedWaveIn recording;
    recording.offer({"Monitor of Orvanta"});
    ScriptedOutputs outputs;
    ScriptedEndpointStream stream;
    stream.opens = {capture::StreamOpen::kRefused};
    capture::LoopbackDevice loopback(stream);
    capture::SoundSources sources(recording, outputs, loopback);
    sources.getNumDevs();
    capture::WaveInHandle handle = 0;
    EXPECT_NE(sources.open(&handle, 1, capture::Capture::captureFormat(), nullptr, 0,
                           capture::kCallbackFunction),
              capture::kMmSysErrNoError);
    EXPECT_TRUE(recording.calls.empty());
}

// The engine over an output that is gone at once: its buffer comes back with silence, and the
// system's choice of recording device goes on with the next block.
TEST(SoundSourcesLoopback, AnOutputGoneDuringTheCaptureGoesOnFromTheSystemsChoice) {
    capture::BufferDone = capture::kFalse;
    ScriptedWaveIn recording;
    recording.offer({"Mic"});
    ScriptedOutputs outputs;
    ScriptedEndpointStream stream;
    stream.goneAtOnce = true;
    capture::LoopbackDevice loopback(stream);
    capture::SoundSources sources(recording, outputs, loopback);
    std::vector<std::uint8_t> drawn;
    bool stopped = false;
    capture::Capture engine(sources, [&] {
        if (recording.holdsBuffer()) recording.deliver(7);
        if (drawn.size() == 2 && !std::exchange(stopped, true)) engine.stop();
    });
    engine.DrawFrame = [&] { drawn.push_back(engine.SampleBuffer()[128]); };
    engine.selectDevice(std::string(capture::kOutputMark) + "Orvanta");
    engine.start();

    EXPECT_EQ(drawn, (std::vector<std::uint8_t>{blocks::kSilence, 7}));
    ASSERT_FALSE(recording.calls.empty());
    EXPECT_EQ(recording.calls.front(), "open 4294967295 0 196608");
    EXPECT_EQ(stream.opened, (std::vector<std::string>{"Orvanta"}));
    EXPECT_FALSE(loopback.isOpen());
}

}  // namespace
}  // namespace orv::testing
