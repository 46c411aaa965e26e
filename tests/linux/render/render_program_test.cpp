#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/pane_picture.h"
#include "engine/drawing/raster_canvas.h"
#include "linux/render/frame_windows.h"
#include "linux/sound_files/block_reader.h"
#include "linux/support/child_process.h"
#include "linux/support/sound_files.h"
#include "render_runs.h"

namespace orv::render {
namespace {

using testing::ProgramRun;
using testing::runProgram;
using testing::ScratchFolder;

constexpr int kRate = 44100;
constexpr double kSeconds = 2.0;
// 2 s at 11025 Hz is 22050 samples: 86 whole blocks and a partial one.
constexpr int kBlocks = 87;

std::vector<std::uint8_t> bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// A stereo sweep with a different tone in each channel, so averaging and timing both show.
void writeSweep(const std::filesystem::path& file) {
    std::vector<float> samples;
    const int frames = static_cast<int>(kSeconds * kRate);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        samples.push_back(
            static_cast<float>(0.7 * std::sin(2 * std::numbers::pi * (200 + 300 * t) * t)));
        samples.push_back(static_cast<float>(0.2 * std::sin(2 * std::numbers::pi * 1500 * t)));
    }
    testing::writeSound(file, kRate, 2, samples);
}

// What the engine draws for the file's blocks, as RGB pictures: the first `first` frames and
// the last one.
struct Frames {
    std::vector<std::vector<std::uint8_t>> first;
    std::vector<std::uint8_t> last;
};

Frames engineFrames(const std::filesystem::path& sound, const drawing::DrawSettings& settings,
                    int scale, bool grid, int first) {
    sound_files::BlockReader reader(sound, {});
    FrameWindows windows(reader, kBlockRate);
    drawing::RasterCanvas pane;
    drawing::CustomColours colours;
    drawing::BlockDrawing drawing(pane, colours);
    drawing::PanePicture picture(pane.width(), pane.height(), scale, grid);
    Frames frames;
    blocks::Block block{};
    while (windows.next(block)) {
        drawing.draw(block, settings);
        const auto rgb = picture.composeRgb(pane.pixels());
        frames.last.assign(rgb.begin(), rgb.end());
        if (static_cast<int>(frames.first.size()) < first) frames.first.push_back(frames.last);
    }
    return frames;
}

std::vector<std::uint8_t> decodePng(const std::filesystem::path& file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, file.c_str()) == 0) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) return {};
    return rgb;
}

std::vector<std::uint8_t> firstFrameByFfmpeg(const std::filesystem::path& file) {
    return bytes(runProgram({"ffmpeg", "-v", "error", "-i", file.string(), "-frames:v", "1", "-f",
                             "rawvideo", "-pix_fmt", "rgb24", "-"})
                     .out);
}

class RenderingAWav : public ::testing::Test {
  protected:
    void SetUp() override { writeSweep(sound); }
    ProgramRun render(std::vector<std::string> args) {
        args.insert(args.begin(), sound.string());
        return runProgram(renderer(args));
    }
    ScratchFolder folder;
    std::filesystem::path sound = folder / "sweep.wav";
};

TEST_F(RenderingAWav, ToOnePngGivesTheEnginesLastPicture) {
    const ProgramRun run =
        render({(folder / "last.png").string(), "--style", "3", "--scheme", "8"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "orvanta2-render: 260x260, 43.0664 frames a second, 87 frames\n")
        << "what is to come, and with no terminal no progress bar";
    EXPECT_EQ(decodePng(folder / "last.png"),
              engineFrames(sound, {3, 8, true, 1}, 1, false, 0).last);
}

TEST_F(RenderingAWav, ToAPngSequenceGivesOnePictureABlock) {
    std::filesystem::create_directory(folder / "seq");
    const ProgramRun run = render({(folder / "seq/f%04d.png").string(), "--style", "Кольца",
                                   "--zoom", "2", "--grid", "--scale", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "seq"), {}), kBlocks);
    const Frames frames = engineFrames(sound, {4, 0, true, 2}, 2, true, 2);
    EXPECT_EQ(decodePng(folder / "seq/f0001.png"), frames.first[0]);
    EXPECT_EQ(decodePng(folder / "seq/f0002.png"), frames.first[1]);
    EXPECT_EQ(decodePng(folder / "seq/f0087.png"), frames.last);
}

TEST_F(RenderingAWav, ToAGifKeepsEveryFrameAndItsColours) {
    const auto gif = folder / "anim.gif";
    const ProgramRun run = render({gif.string(), "--scheme", "Радужный", "--style", "19"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(probe(gif, "v", "nb_read_frames"), kBlocks);
    EXPECT_EQ(probe(gif, "v", "width"), 260);
    EXPECT_EQ(probe(gif, "v", "height"), 260);
    EXPECT_EQ(firstFrameByFfmpeg(gif), engineFrames(sound, {19, 8, true, 1}, 1, false, 1).first[0]);
}

TEST_F(RenderingAWav, ToAnMp4WithItsSoundInStep) {
    const auto mp4 = folder / "video.mp4";
    const ProgramRun run = render({mp4.string(), "--scale", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(probe(mp4, "v", "nb_read_frames"), kBlocks);
    EXPECT_EQ(probe(mp4, "v", "width"), 520);
    EXPECT_EQ(probe(mp4, "v", "height"), 520);
    EXPECT_NEAR(probe(mp4, "v", "duration"), kBlocks * 256.0 / 11025.0, 0.001);
    EXPECT_NEAR(probe(mp4, "a", "duration"), kSeconds, 0.05);
}

TEST_F(RenderingAWav, ToRawFramesOnStandardOutput) {
    const ProgramRun run = render({"-", "--style", "2", "--from", "0.5", "--to", "1.0"});
    ASSERT_EQ(run.status, 0) << run.err;
    constexpr std::size_t kFrame = 260 * 260 * 3;
    // Half a second: 5512.5 samples, of which 5513 are read: 21 whole blocks and a partial one.
    ASSERT_EQ(run.out.size(), 22 * kFrame);
}

TEST_F(RenderingAWav, TheSameBytesOnEveryRun) {
    for (const std::string name : {"a.png", "a.gif", "a.mkv", "a.mp4"}) {
        const ProgramRun first = render({(folder / ("1" + name)).string(), "--style", "7"});
        const ProgramRun second = render({(folder / ("2" + name)).string(), "--style", "7"});
        ASSERT_EQ(first.status, 0) << first.err;
        ASSERT_EQ(second.status, 0) << second.err;
        EXPECT_EQ(slurp(folder / ("1" + name)), slurp(folder / ("2" + name))) << name;
    }
}

TEST_F(RenderingAWav, LeavesAnExistingOutputUnlessTold) {
    std::ofstream(folder / "old.png") << "keep me";
    const ProgramRun refused = render({(folder / "old.png").string()});
    EXPECT_NE(refused.status, 0);
    EXPECT_NE(refused.err.find("exists already"), std::string::npos) << refused.err;
    EXPECT_EQ(slurp(folder / "old.png"), "keep me");
    const ProgramRun replaced = render({(folder / "old.png").string(), "--overwrite"});
    ASSERT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_FALSE(decodePng(folder / "old.png").empty());
}

TEST_F(RenderingAWav, WarnsOfACutFileAndDrawsWhatIsThere) {
    testing::cutCopy(sound, folder / "cut.wav", 44 + 2 * kRate);  // half a second
    const ProgramRun run = runProgram(renderer({(folder / "cut.wav").string(), "-"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("cut.wav: cut off inside its data"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.size(), 22U * 260 * 260 * 3);
}

struct BadRun {
    std::string what;
    // Prepares the folder; returns the arguments after the program's name.
    std::function<std::vector<std::string>(const ScratchFolder&)> args;
    std::string message;    // in the one line of the error
    std::string path = {};  // PATH for the run, when not the usual
};

class RefusingBadInput : public ::testing::TestWithParam<BadRun> {};

TEST_P(RefusingBadInput, WithOneLineAndAFailingStatus) {
    ScratchFolder folder;
    writeSweep(folder / "good.wav");
    std::vector<testing::ChildProcess::Setting> environment;
    if (!GetParam().path.empty()) environment.emplace_back("PATH", GetParam().path);
    const ProgramRun run = runProgram(renderer(GetParam().args(folder)), environment);
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_EQ(entry.path().filename().string().find(".part"), std::string::npos)
            << "a temporary file was left";
    }
}

std::vector<std::string> toOut(const ScratchFolder& f, const std::string& input,
                               std::vector<std::string> more = {}) {
    more.insert(more.begin(), {(f / input).string(), (f / "out.gif").string()});
    return more;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusingBadInput,
    ::testing::Values(
        BadRun{"missing", [](const ScratchFolder& f) { return toOut(f, "none.wav"); },
               "none.wav: no such file"},
        BadRun{"text",
               [](const ScratchFolder& f) {
                   std::ofstream(f / "text.wav") << "hello\n";
                   return toOut(f, "text.wav");
               },
               "text.wav: not a sound file"},
        BadRun{"header cut",
               [](const ScratchFolder& f) {
                   testing::cutCopy(f / "good.wav", f / "head.wav", 30);
                   return toOut(f, "head.wav");
               },
               "head.wav: not a sound file"},
        BadRun{"no samples",
               [](const ScratchFolder& f) {
                   testing::writeSound(f / "empty.wav", kRate, 1, {});
                   return toOut(f, "empty.wav");
               },
               "empty.wav: the sound holds no samples"},
        BadRun{"style",
               [](const ScratchFolder& f) {
                   return toOut(f, "good.wav", {"--style", "Волны"});
               },
               "--style: no entry 'Волны'"},
        BadRun{"scheme",
               [](const ScratchFolder& f) {
                   return toOut(f, "good.wav", {"--scheme", "99"});
               },
               "--scheme: no entry '99'"},
        BadRun{"colour",
               [](const ScratchFolder& f) {
                   return toOut(f, "good.wav", {"--background", "#12345G"});
               },
               "--background: '#12345G' is not a colour"},
        BadRun{"folder",
               [](const ScratchFolder& f) {
                   return std::vector<std::string>{(f / "good.wav").string(),
                                                   (f / "nowhere/out.mp4").string()};
               },
               "nowhere/out.mp4: the folder"},
        BadRun{"kind",
               [](const ScratchFolder& f) {
                   return std::vector<std::string>{(f / "good.wav").string(),
                                                   (f / "out.avi").string()};
               },
               "out.avi: unknown kind of output"},
        BadRun{"range",
               [](const ScratchFolder& f) {
                   return toOut(f, "good.wav", {"--from", "5"});
               },
               "good.wav: no samples between --from and --to"},
        BadRun{"1 Hz",
               [](const ScratchFolder& f) {
                   testing::writeSound(f / "slow.wav", 1, 1, std::vector<float>(6000));
                   return toOut(f, "slow.wav");
               },
               "slow.wav: a sample rate of 1 Hz is not a sound's"},
        BadRun{"frame too large",
               [](const ScratchFolder& f) {
                   return std::vector<std::string>{(f / "good.wav").string(),
                                                   (f / "o.mp4").string(), "--scale", "16"};
               },
               "4160x4160 frames are larger than H.264 takes"},
        BadRun{"output is the input",
               [](const ScratchFolder& f) {
                   std::filesystem::create_symlink(f / "good.wav", f / "link.mp4");
                   return std::vector<std::string>{(f / "good.wav").string(),
                                                   (f / "link.mp4").string(), "--overwrite"};
               },
               "link.mp4: is the input"},
        BadRun{"symlink loop",
               [](const ScratchFolder& f) {
                   std::filesystem::create_symlink(f / "loop.wav", f / "loop.wav");
                   return toOut(f, "loop.wav");
               },
               "loop.wav: cannot be opened (Too many levels of symbolic links)"},
        BadRun{"later frame exists",
               [](const ScratchFolder& f) {
                   std::ofstream(f / "f50.png") << "keep me";
                   return std::vector<std::string>{(f / "good.wav").string(),
                                                   (f / "f%02d.png").string()};
               },
               "f50.png: exists already"},
        BadRun{"no ffmpeg", [](const ScratchFolder& f) { return toOut(f, "good.wav"); },
               "install the Debian package ffmpeg", "/nonexistent"}));

// A command line that cannot be used gives status 2, as Linux tools do; a run that fails, 1.
TEST(RefusingOptions, WithTheUsageStatus) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--zoom", "5", "a.wav", "b.png"},
          std::vector<std::string>{"--scale", "0", "a.wav", "b.png"},
          std::vector<std::string>{"--frobnicate", "a.wav", "b.png"},
          std::vector<std::string>{"--clear", "--no-clear", "a.wav", "b.png"},
          std::vector<std::string>{"--style", "Кубики", "a.wav", "b.png"},
          std::vector<std::string>{"--from", "9", "--to", "3", "a.wav", "b.png"},
          std::vector<std::string>{"--from", "nan", "a.wav", "b.png"},
          std::vector<std::string>{"--fps", "0", "a.wav", "b.png"},
          std::vector<std::string>{"--fps", "241", "a.wav", "b.png"},
          std::vector<std::string>{"--fps", "30/0", "a.wav", "b.png"},
          std::vector<std::string>{"--fps", "-30", "a.wav", "b.png"},
          std::vector<std::string>{"--fps", "1e2", "a.wav", "b.png"},
          std::vector<std::string>{"--size", "100x100", "a.wav", "b.png"},
          std::vector<std::string>{"--size", "1920", "a.wav", "b.png"},
          std::vector<std::string>{"--size", "1281x720", "a.wav", "b.mp4"},
          std::vector<std::string>{"--size", "1280x720", "--scale", "3", "a.wav", "b.png"},
          std::vector<std::string>{"--transparent", "a.wav", "b.mp4"},
          std::vector<std::string>{"--transparent", "a.wav", "b.gif"},
          std::vector<std::string>{"--transparent", "--backdrop", "#000000", "a.wav", "b.png"},
          std::vector<std::string>{"--backdrop", "#00000G", "a.wav", "b.png"},
          std::vector<std::string>{"--gain", "61", "a.wav", "b.png"},
          std::vector<std::string>{"--channel", "0", "a.wav", "b.png"},
          std::vector<std::string>{"--channel", "middle", "a.wav", "b.png"},
          std::vector<std::string>{"--crf", "64", "a.wav", "b.mp4"},
          std::vector<std::string>{"--crf", "20", "a.wav", "b.gif"},
          std::vector<std::string>{"--preset", "fastest", "a.wav", "b.mp4"},
          std::vector<std::string>{"--normalize", "-", "b.png"},
          std::vector<std::string>{"a.wav"}}) {
        EXPECT_EQ(runProgram(renderer(args)).status, 2) << args.front();
    }
}

TEST(ListingStyles, PrintsTheTwentyFiveNames) {
    const ProgramRun run = runProgram(renderer({"--list-styles"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 25);
    EXPECT_NE(run.out.find("24\tНитки\n"), std::string::npos) << run.out;
    const ProgramRun schemes = runProgram(renderer({"--list-schemes"}));
    EXPECT_EQ(std::count(schemes.out.begin(), schemes.out.end(), '\n'), 15);
}

}  // namespace
}  // namespace orv::render
