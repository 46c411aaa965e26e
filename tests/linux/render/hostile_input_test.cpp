// The renderer fed as pipelines and careless hands feed it: streams, odd names, signals, sounds
// too short or not numbers.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "linux/support/child_process.h"
#include "linux/support/fifo_feed.h"
#include "linux/support/sound_files.h"
#include "render_runs.h"

namespace orv::render {
namespace {

using namespace std::chrono_literals;
using testing::FifoFeed;
using testing::ProgramRun;
using testing::runProgram;
using testing::ScratchFolder;

constexpr int kRate = 44100;

// Two seconds at 44.1 kHz: 87 frames of 256 samples at 11025 Hz.
void writeTwoSeconds(const std::filesystem::path& file) {
    const std::vector<float> tone = testing::sine(440, kRate, 2.0);
    testing::writeSound(file, kRate, 1, tone);
}

bool leftTemporaryFiles(const ScratchFolder& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        if (entry.path().filename().string().ends_with(".part")) return true;
    }
    return false;
}

// Whether a process still runs with the folder in its command line (an orphaned ffmpeg).
bool processUses(const ScratchFolder& folder) {
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string command = slurp(entry.path() / "cmdline");
        if (command.find(folder.path().string()) != std::string::npos) return true;
    }
    return false;
}

struct Source {
    std::string what;
    // Writes the input (2 s of sound) into the folder; the name to render.
    std::function<std::string(const ScratchFolder&, std::unique_ptr<FifoFeed>&)> input;
};

class TakingTheSoundItRead : public ::testing::TestWithParam<Source> {};

// ffmpeg gets the sound from the program, never by the input's name.
TEST_P(TakingTheSoundItRead, IntoTheVideo) {
    ScratchFolder folder;
    std::unique_ptr<FifoFeed> feed;
    const std::string input = GetParam().input(folder, feed);
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());  // where a relative name is looked for
    const ProgramRun run = runProgram(renderer({input, (folder / "out.mp4").string()}));
    std::filesystem::current_path(before);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("warning"), std::string::npos) << run.err;
    EXPECT_EQ(probe(folder / "out.mp4", "v", "nb_read_frames"), 87);
    EXPECT_NEAR(probe(folder / "out.mp4", "a", "duration"), 2.0, 0.03);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, TakingTheSoundItRead,
    ::testing::Values(Source{"FIFO",
                             [](const ScratchFolder& f, std::unique_ptr<FifoFeed>& feed) {
                                 writeTwoSeconds(f / "a.wav");
                                 feed = std::make_unique<FifoFeed>(f / "f.wav", slurp(f / "a.wav"));
                                 return (f / "f.wav").string();
                             }},
                      Source{"URL-like name",
                             [](const ScratchFolder& f, std::unique_ptr<FifoFeed>& /*feed*/) {
                                 testing::writeSound(f / "x.wav", kRate, 1,
                                                     testing::sine(440, kRate, 0.5));
                                 writeTwoSeconds(f / "file:x.wav");
                                 return std::string("file:x.wav");
                             }},
                      Source{"WAV stream of unknown length",
                             [](const ScratchFolder& f, std::unique_ptr<FifoFeed>& feed) {
                                 writeTwoSeconds(f / "a.wav");
                                 const ProgramRun stream =
                                     runProgram({"ffmpeg", "-v", "error", "-i",
                                                 (f / "a.wav").string(), "-f", "wav", "-"});
                                 feed = std::make_unique<FifoFeed>(f / "f.wav", stream.out);
                                 return (f / "f.wav").string();
                             }}));

class EndingOnASignal : public ::testing::TestWithParam<int> {};

// A writer that stalls inside the sound: the run still ends within a second, cleanly.
TEST_P(EndingOnASignal, AtOnceAndCleanly) {
    ScratchFolder folder;
    writeTwoSeconds(folder / "a.wav");
    const FifoFeed feed(folder / "f.wav", slurp(folder / "a.wav").substr(0, 100000), 60s);
    testing::ChildProcess program(
        renderer({(folder / "f.wav").string(), (folder / "o.mp4").string()}), {});
    std::this_thread::sleep_for(1s);  // well into the stall
    const auto sent = std::chrono::steady_clock::now();
    kill(program.pid(), GetParam());
    const std::optional<int> status = program.waitForExit(5s);
    ASSERT_TRUE(status) << "still running";
    EXPECT_LT(std::chrono::steady_clock::now() - sent, 1s);
    EXPECT_EQ(*status, 128 + GetParam());
    EXPECT_TRUE(program.errors().ends_with("\norvanta2-render: interrupted\n")) << program.errors();
    EXPECT_FALSE(leftTemporaryFiles(folder));
    EXPECT_FALSE(processUses(folder)) << "ffmpeg left running";
}

INSTANTIATE_TEST_SUITE_P(Signals, EndingOnASignal,
                         ::testing::Values(SIGINT, SIGTERM, SIGHUP, SIGQUIT));

struct Tiny {
    int samples;  // at 44.1 kHz
    std::string output;
    int frames;
};

class DrawingATinySound : public ::testing::TestWithParam<Tiny> {};

// Every sample begun is drawn: one frame a 256 samples at 11025 Hz begun, never an empty file.
TEST_P(DrawingATinySound, IntoAFrameForEveryBlockBegun) {
    ScratchFolder folder;
    testing::writeSound(folder / "t.wav", kRate, 1,
                        testing::sine(440, kRate, GetParam().samples / 44100.0));
    const ProgramRun run =
        runProgram(renderer({(folder / "t.wav").string(), (folder / GetParam().output).string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    if (GetParam().output.find('%') != std::string::npos) {
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}),
                  1 + GetParam().frames);
    } else {
        EXPECT_EQ(probe(folder / GetParam().output, "v", "nb_read_frames"), GetParam().frames);
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, DrawingATinySound,
                         ::testing::Values(Tiny{1, "o.gif", 1}, Tiny{1, "o.mp4", 1},
                                           Tiny{1025, "o.mp4", 2}, Tiny{1025, "f%02d.png", 2}));

struct Stream {
    std::string what;
    std::vector<std::string> encode;  // ffmpeg's arguments after the input, to standard output
    std::string message;
};

class RefusingAStream : public ::testing::TestWithParam<Stream> {};

TEST_P(RefusingAStream, SayingWhy) {
    ScratchFolder folder;
    writeTwoSeconds(folder / "a.wav");
    std::vector<std::string> encode = {"ffmpeg", "-v", "error", "-i", (folder / "a.wav").string()};
    encode.insert(encode.end(), GetParam().encode.begin(), GetParam().encode.end());
    const FifoFeed feed(folder / "f", runProgram(encode).out);
    const ProgramRun run =
        runProgram(renderer({(folder / "f").string(), (folder / "o.png").string()}));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RefusingAStream,
    ::testing::Values(
        Stream{"MP3", {"-f", "mp3", "-"}, "MP3 cannot be read from a pipe"},
        Stream{"FLAC", {"-f", "flac", "-"}, "cannot be read from a pipe (Error : flac"}));

// A NaN would spread through the resampler and blank frames, and stop the AAC encoder.
TEST(DrawingSamplesThatAreNotNumbers, AsSilenceWithOneWarning) {
    ScratchFolder folder;
    std::vector<float> level(4410, 0.5F);
    level[4000] = 0;
    level[4001] = 0;
    testing::writeSound(folder / "zero.wav", kRate, 1, level, testing::Encoding::Float);
    level[4000] = std::numeric_limits<float>::quiet_NaN();
    level[4001] = std::numeric_limits<float>::infinity();
    testing::writeSound(folder / "nan.wav", kRate, 1, level, testing::Encoding::Float);
    for (const std::string name : {"nan.png", "zero.png", "nan.mp4"}) {
        const std::string input = name.starts_with("zero") ? "zero.wav" : "nan.wav";
        const ProgramRun run =
            runProgram(renderer({(folder / input).string(), (folder / name).string()}));
        ASSERT_EQ(run.status, 0) << name << run.err;
        if (input == "nan.wav") {
            EXPECT_NE(run.err.find("nan.wav: 2 samples are not numbers"), std::string::npos)
                << run.err;
        }
    }
    EXPECT_EQ(slurp(folder / "nan.png"), slurp(folder / "zero.png"));
}

// ffmpeg can exit with 0 having written nothing usable: that is not success.
TEST(CheckingWhatFfmpegWrote, RefusesAnEmptyFile) {
    ScratchFolder folder;
    writeTwoSeconds(folder / "a.wav");
    std::filesystem::create_directory(folder / "bin");
    std::ofstream(folder / "bin/ffmpeg") << "#!/bin/sh\nexec /bin/cat >/dev/null\n";
    std::filesystem::permissions(folder / "bin/ffmpeg", std::filesystem::perms::owner_all);
    std::filesystem::create_symlink("/usr/bin/ffprobe", folder / "bin/ffprobe");
    const ProgramRun run =
        runProgram(renderer({(folder / "a.wav").string(), (folder / "o.gif").string()}),
                   {{"PATH", (folder / "bin").string()}});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("o.gif: ffmpeg wrote no readable file of the 87 frames it was sent"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "o.gif"));
}

// The temporary name beside the output grows it: it must still fit in a folder.
TEST(WritingUnderALongName, AsLongAsTheFolderTakes) {
    ScratchFolder folder;
    writeTwoSeconds(folder / "a.wav");
    const std::string name = std::string(251, 'n') + ".png";
    const ProgramRun run =
        runProgram(renderer({(folder / "a.wav").string(), (folder / name).string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(folder / name));
}

}  // namespace
}  // namespace orv::render
