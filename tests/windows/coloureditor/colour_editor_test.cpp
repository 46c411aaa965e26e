#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "engine/drawing/custom_colours.h"
#include "windows/support/program_fixture.h"

namespace orv::testing {
namespace {

constexpr forms::Colour kBlue = 0xFF0000;  // (0, 0, 255)

// Opens the colour editor from the main window's custom-colours button; the test's actions run
// while it is open.
class ColourEditorTest : public ProgramTest {
  protected:
    void SetUp() override { ASSERT_TRUE(program.Main()); }
    mainwindow::MainForm& f() { return program.frmMain(); }

    void openEditor(int mainEntry, const std::function<void(coloureditor::ColorForm&)>& whileOpen) {
        f().cmbColor.setListIndex(mainEntry);
        platform.whileModal = [&](forms::Form& form) {
            whileOpen(dynamic_cast<coloureditor::ColorForm&>(form));
        };
        f().cmdCustom.click();
    }
    static std::vector<forms::Colour> swatches(const coloureditor::ColorForm& form) {
        std::vector<forms::Colour> colours;
        for (const auto& swatch : form.pctCol) colours.push_back(swatch->backColour());
        return colours;
    }
    static std::vector<forms::Colour> defaults() {
        return {drawing::kDefaultCustomColours.begin(), drawing::kDefaultCustomColours.end()};
    }
    std::string stored(const std::string& section, const std::string& key) {
        return store.get("Orvanta 2", section, key, "<absent>");
    }

    app::Program program{platform, store, device, appInfo()};
};

TEST_F(ColourEditorTest, LayoutCaptionAndBandLabels) {
    openEditor(12, [](coloureditor::ColorForm& form) {
        EXPECT_EQ(form.caption(), "Выбор цвета");
        EXPECT_EQ(form.clientWidth(), 250);
        EXPECT_EQ(form.clientHeight(), 161);
        EXPECT_EQ(form.lbl[0]->caption(), "0-16");
        EXPECT_EQ(form.lbl[8]->caption(), "129-142");
        EXPECT_EQ(form.lbl[13]->caption(), "207-224");
        EXPECT_EQ(form.lbl[16]->caption(), "Схема:");
        EXPECT_EQ(form.pctCol[9]->bounds(), (forms::Rect{128, 32, 17, 17}));
        EXPECT_EQ(form.lbl[7]->bounds(), (forms::Rect{8, 128, 41, 13}));
        EXPECT_EQ(form.pctCol[0]->container(), &form.fraCol);
        EXPECT_EQ(form.cmdDefaults.caption(), "По умолч.");
    });
    EXPECT_EQ(platform.modalForms, (std::vector<std::string>{"frmColor"}));
}

TEST_F(ColourEditorTest, OpensOnTheMainWindowsSchemeWithItsStoredColours) {
    store.save("Orvanta 2", "CustColors1", "3", "255");
    openEditor(12, [&](coloureditor::ColorForm& form) {
        EXPECT_EQ(form.cmbScheme.listIndex(), 1);
        std::vector<forms::Colour> expected = defaults();
        expected[3] = 255;
        EXPECT_EQ(swatches(form), expected);
    });
}

TEST_F(ColourEditorTest, OkStoresTheSchemeAndItsColoursAndTheDisplayUsesThemAtOnce) {
    platform.colourChoices = {kBlue};
    openEditor(12, [](coloureditor::ColorForm& form) {
        form.pctCol[0]->click();
        form.cmdOK.click();
    });

    EXPECT_EQ(stored("CustColors", "Scheme"), "1");
    EXPECT_EQ(stored("CustColors1", "0"), "16711680");
    EXPECT_EQ(stored("CustColors1", "15"), "255");
    EXPECT_EQ(std::get<forms::Colour>(program.customColours().cell(1, 0)), kBlue);
    EXPECT_EQ(f().cmbColor.listIndex(), 12) << "the main window's choice stays";
    EXPECT_EQ(program.frmColor()->loaded(), false);
}

TEST_F(ColourEditorTest, SwitchingSchemesDropsUnconfirmedPicks) {
    platform.colourChoices = {kBlue};
    openEditor(12, [&](coloureditor::ColorForm& form) {
        form.pctCol[3]->click();
        EXPECT_EQ(form.pctCol[3]->backColour(), kBlue);
        form.cmbScheme.setListIndex(3);
        form.cmbScheme.setListIndex(1);
        EXPECT_EQ(swatches(form), defaults());
        form.cmdCancel.click();
    });
    EXPECT_TRUE(store.values().empty());
}

TEST_F(ColourEditorTest, OkOnAnotherSchemeStoresThatSchemeOnly) {
    platform.colourChoices = {kBlue};
    openEditor(12, [](coloureditor::ColorForm& form) {
        form.cmbScheme.setListIndex(3);
        form.pctCol[5]->click();
        form.cmdOK.click();
    });
    EXPECT_EQ(stored("CustColors", "Scheme"), "3");
    EXPECT_EQ(stored("CustColors3", "5"), "16711680");
    EXPECT_EQ(stored("CustColors1", "5"), "<absent>");
    EXPECT_EQ(std::get<forms::Colour>(program.customColours().cell(3, 5)), kBlue);
    EXPECT_EQ(std::get<std::string>(program.customColours().cell(1, 5)), "49152");
}

TEST_F(ColourEditorTest, ACancelledPickerChangesNothing) {
    platform.colourChoices = {std::nullopt};
    openEditor(11, [&](coloureditor::ColorForm& form) {
        EXPECT_FALSE(form.PickColor(*form.pctCol[2]));
        EXPECT_EQ(form.pctCol[2]->backColour(), drawing::kDefaultCustomColours[2]);
        form.close();  // the window's own close box
    });
    EXPECT_TRUE(store.values().empty());
}

TEST_F(ColourEditorTest, DefaultsAreStoredAtOnceAndSurviveCancel) {
    store.save("Orvanta 2", "CustColors0", "0", "16711680");
    f().cmbColor.setListIndex(11);  // the display now holds the stored blue
    openEditor(11, [&](coloureditor::ColorForm& form) {
        EXPECT_EQ(form.pctCol[0]->backColour(), kBlue);
        form.cmdDefaults.click();
        EXPECT_EQ(swatches(form), defaults());
        form.cmdCancel.click();
    });
    EXPECT_EQ(stored("CustColors0", "0"), "255");
    EXPECT_EQ(stored("CustColors0", "7"), "16384");
    EXPECT_EQ(stored("CustColors", "Scheme"), "<absent>");
    EXPECT_EQ(program.customColours().colour(0, 0), kBlue) << "the display keeps its colours";
}

TEST_F(ColourEditorTest, OpensInsideTheOnTopPause) {
    std::vector<int> onTop;
    openEditor(13, [&](coloureditor::ColorForm& form) {
        onTop.push_back(f().chkOnTop.value());
        form.cmdCancel.click();
    });
    EXPECT_EQ(onTop, (std::vector<int>{0}));
    EXPECT_EQ(f().chkOnTop.value(), 1);
}

}  // namespace
}  // namespace orv::testing
