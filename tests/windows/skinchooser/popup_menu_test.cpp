#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/support/popup_choice.h"
#include "windows/support/program_fixture.h"

namespace orv::testing {
namespace {

class PopupMenuTest : public ProgramTest {
  protected:
    void SetUp() override { ASSERT_TRUE(program.Main()); }
    mainwindow::MainForm& f() { return program.frmMain(); }
    FakeFormPeer& peer() { return platform.peerOf(f()); }
    // A right press on the face, choosing the named item from the menu that opens.
    void choose(const std::string& item) {
        peer().onPopup = [&](const forms::MenuItem& menu) {
            for (const auto& entry : menu.items()) {
                if (entry->name() == item) entry->click();
            }
        };
        f().mouseDown(forms::MouseButton::Right, 0, 100, 200);
        peer().onPopup = nullptr;
    }
    skinchooser::SkinForm& menuForm() { return program.frmSkin(); }

    app::Program program{platform, store, device, appInfo()};
};

TEST_F(PopupMenuTest, ItemsCaptionsAndTheBoldDefault) {
    f().mouseDown(forms::MouseButton::Right, 0, 30, 40);

    ASSERT_EQ(peer().popups.size(), 1U);
    const auto& popup = peer().popups[0];
    EXPECT_FLOAT_EQ(popup.x, 30);
    EXPECT_FLOAT_EQ(popup.y, 40);
    std::vector<std::string> captions;
    for (const auto& item : popup.menu->items()) captions.push_back(item->caption());
    EXPECT_EQ(
        captions,
        (std::vector<std::string>{
            "&Окраска фона спекрума соответственно шкуре", "&Отобразить сетку поверх спектрума",
            "&Держать окно поверх остальных окон", "&Очищать каждый кадр (экран спектрума)", "-",
            "&Изменить шкуру", "-", "&О прогамме", "-", "В&ыход", "-", "Источник &звука"}));
    EXPECT_EQ(popup.defaultItem->caption(), "&О прогамме");
    EXPECT_FALSE(menuForm().visible()) << "the menu's form is loaded, not shown";
}

TEST_F(PopupMenuTest, GridItemTogglesTheGridAndItsMarkFollows) {
    choose("mnuShowGirds");
    EXPECT_EQ(f().chkShowMap.value(), 1);
    EXPECT_TRUE(f().vl[26]->visible());
    EXPECT_TRUE(menuForm().mnuShowGirds->checked());

    choose("mnuShowGirds");
    EXPECT_EQ(f().chkShowMap.value(), 0);
    EXPECT_FALSE(f().hl[1]->visible());
    EXPECT_FALSE(menuForm().mnuShowGirds->checked());
}

TEST_F(PopupMenuTest, TheGridBoxSetsTheMenuMarkToo) {
    f().chkShowMap.setValue(1);
    EXPECT_TRUE(menuForm().mnuShowGirds->checked());
}

TEST_F(PopupMenuTest, ClearItemTogglesTheClearOption) {
    choose("mnuClearScreen");
    EXPECT_EQ(f().chkCLS.value(), 0);
    EXPECT_FALSE(menuForm().mnuClearScreen->checked());
    choose("mnuClearScreen");
    EXPECT_EQ(f().chkCLS.value(), 1);
}

TEST_F(PopupMenuTest, MarksStartAfreshAfterTheChooserClosed) {
    choose("mnuShowGirds");
    choose("mnuClearScreen");
    platform.whileModal = [](forms::Form& form) { form.close(); };
    choose("mnuChangeSkin");

    EXPECT_EQ(platform.modalForms, (std::vector<std::string>{"frmSkin"}));
    EXPECT_EQ(f().chkShowMap.value(), 1) << "the grid stays on";
    EXPECT_FALSE(menuForm().mnuShowGirds->checked());
    EXPECT_TRUE(menuForm().mnuClearScreen->checked());
    EXPECT_TRUE(menuForm().mnuAlwaysOnTop->checked());
    EXPECT_FALSE(menuForm().mnuPaintSpecBGAsSkin->checked());
}

TEST_F(PopupMenuTest, ChangeSkinOpensTheChooserInsideTheOnTopPause) {
    int onTop = -1;
    platform.whileModal = [&](forms::Form& form) {
        onTop = f().chkOnTop.value();
        form.close();
    };
    f().chkOnTop.setValue(0);
    choose("mnuChangeSkin");
    EXPECT_EQ(onTop, 0);
    EXPECT_EQ(f().chkOnTop.value(), 1);
}

TEST_F(PopupMenuTest, PaneBackgroundTakesTheSkinsPixelAndClearsThePane) {
    peer().pixelAt = [](int x, int y) { return x == 50 && y == 50 ? 0x040204U : 0xFFFFFFU; };
    program.pane().line(0, 0, 259, 259, 0x00FF00);

    choose("mnuPaintSpecBGAsSkin");

    EXPECT_EQ(program.pane().backColour(), 0x040204U);
    EXPECT_EQ(program.pane().pixel(100, 100), 0x040204U);
    EXPECT_EQ(program.pane().pixel(0, 259), 0x040204U);
}

TEST_F(PopupMenuTest, AboutAndExit) {
    choose("mnuAbout");
    ASSERT_EQ(platform.messageBoxes.size(), 1U);
    EXPECT_EQ(platform.messageBoxes[0].title, "Orvanta 2");

    choose("mnuExit");
    EXPECT_TRUE(platform.ended);
}

TEST_F(PopupMenuTest, ExitDuringACaptureStopsTheDeviceFirst) {
    platform.everyPump = [this] {
        if (device.holdsBuffer()) choose("mnuExit");
    };
    f().cmdStart.click();
    EXPECT_TRUE(platform.ended);
    ASSERT_GE(device.calls.size(), 4U);
    const std::vector<std::string> last(device.calls.end() - 4, device.calls.end());
    EXPECT_EQ(last, (std::vector<std::string>{"reset", "stop", "close", "unprepare 0"}));
}

const std::vector<std::string> kTwoSinks{"PulseAudio", "Monitor of Orvanta",
                                         "Monitor of Orvanta B"};
const std::string kSystem = "&По выбору системы";
const std::vector<std::string> kTwoSinksItems{kSystem, "PulseAudio", "Monitor of Orvanta",
                                              "Monitor of Orvanta B"};

// The sound-source sub-menu for a scripted list of devices and a stored choice.
struct SourceMenuCase {
    std::vector<std::string> devices;  // named devices, by number
    unsigned unnamed;                  // devices after them that cannot say their name
    const char* stored;                // Settings/Device; null when absent
    std::vector<std::string> captions;
    int ticked;  // the one item with a check mark
};

class SoundSourceMenu : public ProgramTest, public ::testing::WithParamInterface<SourceMenuCase> {
  protected:
    void SetUp() override {
        device.offer(GetParam().devices);
        device.devices += GetParam().unnamed;
        if (GetParam().stored != nullptr) {
            store.save("Orvanta 2", "Settings", "Device", GetParam().stored);
        }
        ASSERT_TRUE(program.Main());
    }

    app::Program program{platform, store, device, appInfo()};
};

TEST_P(SoundSourceMenu, ListsTheSystemsChoiceThenEveryDeviceAndTicksTheOneInUse) {
    program.frmMain().mouseDown(forms::MouseButton::Right, 0, 30, 40);
    const forms::MenuItem& submenu =
        *platform.peerOf(program.frmMain()).popups.back().menu->items().back();
    EXPECT_EQ(submenu.caption(), "Источник &звука");
    std::vector<std::string> captions;
    std::vector<int> ticked;
    for (const auto& item : submenu.items()) {
        if (item->checked()) ticked.push_back(static_cast<int>(captions.size()));
        captions.push_back(item->caption());
    }
    EXPECT_EQ(captions, GetParam().captions);
    EXPECT_EQ(ticked, std::vector<int>{GetParam().ticked});
}

INSTANTIATE_TEST_SUITE_P(
    Devices, SoundSourceMenu,
    ::testing::Values(SourceMenuCase{kTwoSinks, 0, nullptr, kTwoSinksItems, 0},
                      SourceMenuCase{kTwoSinks, 0, "Monitor of Orvanta B", kTwoSinksItems, 3},
                      SourceMenuCase{kTwoSinks, 0, "USB Microphone", kTwoSinksItems, 0},  // gone
                      SourceMenuCase{{"Line & Mic"}, 0, "Line & Mic", {kSystem, "Line && Mic"}, 1},
                      SourceMenuCase{{"Line In", ""}, 2, "Line In", {kSystem, "Line In"}, 1},
                      SourceMenuCase{{"Mic", "Mic"}, 0, "Mic", {kSystem, "Mic", "Mic"}, 1},
                      // An output stored by its mark is not the recording device of its name.
                      SourceMenuCase{{"Mic", "\x1F", "\x1FMic & Co"},
                                     0,
                                     "\x1FMic & Co",
                                     {kSystem, "Звук компьютера", "Звук: Mic && Co", "-", "Mic"},
                                     2}));

TEST_F(PopupMenuTest, AChosenSoundSourceIsStoredByNameTheSystemsChoiceAsEmpty) {
    device.offer(kTwoSinks);
    f().mouseDown(forms::MouseButton::Right, 0, 30, 40);  // listed, not chosen
    EXPECT_TRUE(store.values().empty()) << "nothing is written before a choice";

    ASSERT_TRUE(choosePopupItem(platform, f(), "Источник &звука", kTwoSinks[2]));
    EXPECT_EQ(store.get("Orvanta 2", "Settings", "Device", "(absent)"), kTwoSinks[2]);
    EXPECT_TRUE(device.calls.empty()) << "no capture runs, so no device is touched";
    ASSERT_TRUE(choosePopupItem(platform, f(), "Источник &звука", kSystem));
    EXPECT_EQ(store.get("Orvanta 2", "Settings", "Device", "(absent)"), "");
}

}  // namespace
}  // namespace orv::testing
