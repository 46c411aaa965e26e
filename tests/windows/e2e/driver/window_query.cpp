#include "driver/window_query.h"

#include "support/wait.h"

namespace orv::testing {

std::wstring windowText(HWND window) {
    // WM_GETTEXT works across processes, also for controls of another program.
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring className(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(length));
}

DWORD processOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::vector<HWND> topLevelWindows(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            if (processOf(window) == s->pid) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findMainWindow(DWORD pid, std::wstring_view caption) {
    for (HWND window : topLevelWindows(pid)) {
        if (!IsWindowVisible(window) || className(window) == L"#32770") continue;
        if (caption.empty() || windowText(window) == caption) return window;
    }
    return nullptr;
}

HWND waitForMainWindow(DWORD pid, std::wstring_view caption, std::chrono::milliseconds limit) {
    HWND found = nullptr;
    testing::waitUntil([&] { return (found = findMainWindow(pid, caption)) != nullptr; }, limit);
    return found;
}

Size clientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

Box childBox(HWND parent, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::wstring controlName(HWND child) {
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
            auto name = controlName(child);
            if (!name.empty()) {
                reinterpret_cast<std::vector<std::pair<std::wstring, HWND>>*>(context)
                    ->emplace_back(std::move(name), child);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND findControl(HWND parent, std::wstring_view name) {
    for (const auto& [control_name, child] : NamedControls(parent)) {
        if (control_name == name) return child;
    }
    return nullptr;
}

bool hasStyle(HWND window, LONG_PTR style) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style;
}

bool hasExStyle(HWND window, LONG_PTR style) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & style) == style;
}

bool isTopmost(HWND window) {
    return hasExStyle(window, WS_EX_TOPMOST);
}

int comboSelection(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

bool isChecked(HWND check_box) {
    return SendMessageW(check_box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void click(HWND window, int x, int y) {
    const LPARAM where = MAKELPARAM(x, y);
    PostMessageW(window, WM_MOUSEMOVE, 0, where);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(window, WM_LBUTTONUP, 0, where);
}

void click(HWND window) {
    const Size size = clientSize(window);
    click(window, size.width / 2, size.height / 2);
}

void close(HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
}

namespace {

struct ButtonMessages {
    UINT down;
    UINT up;
    WPARAM held;
};

ButtonMessages messagesOf(MouseButton button) {
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

void press(HWND window, int x, int y, MouseButton button) {
    const ButtonMessages m = messagesOf(button);
    PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    PostMessageW(window, m.down, m.held, MAKELPARAM(x, y));
}

void release(HWND window, int x, int y, MouseButton button) {
    PostMessageW(window, messagesOf(button).up, 0, MAKELPARAM(x, y));
}

void doubleClick(HWND window, int x, int y) {
    const LPARAM where = MAKELPARAM(x, y);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(window, WM_LBUTTONUP, 0, where);
    PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    PostMessageW(window, WM_LBUTTONUP, 0, where);
}

void selectListItem(HWND list, int index) {
    const bool combo = className(list) == L"ComboBox";
    SendMessageW(list, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    const WORD code = combo ? CBN_SELCHANGE : LBN_SELCHANGE;
    // Posted, as the user's own action arrives: a handler that opens a modal window must not
    // hold the test up.
    PostMessageW(GetParent(list), WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(list)), code),
                 reinterpret_cast<LPARAM>(list));
}

void clickButton(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

}  // namespace orv::testing
