#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/forms/check_box.h"
#include "windows/forms/combo_box.h"
#include "windows/forms/list_box.h"
#include "windows/forms/menu.h"
#include "windows/forms/picture_box.h"

namespace orv::forms {
namespace {

struct CountingPeer : ControlPeer {
    int changes = 0;
    void stateChanged(const Control&) override { ++changes; }
};

TEST(ControlModel, CheckBoxRaisesClickOnlyWhenItsValueChanges) {
    CheckBox box("chk", {}, 0, 0);
    CountingPeer peer;
    box.attach(&peer);
    std::vector<int> seen;
    box.onClick = [&] { seen.push_back(box.value()); };

    box.setValue(1);
    box.setValue(1);
    box.setValue(0);
    box.setValue(0);

    EXPECT_EQ(seen, (std::vector<int>{1, 0}));
    EXPECT_EQ(peer.changes, 2);
}

TEST(ControlModel, ComboBoxRaisesClickOnChangeAndRefusesIndicesOutsideItsItems) {
    ComboBox list("cmb", {}, 0, {"a", "b", "c"});
    std::vector<int> seen;
    list.onClick = [&] { seen.push_back(list.listIndex()); };

    for (int index : {0, 0, 2, 3, -2, -1, -1, 1}) list.setListIndex(index);

    EXPECT_EQ(seen, (std::vector<int>{0, 2, -1, 1}));
    EXPECT_EQ(list.listIndex(), 1);
}

TEST(ControlModel, HandlerSeesTheNewValueAndMaySetOtherControls) {
    // A handler that sets another control raises that control's handler in turn, as the
    // start-up and the style list rely on.
    ComboBox style("style", {}, 0, {"x", "y"});
    CheckBox clear("clear", {}, 0, 0);
    int clearClicks = 0;
    clear.onClick = [&] { ++clearClicks; };
    style.onClick = [&] { clear.setValue(style.listIndex() == 0 ? 1 : 0); };

    style.setListIndex(0);
    style.setListIndex(1);
    style.setListIndex(1);

    EXPECT_EQ(clear.value(), 0);
    EXPECT_EQ(clearClicks, 2);
}

TEST(ControlModel, PropertiesWithoutHandlerTellThePeerOnlyOnChange) {
    PictureBox box("pct", {}, 0);
    CountingPeer peer;
    box.attach(&peer);

    box.setEnabled(true);  // already enabled
    box.setEnabled(false);
    box.setVisible(false);
    box.setVisible(false);
    EXPECT_EQ(peer.changes, 2);

    // A picture is loaded anew every time it is set, even the same one.
    box.setPicture({101, ""});
    box.setPicture({101, ""});
    EXPECT_EQ(peer.changes, 4);
}

TEST(ControlModel, DisabledControlsTakeNoUserEvents) {
    PictureBox box("pct", {}, 0);
    int events = 0;
    box.onClick = [&] { ++events; };
    box.onMouseDown = [&](MouseButton, int, float, float) { ++events; };
    box.onMouseUp = [&](MouseButton, int, float, float) { ++events; };
    box.setEnabled(false);
    box.mouseDown(MouseButton::Left, 0, 1, 1);
    box.mouseUp(MouseButton::Left, 0, 1, 1);
    box.click();
    EXPECT_EQ(events, 0);
    box.setEnabled(true);
    box.click();
    EXPECT_EQ(events, 1);
}

TEST(ControlModel, ListBoxTextFollowsTheSelection) {
    ListBox list("lst", {}, 0);
    list.addItem("Ocean");
    list.addItem("Graphite");
    std::string picked;
    list.onClick = [&] { picked = list.text(); };
    EXPECT_EQ(list.text(), "");
    list.setListIndex(1);
    EXPECT_EQ(picked, "Graphite");
}

TEST(ControlModel, MenuItemCheckMarkAndSeparator) {
    MenuItem menu("mnu", "");
    MenuItem& grid = menu.add("mnuShowGirds", "&Grid");
    const MenuItem& bar = menu.add("bar0", "-");
    int clicks = 0;
    grid.onClick = [&] { ++clicks; };
    grid.setChecked(true);
    grid.click();
    EXPECT_TRUE(grid.checked());
    EXPECT_TRUE(bar.isSeparator());
    EXPECT_FALSE(grid.isSeparator());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu.items().size(), 2U);
}

}  // namespace
}  // namespace orv::forms
