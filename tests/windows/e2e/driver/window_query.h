// Finding and inspecting the windows of a program under test through Win32 alone.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::testing {

// A rectangle as a position and a size.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Box&, const Box&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

std::wstring windowText(HWND window);
std::wstring className(HWND window);
DWORD processOf(HWND window);

// Every top-level window of process `pid`, visible or not, in Z order.
std::vector<HWND> topLevelWindows(DWORD pid);

// The visible top-level window of `pid` whose caption is `caption` (any caption when
// empty) and that is no dialog box (#32770); nullptr when there is none.
HWND findMainWindow(DWORD pid, std::wstring_view caption = {});
// Polls FindMainWindow until it finds one or `limit` runs out.
HWND waitForMainWindow(DWORD pid, std::wstring_view caption = {},
                       std::chrono::milliseconds limit = std::chrono::seconds(30));

// The size of the client area.
Size clientSize(HWND window);
// The window rectangle of `child` in the client coordinates of `parent`.
Box childBox(HWND parent, HWND child);

// The control name a child carries: the atom name of its window property "OrvantaName"
// (set by the program with SetPropW(child, L"OrvantaName", GlobalAddAtomW(name))); empty
// when it has none.
std::wstring controlName(HWND child);
// The descendant of `parent` named `name`; nullptr when there is none.
HWND findControl(HWND parent, std::wstring_view name);
// All named descendants of `parent`, name and window.
std::vector<std::pair<std::wstring, HWND>> NamedControls(HWND parent);

bool hasStyle(HWND window, LONG_PTR style);
bool hasExStyle(HWND window, LONG_PTR style);
bool isTopmost(HWND window);
// CB_GETCURSEL of a combo box; BM_GETCHECK == BST_CHECKED of a check box.
int comboSelection(HWND combo);
bool isChecked(HWND check_box);

// Mouse and keyboard by posted messages, in the client coordinates of `window`.
void click(HWND window, int x, int y);
// A click in the middle of `window`.
void click(HWND window);
// WM_CLOSE, as the system menu or Alt+F4 would send it.
void close(HWND window);
// Presses and releases `button` of the mouse at (x, y) without moving it in between.
enum class MouseButton { Left, Right, Middle };
void press(HWND window, int x, int y, MouseButton button = MouseButton::Left);
void release(HWND window, int x, int y, MouseButton button = MouseButton::Left);
void doubleClick(HWND window, int x, int y);
// Picks item `index` of a drop-down list or list box as the user would: the selection moves
// and the parent hears of the change. Like the clicks, this returns before the program has
// acted on it; wait for the effect.
void selectListItem(HWND list, int index);
// Clicks a push button or check box (BM_CLICK).
void clickButton(HWND button);

}  // namespace orv::testing
