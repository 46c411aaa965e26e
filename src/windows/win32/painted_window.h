#pragma once

#include <windows.h>

#include <optional>

#include "windows/win32/mouse.h"

namespace orv::win32 {

// The messages the program's own painted windows (a form's face, a picture box) answer alike:
// presses and releases of the mouse buttons, painting through one paint(HDC) member, and the
// loss of the mouse capture. Nothing for any other message, which the window routes itself.
//
// Window has hwnd(), paint(HDC), onButtonDown and onButtonUp (button, wParam, lParam), and
// captureLost(); it makes this function its friend.
template <typename Window>
std::optional<LRESULT> routePaintedWindow(Window& window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    if (const auto button = buttonMessage(message)) {
        return button->down ? window.onButtonDown(button->button, wParam, lParam)
                            : window.onButtonUp(button->button, wParam, lParam);
    }
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(window.hwnd(), &ps);
            if (dc != nullptr) window.paint(dc);
            EndPaint(window.hwnd(), &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            window.paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painting covers every pixel
        case WM_CAPTURECHANGED:
            window.captureLost();
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace orv::win32
