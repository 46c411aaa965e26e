#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/support/program_fixture.h"

namespace orv::testing {
namespace {

using Names = std::vector<std::string>;
constexpr std::uint32_t kDir = forms::attr::kDirectory;

TEST(SkinFolders, OnlyPlainDirectoriesOtherThanDotAndDotDot) {
    const std::vector<forms::DirEntry> entries{
        {".", kDir},
        {"..", kDir},
        {"Ocean", kDir},
        {"readme.txt", 32},
        {"Hidden", kDir | forms::attr::kHidden},
        {"System", kDir | forms::attr::kSystem},
        {"Internal", kDir},
        {"Graphite", kDir | 32},  // archive bit set too
        {"kxMain.bmp", 0},
    };
    EXPECT_EQ(skinchooser::SkinForm::skinFolders(entries),
              (Names{"Ocean", "Internal", "Graphite"}));
}

class SkinChooserTest : public ProgramTest {
  protected:
    void SetUp() override {
        platform.directories["C:\\Orvanta\\Skin\\"] = {
            {".", kDir}, {"..", kDir}, {"Ocean", kDir}, {"Graphite", kDir}, {"Internal", kDir}};
        ASSERT_TRUE(program.Main());
    }
    mainwindow::MainForm& f() { return program.frmMain(); }
    void openChooser(const std::function<void(skinchooser::SkinForm&)>& whileOpen) {
        platform.whileModal = [&](forms::Form& form) {
            whileOpen(dynamic_cast<skinchooser::SkinForm&>(form));
        };
        f().dblClick();
    }
    std::string storedSkin() { return store.get("Orvanta 2", "Settings", "Skin", "<absent>"); }

    app::Program program{platform, store, device, appInfo()};
};

TEST_F(SkinChooserTest, ListsTheSkinFoldersWithNothingChosen) {
    openChooser([](skinchooser::SkinForm& form) {
        EXPECT_EQ(form.caption(), "Выбрать оболочку");
        EXPECT_EQ(form.lstSkin.items(), (Names{"Ocean", "Graphite", "Internal"}));
        EXPECT_EQ(form.lstSkin.listIndex(), -1);
        EXPECT_EQ(form.txtSel.text(), "");
        EXPECT_TRUE(form.txtSel.locked());
        form.cmdCancel.click();
    });
    EXPECT_EQ(platform.modalForms, (Names{"frmSkin"}));
    EXPECT_EQ(storedSkin(), "<absent>");
}

TEST_F(SkinChooserTest, OkWithoutAChoiceKeepsTheDialogOpen) {
    openChooser([](skinchooser::SkinForm& form) {
        form.cmdOK.click();
        EXPECT_TRUE(form.loaded());
    });
    EXPECT_EQ(storedSkin(), "<absent>");
}

TEST_F(SkinChooserTest, OkStoresAppliesAndMakesTheChosenSkinCurrent) {
    openChooser([](skinchooser::SkinForm& form) {
        form.lstSkin.setListIndex(0);
        EXPECT_EQ(form.txtSel.text(), "Ocean");
        form.cmdOK.click();
    });
    EXPECT_EQ(storedSkin(), "Ocean");
    EXPECT_EQ(program.skin().CurrentSkin, "Ocean");
    EXPECT_EQ(f().picture().file, "C:\\Orvanta\\Skin\\Ocean\\kxMain.bmp");
    EXPECT_EQ(f().cmdStop.picture().file, "C:\\Orvanta\\Skin\\Ocean\\kxStopD.bmp");
    f().cmdAbout.mouseDown(forms::MouseButton::Left, 0, 0, 0);
    EXPECT_EQ(f().cmdAbout.picture().file, "C:\\Orvanta\\Skin\\Ocean\\kxAboutD.bmp");
}

TEST_F(SkinChooserTest, AFolderNamedInternalMeansTheBuiltInSkin) {
    openChooser([](skinchooser::SkinForm& form) {
        form.lstSkin.setListIndex(2);
        form.cmdOK.click();
    });
    EXPECT_EQ(storedSkin(), "Internal");
    EXPECT_EQ(f().picture(), (forms::ImageRef{100, ""}));
}

TEST_F(SkinChooserTest, NativeStoresTheBuiltInSkinForTheNextStartOnly) {
    program.skin().CurrentSkin = "Ocean";
    openChooser([](skinchooser::SkinForm& form) { form.cmdDefaults.click(); });

    EXPECT_EQ(storedSkin(), "Internal");
    ASSERT_EQ(platform.messageBoxes.size(), 1U);
    EXPECT_EQ(platform.messageBoxes[0].prompt,
              "Настрока вступит в силу только после перезапуска программы!");
    EXPECT_EQ(platform.messageBoxes[0].style, 64);
    EXPECT_EQ(platform.messageBoxes[0].title, "Orvanta 2");
    EXPECT_EQ(program.skin().CurrentSkin, "Ocean");
}

TEST_F(SkinChooserTest, AMissingSkinFolderGivesAnEmptyList) {
    platform.directories.clear();
    openChooser([](skinchooser::SkinForm& form) {
        EXPECT_TRUE(form.lstSkin.items().empty());
        form.cmdOK.click();
        EXPECT_TRUE(form.loaded());
    });
}

TEST_F(SkinChooserTest, ANewFolderShowsUpAtTheNextLoad) {
    openChooser([](skinchooser::SkinForm& form) { form.cmdCancel.click(); });
    platform.directories["C:\\Orvanta\\Skin\\"].push_back({"Fresh", kDir});
    openChooser([](skinchooser::SkinForm& form) {
        EXPECT_EQ(form.lstSkin.items().back(), "Fresh");
        form.cmdCancel.click();
    });
}

}  // namespace
}  // namespace orv::testing
