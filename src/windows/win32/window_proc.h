#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace orv::win32 {

// What the program does about an exception that a handler let out, set once at start-up: the
// message that raised it then counts as handled, and the program goes on.
inline std::function<void()>& unexpectedFailureReport() {
    static std::function<void()> report;
    return report;
}

inline void reportUnexpectedFailure() noexcept {
    // A failure while the report itself is shown is not reported again.
    static bool reporting = false;
    const std::function<void()>& report = unexpectedFailureReport();
    if (!report || reporting) return;
    reporting = true;
    try {
        report();
    } catch (...) {
    }
    reporting = false;
}

// The window procedure of a window class whose windows belong to objects of type T. The object
// comes in as the creation parameter and is kept in the window's user data from WM_NCCREATE on;
// each message goes to T::route, which hands it to a small member function or returns nothing to
// leave it to DefWindowProc. No exception leaves the procedure: one is reported.
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
            reportUnexpectedFailure();
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
