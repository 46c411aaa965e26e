#pragma once

#include <windows.h>

#include <optional>

namespace orv::win32 {

// The window procedure of a window class whose windows belong to objects of type T. The object
// comes in as the creation parameter and is kept in the window's user data from WM_NCCREATE on;
// each message goes to T::route, which hands it to a small member function or returns nothing to
// leave it to DefWindowProc. No exception leaves the procedure.
template <typename T>
LRESULT CALLBACK routeToObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* target = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (target != nullptr) {
        try {
            // The call may destroy the object (a click that unloads the form): nothing of it
            // is touched afterwards.
            if (const std::optional<LRESULT> result =
                    target->route(window, message, wParam, lParam)) {
                return *result;
            }
        } catch (...) {
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Cuts a window off from its object, so that messages sent while the object is being torn down
// go to DefWindowProc.
inline void detachObject(HWND window) noexcept {
    if (window != nullptr) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

}  // namespace orv::win32
