#include "linux/render/staged_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "linux/support/sound_files.h"

namespace orv::render {
namespace {

using testing::ScratchFolder;

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

}  // namespace
}  // namespace orv::render
