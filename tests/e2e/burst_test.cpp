// Presses as fast as a test tool or an auto-clicker posts them: however many pile up, the
// program stays responsive, captures on the next press of Start and ends when closed.
#include <gtest/gtest.h>

#include <chrono>

#include "program_session.h"

namespace orv::testing {
namespace {

using namespace std::chrono_literals;
using orv::testing::WaitUntil;

class Burst : public ProgramSession {};

TEST_F(Burst, PostedStartStopPressesNeverHangTheProgram) {
    ASSERT_TRUE(player.PlayLevel(200));
    HWND start = Control(L"cmdStart");
    HWND stop = Control(L"cmdStop");
    // 400 presses with no gap: each is served inside the pump of the handler before it.
    for (int press = 0; press < 200; ++press) {
        Click(start);
        Click(stop);
    }
    // The window thread answers again once the burst is served.
    DWORD_PTR answer = 0;
    ASSERT_NE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer), 0)
        << "the program no longer answers";
    // However the burst left it, Stop brings it to rest, and Start captures again.
    Click(stop);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(start) && !IsWindowEnabled(stop); }))
        << "Stop did not end the capture the burst left";
    const Image settled = Pane();
    ASSERT_TRUE(player.PlayLevel(60));
    StartCapture();
    EXPECT_TRUE(WaitUntil([&] { return Pane().pixels != settled.pixels; }))
        << "no block was drawn after the burst";

    Close(window);
    EXPECT_TRUE(program->WaitForExit(10s).has_value()) << "closing did not end the program";
}

}  // namespace
}  // namespace orv::testing
