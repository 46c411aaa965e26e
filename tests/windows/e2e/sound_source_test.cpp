// The sound source chosen in the pop-up menu: one level plays into the environment's default
// sink and another into its second sink; the pane shows the level of the source chosen, and
// the choice is kept for the next run.
#include <windows.h>

#include <mmsystem.h>  // needs windows.h first

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "program_session.h"
#include "windows/win32/mmdevice_outputs.h"

namespace orv::testing {
namespace {

constexpr std::uint8_t kDefaultLevel = 200;  // into the default sink, "Orvanta"
constexpr std::uint8_t kSecondLevel = 60;    // into the second sink, "Orvanta-B"
constexpr wchar_t kSecondMonitor[] = L"Monitor of Orvanta-B";

class SoundSource : public ProgramSession {
  protected:
    void SetUp() override {
        ProgramSession::SetUp();
        ASSERT_TRUE(second.useDevice(L"Orvanta-B")) << "the environment has no second sink";
        ASSERT_TRUE(player.playLevel(kDefaultLevel));
        ASSERT_TRUE(second.playLevel(kSecondLevel));
    }
    void TearDown() override {
        second.stop();
        ProgramSession::TearDown();
    }
    // The wave-input device by the name the system gives it; its item in the sub-menu follows
    // the system's choice, what the computer plays and each output's sound (the separator is
    // no stop for the keyboard).
    static int menuItemOf(std::wstring_view name) {
        for (UINT id = 0; id < waveInGetNumDevs(); ++id) {
            WAVEINCAPSW caps{};
            if (waveInGetDevCapsW(id, &caps, sizeof caps) == MMSYSERR_NOERROR &&
                caps.szPname == name) {
                return static_cast<int>(id + waveOutGetNumDevs()) + 2;
            }
        }
        return -1;
    }
    // The item of an output's sound, after the system's choice and what the computer plays:
    // the outputs come in the order of the system's endpoints, not of winmm's devices.
    static int outputItemOf(std::string_view name) {
        const std::vector<std::string> outputs = win32::MmDeviceOutputs().names();
        const auto found = std::find(outputs.begin(), outputs.end(), name);
        return found == outputs.end() ? -1 : static_cast<int>(found - outputs.begin()) + 2;
    }
    // Chooses item `item` of the sound-source sub-menu, the last of the pop-up menu, with the
    // keyboard as a user may.
    void chooseSource(int item) {
        HWND menu = openPopupMenu();
        ASSERT_NE(menu, nullptr) << "no pop-up menu";
        for (const WPARAM key : {VK_UP, VK_RIGHT}) PostMessageW(menu, WM_KEYDOWN, key, 0);
        for (int i = 0; i < item; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
        ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(menu); })) << "the menu stays open";
    }
    // Ends the program as a user does and starts it again, capturing.
    void restartCapturing() {
        close(window);
        ASSERT_TRUE(program->waitForExit().has_value());
        program = Process::start(programUnderTest());
        ASSERT_TRUE(program.has_value());
        window = waitForMainWindow(program->id(), kMainCaption);
        ASSERT_NE(window, nullptr);
        startCapture();
    }
    // Style 0 draws a constant level as a bar from that row of the pane down to its bottom.
    bool shows(int level) {
        return waitUntil([&] {
            const Image shown = pane();
            return shown.at(100, level + 10) == RGB(0, 255, 0) && shown.at(100, level - 10) == 0;
        });
    }

    orv::testing::SoundPlayer second;
};

TEST_F(SoundSource, TheChosenMonitorIsShownAtOnceTheSystemsChoiceAgainAndTheChoiceIsKept) {
    const int secondItem = menuItemOf(kSecondMonitor);
    ASSERT_GT(secondItem, 0) << "Wine lists no monitor of the second sink";
    startCapture();
    ASSERT_TRUE(shows(kDefaultLevel)) << "the system's choice is the default sink's monitor";

    chooseSource(secondItem);
    EXPECT_TRUE(shows(kSecondLevel)) << "the capture did not switch to the second monitor";
    EXPECT_FALSE(IsWindowEnabled(control(L"cmdStart"))) << "the capture goes on";
    EXPECT_EQ(setting(L"Settings", L"Device"), kSecondMonitor);

    chooseSource(0);
    EXPECT_TRUE(shows(kDefaultLevel)) << "the system's choice did not come back";
    EXPECT_EQ(setting(L"Settings", L"Device"), L"");

    chooseSource(secondItem);
    ASSERT_NO_FATAL_FAILURE(restartCapturing());
    EXPECT_TRUE(shows(kSecondLevel)) << "the choice was not kept";
}

// Wine refuses loopback capture, so an output's sound comes from its monitor.
TEST_F(SoundSource, AnOutputsSoundIsShownThroughItsMonitorAndKeptByItsOwnName) {
    const int secondOutput = outputItemOf("Orvanta-B");
    ASSERT_GT(secondOutput, 0) << "Wine lists no second output";
    startCapture();
    chooseSource(secondOutput);
    EXPECT_TRUE(shows(kSecondLevel)) << "the second output's sound is not shown";
    EXPECT_EQ(setting(L"Settings", L"Device"), L"\x1FOrvanta-B");
    chooseSource(1);
    EXPECT_TRUE(shows(kDefaultLevel)) << "what the default output plays is not shown";

    chooseSource(secondOutput);
    ASSERT_NO_FATAL_FAILURE(restartCapturing());
    EXPECT_TRUE(shows(kSecondLevel)) << "the output's choice was not kept";
}

}  // namespace
}  // namespace orv::testing
