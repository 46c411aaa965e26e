// What people making videos ask of the renderer: their frame rate and size, a backdrop, and
// transparency that survives the formats that carry it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "linux/support/child_process.h"
#include "linux/support/sound_files.h"
#include "render_runs.h"

namespace orv::render {
namespace {

using testing::ProgramRun;
using testing::runProgram;
using testing::ScratchFolder;

constexpr int kRate = 44100;

// The first frame of any picture or video as RGBA bytes, decoded by ffmpeg (VP9's alpha only
// by libvpx's decoder).
std::vector<std::uint8_t> firstFrameRgba(const std::filesystem::path& file) {
    std::vector<std::string> command = {"ffmpeg", "-v", "error"};
    if (file.extension() == ".webm") command.insert(command.end(), {"-c:v", "libvpx-vp9"});
    command.insert(command.end(), {"-i", file.string(), "-frames:v", "1", "-f", "rawvideo",
                                   "-pix_fmt", "rgba", "-"});
    const std::string out = runProgram(command).out;
    return {out.begin(), out.end()};
}

struct Rate {
    std::string fps;
    double frames;
    std::string reported;  // ffprobe's r_frame_rate
};

class RenderingAtARate : public ::testing::TestWithParam<Rate> {};

TEST_P(RenderingAtARate, GivesItsFramesForTheSoundsLength) {
    ScratchFolder folder;
    testing::writeSound(folder / "a.wav", kRate, 1, testing::sine(440, kRate, 2.0));
    const ProgramRun run = runProgram(renderer(
        {"--fps", GetParam().fps, (folder / "a.wav").string(), (folder / "o.mp4").string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(probe(folder / "o.mp4", "v", "nb_read_frames"), GetParam().frames);
    const ProgramRun rate =
        runProgram({"ffprobe", "-v", "error", "-select_streams", "v:0", "-show_entries",
                    "stream=r_frame_rate", "-of", "csv=p=0", (folder / "o.mp4").string()});
    EXPECT_EQ(rate.out, GetParam().reported + "\n");
}

INSTANTIATE_TEST_SUITE_P(Rates, RenderingAtARate,
                         ::testing::Values(Rate{"29.97", 60, "2997/100"},
                                           Rate{"30000/1001", 60, "30000/1001"}));

class KeepingTransparency : public ::testing::TestWithParam<std::string> {};

// A steady level draws the same frame throughout: the video's alpha must be the picture's.
TEST_P(KeepingTransparency, WhereTheFormatCarriesIt) {
    ScratchFolder folder;
    testing::writeSound(folder / "level.wav", kRate, 1, std::vector<float>(kRate / 2, 0.5F));
    for (const std::string& name : {std::string("o.png"), GetParam()}) {
        const ProgramRun run =
            runProgram(renderer({"--transparent", "--size", "300x280", "--style", "4",
                                 (folder / "level.wav").string(), (folder / name).string()}));
        ASSERT_EQ(run.status, 0) << run.err;
    }
    const std::vector<std::uint8_t> picture = firstFrameRgba(folder / "o.png");
    const std::vector<std::uint8_t> video = firstFrameRgba(folder / GetParam());
    ASSERT_EQ(picture.size(), 300U * 280 * 4);
    ASSERT_EQ(video.size(), picture.size());
    int opaque = 0;
    int differing = 0;
    for (std::size_t i = 3; i < picture.size(); i += 4) {
        opaque += picture[i] == 0xFF ? 1 : 0;
        differing += (picture[i] >= 0x80) != (video[i] >= 0x80) ? 1 : 0;
    }
    EXPECT_EQ(picture[3], 0) << "the backdrop's place is see-through";
    EXPECT_GT(opaque, 1000) << "the drawing is opaque";
    EXPECT_LT(differing, 300 * 280 / 100);
}

INSTANTIATE_TEST_SUITE_P(Formats, KeepingTransparency, ::testing::Values("o.webm", "o.mov"));

// The backdrop picture covers the frame, cropped, with the pane in the middle.
TEST(LayingThePaneOverAPicture, CoversTheFrame) {
    ScratchFolder folder;
    testing::writeSound(folder / "a.wav", kRate, 1, testing::sine(440, kRate, 0.2));
    // A 20 x 10 picture, red on the left and blue on the right, stretched over 600 x 280.
    ASSERT_EQ(runProgram({"ffmpeg", "-v", "error", "-f", "lavfi", "-i",
                          "color=red:s=10x10,pad=20:10:0:0:blue", "-frames:v", "1",
                          (folder / "back.png").string()})
                  .status,
              0);
    const ProgramRun run =
        runProgram(renderer({"--size", "600x280", "--backdrop", (folder / "back.png").string(),
                             (folder / "a.wav").string(), (folder / "o.png").string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::uint8_t> frame = firstFrameRgba(folder / "o.png");
    ASSERT_EQ(frame.size(), 600U * 280 * 4);
    // The picture went through ffmpeg's YUV: a level or two off.
    const auto near = [&](int x, int y, std::vector<int> rgb) {
        const std::uint8_t* p = frame.data() + (static_cast<std::size_t>(y) * 600 + x) * 4;
        for (int c = 0; c < 3; ++c) {
            if (std::abs(p[c] - rgb[static_cast<std::size_t>(c)]) > 4) return false;
        }
        return true;
    };
    EXPECT_TRUE(near(5, 5, {255, 0, 0}));
    EXPECT_TRUE(near(594, 274, {0, 0, 255}));
    EXPECT_TRUE(near(300, 20, {0, 0, 0})) << "the pane's own background";
}

}  // namespace
}  // namespace orv::render
