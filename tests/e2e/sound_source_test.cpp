// The sound source chosen in the pop-up menu: one level plays into the environment's default
// sink and another into its second sink; the pane shows the level of the source chosen, and
// the choice is kept for the next run.
#include <windows.h>

#include <mmsystem.h>  // needs windows.h first

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "program_session.h"

namespace orv::testing {
namespace {

using orv::testing::WaitUntil;

constexpr std::uint8_t kDefaultLevel = 200;  // into the default sink, "Orvanta"
constexpr std::uint8_t kSecondLevel = 60;    // into the second sink, "Orvanta-B"
constexpr wchar_t kSecondMonitor[] = L"Monitor of Orvanta-B";

class SoundSource : public ProgramSession {
  protected:
    void SetUp() override {
        ProgramSession::SetUp();
        ASSERT_TRUE(second.UseDevice(L"Orvanta-B")) << "the environment has no second sink";
        ASSERT_TRUE(player.PlayLevel(kDefaultLevel));
        ASSERT_TRUE(second.PlayLevel(kSecondLevel));
    }
    void TearDown() override {
        second.Stop();
        ProgramSession::TearDown();
    }
    // The wave-input device by the name the system gives it; its item in the sub-menu follows
    // the system's choice.
    static int MenuItemOf(std::wstring_view name) {
        for (UINT id = 0; id < waveInGetNumDevs(); ++id) {
            WAVEINCAPSW caps{};
            if (waveInGetDevCapsW(id, &caps, sizeof caps) == MMSYSERR_NOERROR &&
                caps.szPname == name) {
                return static_cast<int>(id) + 1;
            }
        }
        return -1;
    }
    // Chooses item `item` of the sound-source sub-menu, the first of the pop-up menu, with the
    // keyboard as a user may.
    void ChooseSource(int item) {
        HWND menu = OpenPopupMenu();
        ASSERT_NE(menu, nullptr) << "no pop-up menu";
        for (const WPARAM key : {VK_DOWN, VK_RIGHT}) PostMessageW(menu, WM_KEYDOWN, key, 0);
        for (int i = 0; i < item; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); })) << "the menu stays open";
    }
    // Style 0 draws a constant level as a bar from that row of the pane down to its bottom.
    bool Shows(int level) {
        return WaitUntil([&] {
            const Image pane = Pane();
            return pane.at(100, level + 10) == RGB(0, 255, 0) && pane.at(100, level - 10) == 0;
        });
    }

    orv::testing::SoundPlayer second;
};

TEST_F(SoundSource, TheChosenMonitorIsShownAtOnceTheSystemsChoiceAgainAndTheChoiceIsKept) {
    const int secondItem = MenuItemOf(kSecondMonitor);
    ASSERT_GT(secondItem, 0) << "Wine lists no monitor of the second sink";
    StartCapture();
    ASSERT_TRUE(Shows(kDefaultLevel)) << "the system's choice is the default sink's monitor";

    ChooseSource(secondItem);
    EXPECT_TRUE(Shows(kSecondLevel)) << "the capture did not switch to the second monitor";
    EXPECT_FALSE(IsWindowEnabled(Control(L"cmdStart"))) << "the capture goes on";
    EXPECT_EQ(Setting(L"Settings", L"Device"), kSecondMonitor);

    ChooseSource(0);
    EXPECT_TRUE(Shows(kDefaultLevel)) << "the system's choice did not come back";
    EXPECT_EQ(Setting(L"Settings", L"Device"), L"");

    ChooseSource(secondItem);
    Close(window);
    ASSERT_TRUE(program->WaitForExit().has_value());
    program = Process::Start(ProgramUnderTest());
    ASSERT_TRUE(program.has_value());
    window = WaitForMainWindow(program->id(), kMainCaption);
    ASSERT_NE(window, nullptr);
    StartCapture();
    EXPECT_TRUE(Shows(kSecondLevel)) << "the choice was not kept";
}

}  // namespace
}  // namespace orv::testing
