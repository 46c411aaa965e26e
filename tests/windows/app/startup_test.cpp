#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/support/program_fixture.h"

namespace orv::testing {
namespace {

using StartupTest = ProgramTest;

TEST_F(StartupTest, ASecondCopyIsToldAndEndsWithoutShowingTheWindow) {
    app::Program program(platform, store, device, appInfo(/*prevInstance=*/true));

    EXPECT_FALSE(program.Main());

    ASSERT_EQ(platform.messageBoxes.size(), 1U);
    const auto& box = platform.messageBoxes[0];
    EXPECT_EQ(box.prompt,
              "Уже загружена одна копия Orvanta 2.\r\nНельзя загружать более одной копии.");
    EXPECT_EQ(box.style, 65584);
    EXPECT_EQ(box.title, "Orvanta 2");
    EXPECT_FALSE(program.frmMain().visible());
    // Loaded unseen (its load ticks keep-on-top), then taken out of the top layer for good.
    EXPECT_EQ(platform.peerOf(program.frmMain()).topmostCalls, (std::vector<bool>{true, false}));
    EXPECT_TRUE(device.calls.empty());
}

TEST_F(StartupTest, AMachineWithoutSoundInputIsToldAndEnds) {
    device.devices = 0;
    app::Program program(platform, store, device, appInfo());

    EXPECT_FALSE(program.Main());

    ASSERT_EQ(platform.messageBoxes.size(), 1U);
    const auto& box = platform.messageBoxes[0];
    EXPECT_EQ(box.prompt,
              "Невозможно определить ниодно устройство ввоза звука.\r\n"
              "Возможно в системе неть звукавой карты или она неисправна.");
    EXPECT_EQ(box.style, 16);
    EXPECT_EQ(box.title, "Ошибка в Orvanta 2");
    EXPECT_FALSE(program.frmMain().visible());
    EXPECT_EQ(platform.peerOf(program.frmMain()).topmostCalls,
              (std::vector<bool>{true, false, true}));
}

TEST_F(StartupTest, TheWindowStartsInItsFixedStartState) {
    app::Program program(platform, store, device, appInfo());

    ASSERT_TRUE(program.Main());

    const auto& f = program.frmMain();
    EXPECT_TRUE(f.visible());
    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_EQ(f.caption(), "Orvanta 2.2");
    EXPECT_EQ(f.cmbStyle.listIndex(), 0);
    EXPECT_EQ(f.cmbColor.listIndex(), 3);
    EXPECT_EQ(f.cmbZoom.listIndex(), 0);
    EXPECT_EQ(f.chkOnTop.value(), 1);
    EXPECT_EQ(f.chkShowMap.value(), 0);
    EXPECT_EQ(f.chkCLS.value(), 1);
    EXPECT_TRUE(f.cmdStart.enabled());
    EXPECT_TRUE(f.cmdStop.enabled());
    EXPECT_EQ(platform.peerOf(f).topmostCalls, (std::vector<bool>{true}));
    EXPECT_EQ(program.skin().CurrentSkin, "Internal");
    EXPECT_TRUE(store.values().empty()) << "nothing is written at start";
}

TEST_F(StartupTest, GridLinesAreCreatedHiddenTenPixelsApart) {
    app::Program program(platform, store, device, appInfo());
    ASSERT_TRUE(program.Main());

    const auto& f = program.frmMain();
    ASSERT_EQ(f.vl.size(), 27U);
    ASSERT_EQ(f.hl.size(), 27U);
    for (int i = 0; i <= 26; ++i) {
        const int at = i == 0 ? 0 : 10 * i - 2;
        EXPECT_FALSE(f.vl[i]->visible());
        EXPECT_FALSE(f.hl[i]->visible());
        EXPECT_EQ(f.vl[i]->ends(), (forms::Line::Ends{at, 0, at, 256})) << i;
        EXPECT_EQ(f.hl[i]->ends(), (forms::Line::Ends{0, at, 256, at})) << i;
        EXPECT_EQ(f.vl[i]->colour(), 0x004000U);
        EXPECT_EQ(f.vl[i]->container(), &f.pctSpec);
    }
}

TEST_F(StartupTest, TheStoredSkinIsReadAndWornAsItStands) {
    store.save("Orvanta 2", "Settings", "Skin", "Ocean");
    app::Program program(platform, store, device, appInfo());
    ASSERT_TRUE(program.Main());

    EXPECT_EQ(program.skin().CurrentSkin, "Ocean");
    EXPECT_EQ(program.frmMain().picture().file, "C:\\Orvanta\\Skin\\Ocean\\kxMain.bmp");
    EXPECT_EQ(program.frmMain().picture().resourceId, 100);
}

TEST_F(StartupTest, ClosingBeforeStopWasEverPressedRunsStopOnTheClosedDevice) {
    app::Program program(platform, store, device, appInfo());
    ASSERT_TRUE(program.Main());

    program.frmMain().close();

    EXPECT_EQ(device.calls, (std::vector<std::string>{"reset 0", "stop 0", "close 0"}));
    EXPECT_TRUE(platform.ended);
    EXPECT_FALSE(program.frmMain().loaded());
}

TEST_F(StartupTest, ClosingWhenIdleAfterAStopCallsNoDeviceFunction) {
    app::Program program(platform, store, device, appInfo());
    ASSERT_TRUE(program.Main());
    program.frmMain().cmdStop.click();
    device.calls.clear();

    program.frmMain().close();

    EXPECT_TRUE(device.calls.empty());
    EXPECT_TRUE(platform.ended);
}

TEST_F(StartupTest, AnUnexpectedFailureIsReportedAsAnErrorAboveTheWindow) {
    app::Program program(platform, store, device, appInfo());
    ASSERT_TRUE(program.Main());
    std::vector<int> onTopDuringBox;
    platform.whileMessageBox = [&](const FakePlatform::MessageBox&) {
        onTopDuringBox.push_back(program.frmMain().chkOnTop.value());
    };

    program.reportUnexpectedFailure();

    ASSERT_EQ(platform.messageBoxes.size(), 1U);
    const auto& box = platform.messageBoxes[0];
    EXPECT_EQ(box.prompt,
              "Непредвиденная ошибка в программе.\r\n"
              "Действие прервано, программа продолжает работу.");
    EXPECT_EQ(box.style, 16);
    EXPECT_EQ(box.title, "Ошибка в Orvanta 2");
    EXPECT_EQ(onTopDuringBox, (std::vector<int>{0}));
    EXPECT_EQ(program.frmMain().chkOnTop.value(), 1);
}

}  // namespace
}  // namespace orv::testing
