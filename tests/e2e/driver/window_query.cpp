#include "driver/window_query.h"

#include "support/wait.h"

namespace orv::testing {

std::wstring WindowText(HWND window) {
    // WM_GETTEXT works across processes, also for controls of another program.
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(length));
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::vector<HWND> TopLevelWindows(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            if (ProcessOf(window) == s->pid) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindMainWindow(DWORD pid, std::wstring_view caption) {
    for (HWND window : TopLevelWindows(pid)) {
        if (!IsWindowVisible(window) || ClassName(window) == L"#32770") continue;
        if (caption.empty() || WindowText(window) == caption) return window;
    }
    return nullptr;
}

HWND WaitForMainWindow(DWORD pid, std::wstring_view caption, std::chrono::milliseconds limit) {
    HWND found = nullptr;
    testing::WaitUntil([&] { return (found = FindMainWindow(pid, caption)) != nullptr; }, limit);
    return found;
}

Size ClientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

Box ChildBox(HWND parent, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::wstring ControlName(HWND child) {
    const auto atom =
        static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(child, L"OrvantaName")));
    if (atom == 0) return {};
    wchar_t name[256] = {};
    const UINT length = GlobalGetAtomNameW(atom, name, 256);
    return std::wstring(name, length);
}

std::vector<std::pair<std::wstring, HWND>> NamedControls(HWND parent) {
    std::vector<std::pair<std::wstring, HWND>> found;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM context) -> BOOL {
            auto name = ControlName(child);
            if (!name.empty()) {
                reinterpret_cast<std::vector<std::pair<std::wstring, HWND>>*>(context)
                    ->emplace_back(std::move(name), child);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND FindControl(HWND parent, std::wstring_view name) {
    for (const auto& [control_name, child] : NamedControls(parent)) {
        if (control_name == name) return child;
    }
    return nullptr;
}

bool HasStyle(HWND window, LONG_PTR style) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style;
}

bool HasExStyle(HWND window, LONG_PTR style) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & style) == style;
}

bool IsTopmost(HWND window) {
    return HasExStyle(window, WS_EX_TOPMOST);
}

int ComboSelection(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

bool IsChecked(HWND check_box) {
    return SendMessageW(check_box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND window, int x, int y) {
    const LPARAM where = MAKELPARAM(x, y);
    PostMessageW(window, WM_MOUSEMOVE, 0, where);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(window, WM_LBUTTONUP, 0, where);
}

void Click(HWND window) {
    const Size size = ClientSize(window);
    Click(window, size.width / 2, size.height / 2);
}

void Close(HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
}

namespace {

struct ButtonMessages {
    UINT down;
    UINT up;
    WPARAM held;
};

ButtonMessages MessagesOf(MouseButton button) {
    switch (button) {
        case MouseButton::Right:
            return {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON};
        case MouseButton::Middle:
            return {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON};
        case MouseButton::Left:
            break;
    }
    return {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON};
}

}  // namespace

void Press(HWND window, int x, int y, MouseButton button) {
    const ButtonMessages m = MessagesOf(button);
    PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    PostMessageW(window, m.down, m.held, MAKELPARAM(x, y));
}

void Release(HWND window, int x, int y, MouseButton button) {
    PostMessageW(window, MessagesOf(button).up, 0, MAKELPARAM(x, y));
}

void DoubleClick(HWND window, int x, int y) {
    const LPARAM where = MAKELPARAM(x, y);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(window, WM_LBUTTONUP, 0, where);
    PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    PostMessageW(window, WM_LBUTTONUP, 0, where);
}

void SelectListItem(HWND list, int index) {
    const bool combo = ClassName(list) == L"ComboBox";
    SendMessageW(list, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    const WORD code = combo ? CBN_SELCHANGE : LBN_SELCHANGE;
    // Posted, as the user's own action arrives: a handler that opens a modal window must not
    // hold the test up.
    PostMessageW(GetParent(list), WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(list)), code),
                 reinterpret_cast<LPARAM>(list));
}

void ClickButton(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

}  // namespace orv::testing
