#include "linux/live/sound_converter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace orv::live {
namespace {

class KeptSamples : public SoundSink {
  public:
    void write(std::span<const std::uint8_t> samples) override {
        kept.insert(kept.end(), samples.begin(), samples.end());
    }
    void lose(std::size_t) override {}
    void end() override {}
    std::vector<std::uint8_t> kept;
};

struct Source {
    int rate;
    std::vector<float> frame;  // its channels, whose mean is 0.5 (level 192)
};

class ConvertedSource : public ::testing::TestWithParam<Source> {};

// A second of a steady frame, handed over at once (longer than a chunk), comes out as a second of
// the channels' mean at 11025 Hz; a NaN early on blanks a few samples near it, not the rest.
TEST_P(ConvertedSource, GivesASecondOfTheChannelsMean) {
    const Source& source = GetParam();
    const auto channels = static_cast<int>(source.frame.size());
    std::vector<float> sound;
    for (int frame = 0; frame < source.rate; ++frame) {
        sound.insert(sound.end(), source.frame.begin(), source.frame.end());
    }
    sound[10] = NAN;
    SoundConverter converter(source.rate, channels);
    KeptSamples sink;
    converter.convert(sound, sink);

    EXPECT_GE(sink.kept.size(), 11025u - 128);
    EXPECT_LE(sink.kept.size(), 11025u);
    EXPECT_TRUE(std::all_of(sink.kept.begin() + 256, sink.kept.end(),
                            [](std::uint8_t s) { return s == 192; }));
    EXPECT_EQ(converter.samplesIn(sound.size() * sizeof(float)), 11025u);
}

INSTANTIATE_TEST_SUITE_P(Sources, ConvertedSource,
                         ::testing::Values(Source{11025, {0.5F}}, Source{8000, {0.75F, 0.25F}},
                                           Source{48000, {0.75F, 0.25F}},
                                           Source{96000, {1, 0, 0.5F, 0.5F, 0.25F, 0.75F}}));

}  // namespace
}  // namespace orv::live
