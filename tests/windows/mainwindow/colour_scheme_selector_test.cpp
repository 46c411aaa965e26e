#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "engine/drawing/custom_colours.h"
#include "windows/support/program_fixture.h"

namespace orv::testing {
namespace {

class ColourSchemeSelectorTest : public ProgramTest {
  protected:
    void SetUp() override { ASSERT_TRUE(program.Main()); }
    mainwindow::MainForm& f() { return program.frmMain(); }
    const drawing::CustomColours::Cell& cell(int k, int b) {
        return program.customColours().cell(k, b);
    }

    app::Program program{platform, store, device, appInfo()};
};

TEST_F(ColourSchemeSelectorTest, AtStartTheCustomButtonIsBlocked) {
    EXPECT_FALSE(f().cmdCustom.enabled());
    EXPECT_EQ(f().cmdCustom.picture(), (forms::ImageRef{110, ""}));
}

TEST_F(ColourSchemeSelectorTest, AUserSchemeWithNothingStoredLoadsTheDefaultsAsText) {
    f().cmbColor.setListIndex(13);  // "Польз. схема 3"

    EXPECT_TRUE(f().cmdCustom.enabled());
    EXPECT_EQ(f().cmdCustom.picture(), (forms::ImageRef{108, ""}));
    for (int b = 0; b < 16; ++b) {
        EXPECT_EQ(std::get<std::string>(cell(2, b)),
                  std::to_string(drawing::kDefaultCustomColours.at(b)));
    }
    EXPECT_TRUE(std::holds_alternative<std::monostate>(cell(0, 0))) << "other rows untouched";
    EXPECT_TRUE(store.values().empty()) << "nothing is written";
}

TEST_F(ColourSchemeSelectorTest, StoredTextIsLoadedUnconvertedIntoItsOwnRow) {
    store.save("Orvanta 2", "CustColors0", "0", "16711680");
    store.save("Orvanta 2", "CustColors0", "15", "not a colour");
    f().cmbColor.setListIndex(11);

    EXPECT_EQ(std::get<std::string>(cell(0, 0)), "16711680");
    EXPECT_EQ(std::get<std::string>(cell(0, 15)), "not a colour");
    EXPECT_EQ(program.customColours().colour(0, 0), 16711680U);
    EXPECT_EQ(program.customColours().colour(0, 15), drawing::kDefaultCustomColours.at(15));
}

TEST_F(ColourSchemeSelectorTest, LeavingAUserSchemeBlocksTheButtonAndKeepsTheRows) {
    f().cmbColor.setListIndex(14);
    f().cmbColor.setListIndex(8);

    EXPECT_FALSE(f().cmdCustom.enabled());
    EXPECT_EQ(f().cmdCustom.picture().resourceId, 110);
    EXPECT_EQ(std::get<std::string>(cell(3, 0)), "255");
}

TEST_F(ColourSchemeSelectorTest, ButtonLooksComeFromTheFolderSkin) {
    program.skin().CurrentSkin = "Internal ";  // not the built-in name
    f().cmbColor.setListIndex(12);
    EXPECT_EQ(f().cmdCustom.picture().file, "C:\\Orvanta\\Skin\\Internal \\kxBN.bmp");
    f().cmbColor.setListIndex(0);
    EXPECT_EQ(f().cmdCustom.picture().file, "C:\\Orvanta\\Skin\\Internal \\kxBB.bmp");
}

TEST_F(ColourSchemeSelectorTest, ChoosingTheSweepStyleSwitchesToSpectrumOneAndBlocksTheButton) {
    f().cmbColor.setListIndex(11);
    f().cmbStyle.setListIndex(22);

    EXPECT_EQ(f().cmbColor.listIndex(), 9);
    EXPECT_EQ(f().chkCLS.value(), 0);
    EXPECT_FALSE(f().cmdCustom.enabled());
}

}  // namespace
}  // namespace orv::testing
