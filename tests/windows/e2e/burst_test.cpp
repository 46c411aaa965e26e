// Presses as fast as a test tool or an auto-clicker posts them: however many pile up, the
// program stays responsive, captures on the next press of Start and ends when closed.
#include <gtest/gtest.h>

#include <chrono>

#include "program_session.h"

namespace orv::testing {
namespace {

using namespace std::chrono_literals;

class Burst : public ProgramSession {};

TEST_F(Burst, PostedStartStopPressesNeverHangTheProgram) {
    ASSERT_TRUE(player.playLevel(200));
    HWND start = control(L"cmdStart");
    HWND stop = control(L"cmdStop");
    // 400 presses with no gap: each is served inside the pump of the handler before it.
    for (int press = 0; press < 200; ++press) {
        click(start);
        click(stop);
    }
    // The window thread answers again once the burst is served.
    DWORD_PTR answer = 0;
    ASSERT_NE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer), 0)
        << "the program no longer answers";
    // However the burst left it, Stop brings it to rest, and Start captures again. Presses of the
    // burst may still be queued behind the answer and open one more capture, and a press of Stop
    // served while Stop is disabled (in Start's first pump) does nothing, as on a grey button:
    // Stop is pressed again while it can be.
    ASSERT_TRUE(waitUntil([&] {
        if (IsWindowEnabled(start) && !IsWindowEnabled(stop)) return true;
        if (IsWindowEnabled(stop)) click(stop);
        return false;
    })) << "Stop did not end the capture the burst left";
    const Image settled = pane();
    ASSERT_TRUE(player.playLevel(60));
    startCapture();
    EXPECT_TRUE(waitUntil([&] { return pane().pixels != settled.pixels; }))
        << "no block was drawn after the burst";

    close(window);
    EXPECT_TRUE(program->waitForExit(10s).has_value()) << "closing did not end the program";
}

}  // namespace
}  // namespace orv::testing
