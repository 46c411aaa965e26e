#pragma once

#include <windows.h>
#include <windowsx.h>

#include <optional>

#include "windows/forms/control.h"

namespace orv::win32 {

// Mouse facts in the form the program's handlers take them.
struct MouseEvent {
    forms::MouseButton button;
    int shift;  // 1 Shift, 2 Ctrl, 4 Alt
    float x;
    float y;
};

// A press or release of a mouse button, told by its window message. A second press of the right
// or middle button in quick succession is a press like any other.
struct ButtonMessage {
    forms::MouseButton button;
    bool down;
};

inline std::optional<ButtonMessage> buttonMessage(UINT message) noexcept {
    using forms::MouseButton;
    switch (message) {
        case WM_LBUTTONDOWN:
            return ButtonMessage{MouseButton::Left, true};
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return ButtonMessage{MouseButton::Right, true};
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return ButtonMessage{MouseButton::Middle, true};
        case WM_LBUTTONUP:
            return ButtonMessage{MouseButton::Left, false};
        case WM_RBUTTONUP:
            return ButtonMessage{MouseButton::Right, false};
        case WM_MBUTTONUP:
            return ButtonMessage{MouseButton::Middle, false};
        default:
            return std::nullopt;
    }
}

inline int shiftState(WPARAM wParam) noexcept {
    int shift = 0;
    if ((wParam & MK_SHIFT) != 0) shift |= 1;
    if ((wParam & MK_CONTROL) != 0) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

// The buttons held during a move, as the sum of their numbers (1 left, 2 right, 4 middle).
inline forms::MouseButton heldButtons(WPARAM wParam) noexcept {
    int held = 0;
    if ((wParam & MK_LBUTTON) != 0) held |= 1;
    if ((wParam & MK_RBUTTON) != 0) held |= 2;
    if ((wParam & MK_MBUTTON) != 0) held |= 4;
    return static_cast<forms::MouseButton>(held);
}

inline MouseEvent mouseEvent(forms::MouseButton button, WPARAM wParam, LPARAM lParam) noexcept {
    // Signed: with the mouse captured, a point left of or above the window is negative.
    return MouseEvent{button, shiftState(wParam), static_cast<float>(GET_X_LPARAM(lParam)),
                      static_cast<float>(GET_Y_LPARAM(lParam))};
}

inline int buttonBit(forms::MouseButton button) noexcept {
    return static_cast<int>(button);
}

// Whether the button is still down by the message queue's account: a handler that ran a modal
// loop may have taken its release already.
inline bool stillHeld(forms::MouseButton button) noexcept {
    const int key = button == forms::MouseButton::Left    ? VK_LBUTTON
                    : button == forms::MouseButton::Right ? VK_RBUTTON
                                                          : VK_MBUTTON;
    return GetKeyState(key) < 0;
}

}  // namespace orv::win32
