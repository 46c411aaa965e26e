#include "windows/mainwindow/display_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/mainwindow/main_form.h"

namespace orv::mainwindow {
namespace {

using forms::MouseButton;

class DisplayOptionsTest : public ::testing::Test {
  protected:
    DisplayOptionsTest() {
        for (int k = 1; k <= MainForm::kGridLines; ++k) frm.loadGridLine(k);
        options.setGridMenuMark = [this](bool checked) { marks.push_back(checked); };
        options.wire();
        frm.cmbStyle.setListIndex(0);
        frm.cmbColor.setListIndex(3);
        frm.cmbZoom.setListIndex(0);
    }
    void click(MouseButton button) { frm.pctSpec.mouseDown(button, 0, 100, 100); }
    int styleIndex() const { return frm.cmbStyle.listIndex(); }

    MainForm frm{nullptr};
    DisplayOptions options{frm};
    std::vector<bool> marks;
};

TEST_F(DisplayOptionsTest, TheFirstClicksStartFromAnEmptyCounterNotFromTheList) {
    frm.cmbStyle.setListIndex(10);
    click(MouseButton::Left);
    EXPECT_EQ(styleIndex(), 1);
    EXPECT_EQ(frm.cmbStyle.tag, "1");

    frm.cmbStyle.tag.clear();
    frm.cmbStyle.setListIndex(10);
    click(MouseButton::Right);
    EXPECT_EQ(styleIndex(), 24);
    EXPECT_EQ(frm.cmbStyle.tag, "24");

    frm.cmbStyle.tag.clear();
    frm.cmbStyle.setListIndex(10);
    click(MouseButton::Middle);
    EXPECT_EQ(styleIndex(), 0);
    EXPECT_EQ(frm.cmbStyle.tag, "");
}

TEST_F(DisplayOptionsTest, TheCounterWrapsBothWays) {
    struct Case {
        const char* tag;
        MouseButton button;
        const char* after;
    };
    const std::vector<Case> cases = {
        {"23", MouseButton::Left, "24"},   {"24", MouseButton::Left, "0"},
        {"0", MouseButton::Right, "24"},   {"1", MouseButton::Right, "0"},
        {"30", MouseButton::Left, "0"},    {"-4", MouseButton::Right, "24"},
        {"12", MouseButton::Middle, "12"}, {"12", MouseButton::None, "12"},
    };
    for (const Case& c : cases) {
        frm.cmbStyle.tag = c.tag;
        click(c.button);
        EXPECT_EQ(frm.cmbStyle.tag, c.after) << c.tag;
        EXPECT_EQ(styleIndex(), std::stoi(c.after)) << c.tag;
    }
}

TEST_F(DisplayOptionsTest, TheCounterIsReadLikeANumberAtTheStartOfTheText) {
    const std::vector<std::pair<const char*, int>> cases = {
        {" 7abc", 7}, {"+5", 5}, {"abc", 0}, {"", 0}, {"16.9", 16}};
    for (const auto& [tag, index] : cases) {
        frm.cmbStyle.setListIndex(20);
        frm.cmbStyle.tag = tag;
        click(MouseButton::Middle);
        EXPECT_EQ(styleIndex(), index) << tag;
    }
}

TEST_F(DisplayOptionsTest, AMiddleClickUndoesAChoiceMadeInTheList) {
    click(MouseButton::Left);
    click(MouseButton::Left);
    click(MouseButton::Left);
    frm.cmbStyle.setListIndex(17);
    click(MouseButton::Middle);
    EXPECT_EQ(styleIndex(), 3);
    click(MouseButton::Left);
    EXPECT_EQ(styleIndex(), 4);
}

TEST_F(DisplayOptionsTest, EveryStyleButTheSweepTicksTheClearOption) {
    for (int s = 0; s < 25; ++s) {
        if (s == 22) continue;
        frm.chkCLS.setValue(0);
        frm.cmbStyle.setListIndex(s == 0 ? 1 : 0);
        frm.chkCLS.setValue(0);
        frm.cmbStyle.setListIndex(s);
        EXPECT_EQ(frm.chkCLS.value(), 1) << s;
        EXPECT_EQ(frm.cmbColor.listIndex(), 3) << s;
    }
}

TEST_F(DisplayOptionsTest, TheSweepSwitchesToSpectrum1AndStopsClearingWhicheverWayItIsChosen) {
    frm.cmbStyle.setListIndex(22);
    EXPECT_EQ(frm.cmbColor.listIndex(), 9);
    EXPECT_EQ(frm.chkCLS.value(), 0);

    frm.cmbStyle.setListIndex(5);  // leaving it clears again but keeps the scheme
    EXPECT_EQ(frm.chkCLS.value(), 1);
    EXPECT_EQ(frm.cmbColor.listIndex(), 9);

    frm.cmbColor.setListIndex(0);
    frm.cmbStyle.tag = "21";
    click(MouseButton::Left);
    EXPECT_EQ(styleIndex(), 22);
    EXPECT_EQ(frm.cmbColor.listIndex(), 9);
    EXPECT_EQ(frm.chkCLS.value(), 0);
}

TEST_F(DisplayOptionsTest, TheGridFollowsItsBoxAndTheMenuMarkFollowsToo) {
    const auto shown = [this](bool visible) {
        for (int k = 1; k <= MainForm::kGridLines; ++k) {
            const auto at = static_cast<std::size_t>(k);
            if (frm.vl[at]->visible() != visible || frm.hl[at]->visible() != visible) return false;
        }
        return true;
    };
    ASSERT_TRUE(shown(false));
    frm.chkShowMap.setValue(1);
    EXPECT_TRUE(shown(true));
    EXPECT_FALSE(frm.vl[0]->visible());  // the templates stay hidden
    EXPECT_FALSE(frm.hl[0]->visible());
    frm.chkShowMap.setValue(0);
    EXPECT_TRUE(shown(false));
    EXPECT_EQ(marks, (std::vector<bool>{true, false}));
}

TEST_F(DisplayOptionsTest, TheGridWorksWithoutTheMenu) {
    options.setGridMenuMark = nullptr;
    frm.chkShowMap.setValue(1);
    EXPECT_TRUE(frm.hl[26]->visible());
}

}  // namespace
}  // namespace orv::mainwindow
