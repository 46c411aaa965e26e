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

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
DWORD ProcessOf(HWND window);

// Every top-level window of process `pid`, visible or not, in Z order.
std::vector<HWND> TopLevelWindows(DWORD pid);

// The visible top-level window of `pid` whose caption is `caption` (any caption when
// empty) and that is no dialog box (#32770); nullptr when there is none.
HWND FindMainWindow(DWORD pid, std::wstring_view caption = {});
// Polls FindMainWindow until it finds one or `limit` runs out.
HWND WaitForMainWindow(DWORD pid, std::wstring_view caption = {},
                       std::chrono::milliseconds limit = std::chrono::seconds(30));

// The size of the client area.
Size ClientSize(HWND window);
// The window rectangle of `child` in the client coordinates of `parent`.
Box ChildBox(HWND parent, HWND child);

// The control name a child carries: the atom name of its window property "OrvantaName"
// (set by the program with SetPropW(child, L"OrvantaName", GlobalAddAtomW(name))); empty
// when it has none.
std::wstring ControlName(HWND child);
// The descendant of `parent` named `name`; nullptr when there is none.
HWND FindControl(HWND parent, std::wstring_view name);
// All named descendants of `parent`, name and window.
std::vector<std::pair<std::wstring, HWND>> NamedControls(HWND parent);

bool HasStyle(HWND window, LONG_PTR style);
bool HasExStyle(HWND window, LONG_PTR style);
bool IsTopmost(HWND window);
// CB_GETCURSEL of a combo box; BM_GETCHECK == BST_CHECKED of a check box.
int ComboSelection(HWND combo);
bool IsChecked(HWND check_box);

// Mouse and keyboard by posted messages, in the client coordinates of `window`.
void Click(HWND window, int x, int y);
// A click in the middle of `window`.
void Click(HWND window);
// WM_CLOSE, as the system menu or Alt+F4 would send it.
void Close(HWND window);
// Presses and releases `button` of the mouse at (x, y) without moving it in between.
enum class MouseButton { Left, Right, Middle };
void Press(HWND window, int x, int y, MouseButton button = MouseButton::Left);
void Release(HWND window, int x, int y, MouseButton button = MouseButton::Left);
void DoubleClick(HWND window, int x, int y);
// Picks item `index` of a drop-down list or list box as the user would: the selection moves
// and the parent hears of the change. Like the clicks, this returns before the program has
// acted on it; wait for the effect.
void SelectListItem(HWND list, int index);
// Clicks a push button or check box (BM_CLICK).
void ClickButton(HWND button);

}  // namespace orv::testing
