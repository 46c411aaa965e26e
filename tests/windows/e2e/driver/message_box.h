// Message boxes of a program under test: standard dialog windows (class #32770) owned by
// its process.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace orv::testing {

struct MessageBoxInfo {
    HWND window = nullptr;
    std::wstring title;
    // The message as its static control holds it.
    std::wstring text;
};

// The visible dialog boxes of process `pid`.
std::vector<HWND> dialogWindows(DWORD pid);
// Reads a message box: its title and the text of its message.
MessageBoxInfo readMessageBox(HWND box);
// Polls for a visible message box of `pid`; empty if none appears within `limit`.
std::optional<MessageBoxInfo> waitForMessageBox(
    DWORD pid, std::chrono::milliseconds limit = std::chrono::seconds(30));
// Presses the box's OK button (or its only button); false if it has none.
bool pressOk(HWND box);

// Line breaks made comparable: CR LF, CR and LF all become LF.
std::wstring normaliseLineBreaks(std::wstring text);

}  // namespace orv::testing
