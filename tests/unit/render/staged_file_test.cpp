#include "render/staged_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "render/output_error.h"
#include "sound/sound_files.h"

namespace orv::render {
namespace {

using sound::testing::ScratchFolder;

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(StagingAFile, ShowsItUnderItsNameOnlyWhenCommitted) {
    ScratchFolder folder;
    {
        StagedFile file(folder / "out.gif", false);
        EXPECT_EQ(file.temporary().parent_path(), folder.path());
        std::ofstream(file.temporary()) << "done";
        EXPECT_FALSE(std::filesystem::exists(folder / "out.gif"));
        file.commit();
    }
    EXPECT_EQ(contents(folder / "out.gif"), "done");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(StagingAFile, LeavesNothingWhenAbandoned) {
    ScratchFolder folder;
    {
        StagedFile file(folder / "out.gif", false);
        std::ofstream(file.temporary()) << "half";
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(StagingAFile, ReplacesAnOldFileOnlyWhenAllowed) {
    ScratchFolder folder;
    std::ofstream(folder / "out.png") << "old";
    EXPECT_THROW(StagedFile(folder / "out.png", false), OutputError);
    StagedFile file(folder / "out.png", true);
    std::ofstream(file.temporary()) << "new";
    file.commit();
    EXPECT_EQ(contents(folder / "out.png"), "new");
}

struct Unwritable {
    std::string name;  // under the scratch folder
    std::string reason;
};

class StagingWhereItCannot : public ::testing::TestWithParam<Unwritable> {};

TEST_P(StagingWhereItCannot, NamesTheTargetAndTheReason) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "locked");
    std::filesystem::create_directory(folder / "taken.png");
    std::filesystem::permissions(
        folder / "locked", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (GetParam().reason == "not writable" && geteuid() == 0) {
        GTEST_SKIP() << "root writes into any folder";
    }
    const std::filesystem::path target = folder / GetParam().name;
    try {
        StagedFile file(target, true);
        FAIL() << target;
    } catch (const OutputError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind(target.string() + ": ", 0), 0U) << message;
        EXPECT_NE(message.find(GetParam().reason), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, StagingWhereItCannot,
                         ::testing::Values(Unwritable{"missing/out.png", "does not exist"},
                                           Unwritable{"locked/out.png", "not writable"},
                                           Unwritable{"taken.png", "is a folder"}));

}  // namespace
}  // namespace orv::render
