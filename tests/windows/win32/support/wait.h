// Polling waits for the Windows-side tests: a condition is checked until it holds or a
// generous limit runs out; the calling thread's window messages are pumped meanwhile, so
// windows the test itself owns stay responsive. Never a fixed sleep in its place.
#pragma once

#include <windows.h>

#include <chrono>

namespace orv::testing {

// Dispatches every message waiting for the calling thread, then returns.
inline void pumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// True as soon as `condition()` is true; false if it is still false after `limit`.
template <class Condition>
bool waitUntil(Condition&& condition, std::chrono::milliseconds limit = std::chrono::seconds(20),
               std::chrono::milliseconds poll = std::chrono::milliseconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        pumpMessages();
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(poll.count()), QS_ALLINPUT);
    }
}

}  // namespace orv::testing
