// The sources of what the outputs play, opened through the input that carries each output.
#include "windows/capture/sound_sources.h"

#include <gtest/gtest.h>

#include "windows/capture/capture.h"
#include "windows/support/scripted_wave_in.h"

namespace orv::testing {
namespace {

class ScriptedOutputs : public capture::OutputEndpoints {
  public:
    std::vector<std::string> names() override { return {"Orvanta", "orvtest Audio/Sink sink B"}; }
    std::string defaultName() override { return defaultOutput; }
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
    // winmm cuts the second monitor's name to 31 characters.
    recording.offer({"Mic", "Monitor of orvtest Audio/Sink s", "Monitor of Orvanta"});
    ScriptedOutputs outputs;
    outputs.defaultOutput = GetParam().defaultOutput;
    capture::SoundSources sources(recording, outputs);
    ASSERT_EQ(sources.getNumDevs(), 6U);

    capture::WaveInHandle handle = 0;
    const capture::MmResult result =
        sources.open(&handle, 3 + GetParam().source, capture::Capture::captureFormat(), nullptr, 0,
                     capture::kCallbackFunction);
    EXPECT_EQ(result == capture::kMmSysErrNoError, !GetParam().expected.empty());
    EXPECT_EQ(recording.calls.empty() ? "" : recording.calls[0].substr(0, 6), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Outputs, SoundSourcesOpen,
                         ::testing::Values(OpenCase{"Orvanta", 0, "open 2"},
                                           OpenCase{"orvtest Audio/Sink sink B", 0, "open 1"},
                                           OpenCase{"", 0, ""}, OpenCase{"", 1, "open 2"},
                                           OpenCase{"", 2, "open 1"}));

}  // namespace
}  // namespace orv::testing
