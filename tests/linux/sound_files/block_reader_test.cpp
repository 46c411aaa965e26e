#include "linux/sound_files/block_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "engine/blocks/sample_conversion.h"
#include "linux/support/sound_files.h"

namespace orv::sound_files {
namespace {

using testing::ScratchFolder;

std::vector<blocks::Block> readAll(BlockReader& reader) {
    std::vector<blocks::Block> blocks;
    blocks::Block block{};
    while (reader.next(block)) blocks.push_back(block);
    return blocks;
}

// At the program's rate a sample passes unchanged but for the 16-bit file's rounding, so each
// byte of a block can be foreseen: a ramp through every level.
std::vector<float> ramp(int samples) {
    std::vector<float> out;
    for (int i = 0; i < samples; ++i) out.push_back(static_cast<float>(i % 256 - 128) / 128.0F);
    return out;
}

struct Range {
    int samples;
    TimeRange range;
    int firstSample;  // of the file, where the first block starts
    int blocks;
    int samplesInLast;
};

class ReadingARange : public ::testing::TestWithParam<Range> {};

TEST_P(ReadingARange, CutsConsecutiveBlocksFromItsStart) {
    const Range& r = GetParam();
    ScratchFolder folder;
    testing::writeSound(folder / "ramp.wav", blocks::kSampleRate, 1, ramp(r.samples));
    BlockReader reader(folder / "ramp.wav", r.range);
    const std::vector<blocks::Block> blocks = readAll(reader);
    ASSERT_EQ(static_cast<int>(blocks.size()), r.blocks);
    EXPECT_EQ(reader.blockCount(), r.blocks);
    for (int b = 0; b < r.blocks; ++b) {
        const int filled =
            b + 1 < r.blocks ? static_cast<int>(blocks::kBlockSamples) : r.samplesInLast;
        for (int i = 0; i < static_cast<int>(blocks::kBlockSamples); ++i) {
            const int expected =
                i < filled ? (r.firstSample + b * 256 + i) % 256 : blocks::kSilence;
            ASSERT_EQ(blocks[b][i], expected) << "block " << b << " sample " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    FromAndTo, ReadingARange,
    ::testing::Values(
        Range{1024, {}, 0, 4, 256}, Range{1000, {}, 0, 4, 232}, Range{10, {}, 0, 1, 10},
        Range{2000, {100.0 / blocks::kSampleRate, {}}, 100, 8, 1900 - 7 * 256},
        Range{2000, {0, 300.0 / blocks::kSampleRate}, 0, 2, 44},
        Range{2000, {512.0 / blocks::kSampleRate, 1024.0 / blocks::kSampleRate}, 512, 2, 256},
        // An end beyond the sound's is its end.
        Range{600, {0, 60.0}, 0, 3, 88}));

TEST(ReadingChannels, AveragesThemBeforeResampling) {
    ScratchFolder folder;
    const std::vector<float> tone = testing::sine(700, 44100, 0.5);
    std::vector<float> stereo;
    for (const float s : tone) {
        stereo.push_back(s);
        stereo.push_back(-s);
    }
    testing::writeSound(folder / "opposed.flac", 44100, 2, stereo);
    BlockReader reader(folder / "opposed.flac", {});
    const std::vector<blocks::Block> blocks = readAll(reader);
    EXPECT_EQ(blocks.size(), (5513U + 255U) / 256U);
    for (const blocks::Block& block : blocks) {
        for (const std::uint8_t s : block) ASSERT_EQ(s, blocks::kSilence);
    }
}

struct Drawn {
    DrawnSound drawn;
    std::uint8_t level;  // of every sample drawn
    float peak;
};

class DrawingPartOfTheSound : public ::testing::TestWithParam<Drawn> {};

// Left at 0.25, right at -0.5: a channel or their mean, with a gain, and the loudest sample of
// what is drawn for --normalize.
TEST_P(DrawingPartOfTheSound, ChannelAndGain) {
    ScratchFolder folder;
    std::vector<float> stereo;
    for (int i = 0; i < 512; ++i) stereo.insert(stereo.end(), {0.25F, -0.5F});
    testing::writeSound(folder / "two.wav", blocks::kSampleRate, 2, stereo);
    BlockReader reader(folder / "two.wav", {}, {}, GetParam().drawn);
    for (const blocks::Block& block : readAll(reader)) {
        for (const std::uint8_t s : block) ASSERT_EQ(s, GetParam().level);
    }
    EXPECT_FLOAT_EQ(peakLevel(folder / "two.wav", {}, {GetParam().drawn.channel, 1}),
                    GetParam().peak);
}

INSTANTIATE_TEST_SUITE_P(Choices, DrawingPartOfTheSound,
                         ::testing::Values(Drawn{{}, 112, 0.125F}, Drawn{{0, 1}, 160, 0.25F},
                                           Drawn{{1, 1}, 64, 0.5F}, Drawn{{{}, 4}, 64, 0.125F},
                                           Drawn{{0, 8}, 255, 0.25F}));

TEST(ReadingACutFile, ReadsWhatIsThereAndSaysSo) {
    ScratchFolder folder;
    testing::writeSound(folder / "whole.wav", blocks::kSampleRate, 1, ramp(4096));
    testing::cutCopy(folder / "whole.wav", folder / "cut.wav", 44 + 2 * 1000);
    BlockReader whole(folder / "whole.wav", {});
    EXPECT_FALSE(whole.cutShort());
    BlockReader cut(folder / "cut.wav", {});
    EXPECT_TRUE(cut.cutShort());
    EXPECT_EQ(readAll(cut).size(), 4U);
}

struct BadSound {
    std::string name;
    std::function<void(const ScratchFolder&)> make;  // writes folder / name, or nothing
    TimeRange range;
    std::string reason;
};

class ReadingABadSound : public ::testing::TestWithParam<BadSound> {};

TEST_P(ReadingABadSound, NamesTheFileAndTheReason) {
    const BadSound& bad = GetParam();
    ScratchFolder folder;
    bad.make(folder);
    try {
        BlockReader reader(folder / bad.name, bad.range);
        FAIL() << "read " << bad.name;
    } catch (const SoundError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find((folder / bad.name).string() + ": "), std::string::npos) << message;
        EXPECT_NE(message.find(bad.reason), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

void writeText(const std::filesystem::path& file) {
    std::ofstream(file) << "not a sound at all\n";
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadingABadSound,
    ::testing::Values(BadSound{"missing.wav", [](const ScratchFolder&) {}, {}, "no such file"},
                      BadSound{"text.wav",
                               [](const ScratchFolder& f) { writeText(f / "text.wav"); },
                               {},
                               "not a sound file"},
                      BadSound{"header.wav",
                               [](const ScratchFolder& f) {
                                   testing::writeSound(f / "whole.wav", blocks::kSampleRate, 1,
                                                       ramp(100));
                                   testing::cutCopy(f / "whole.wav", f / "header.wav", 30);
                               },
                               {},
                               "not a sound file"},
                      BadSound{"empty.wav",
                               [](const ScratchFolder& f) {
                                   testing::writeSound(f / "empty.wav", blocks::kSampleRate, 1, {});
                               },
                               {},
                               "holds no samples"},
                      BadSound{"late.wav",
                               [](const ScratchFolder& f) {
                                   testing::writeSound(f / "late.wav", blocks::kSampleRate, 1,
                                                       ramp(100));
                               },
                               {1.0, {}},
                               "no samples between --from and --to"},
                      BadSound{"folder.wav",
                               [](const ScratchFolder& f) {
                                   std::filesystem::create_directory(f / "folder.wav");
                               },
                               {},
                               "is a folder"}));

}  // namespace
}  // namespace orv::sound_files
