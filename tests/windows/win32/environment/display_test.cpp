// The test environment's display: the screen Xvfb gives Wine, and reading back what a
// window shows, which the end-to-end tests rely on for pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "support/client_pixels.h"
#include "support/wait.h"

namespace {

TEST(Display, ScreenIsLargeEnoughAndTrueColour) {
    EXPECT_GE(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_GE(GetSystemMetrics(SM_CYSCREEN), 768);
    HDC screen = GetDC(nullptr);
    EXPECT_GE(GetDeviceCaps(screen, BITSPIXEL), 24);
    ReleaseDC(nullptr, screen);
}

// A borderless top-level window filled with one colour; its client area read back through
// a DIB gives that colour exactly.
TEST(Display, FilledWindowReadsBackExactly) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvantaEnvDisplayTest";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"display test", WS_POPUP, 40,
                                  40, 120, 80, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    orv::testing::pumpMessages();

    for (const COLORREF colour :
         {RGB(0, 0, 0), RGB(255, 255, 255), RGB(1, 2, 3), RGB(255, 0, 0), RGB(0, 128, 255)}) {
        SCOPED_TRACE(::testing::Message() << "colour 0x" << std::hex << colour);
        HDC dc = GetDC(window);
        HBRUSH brush = CreateSolidBrush(colour);
        RECT rect{0, 0, 120, 80};
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
        ReleaseDC(window, dc);

        const orv::testing::ClientPixels shown = orv::testing::captureClientPixels(window);
        ASSERT_EQ(shown.pixels.size(), 120u * 80u);
        const std::uint32_t expected =
            (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        const auto wrong = std::count_if(shown.pixels.begin(), shown.pixels.end(),
                                         [&](std::uint32_t p) { return p != expected; });
        EXPECT_EQ(wrong, 0) << "first pixel 0x" << std::hex << shown.pixels[0];
    }
    DestroyWindow(window);
}

}  // namespace
