#include "driver/message_box.h"

#include "driver/window_query.h"
#include "support/wait.h"

namespace orv::testing {

std::vector<HWND> dialogWindows(DWORD pid) {
    std::vector<HWND> dialogs;
    for (HWND window : topLevelWindows(pid)) {
        if (IsWindowVisible(window) && className(window) == L"#32770") dialogs.push_back(window);
    }
    return dialogs;
}

namespace {

struct Controls {
    std::vector<HWND> texts;    // static controls holding text (not the icon)
    std::vector<HWND> buttons;  // push buttons
};

Controls controlsOf(HWND box) {
    Controls controls;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM context) -> BOOL {
            auto* c = reinterpret_cast<Controls*>(context);
            const std::wstring cls = className(child);
            const auto style = GetWindowLongPtrW(child, GWL_STYLE);
            if (_wcsicmp(cls.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) != SS_ICON &&
                !windowText(child).empty()) {
                c->texts.push_back(child);
            } else if (_wcsicmp(cls.c_str(), L"Button") == 0 && IsWindowVisible(child)) {
                c->buttons.push_back(child);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    return controls;
}

}  // namespace

MessageBoxInfo readMessageBox(HWND box) {
    MessageBoxInfo info;
    info.window = box;
    info.title = windowText(box);
    for (HWND text : controlsOf(box).texts) {
        if (!info.text.empty()) info.text += L"\n";
        info.text += windowText(text);
    }
    return info;
}

std::optional<MessageBoxInfo> waitForMessageBox(DWORD pid, std::chrono::milliseconds limit) {
    HWND box = nullptr;
    const bool found = testing::waitUntil(
        [&] {
            const auto dialogs = dialogWindows(pid);
            // A box is ready to read once its message is in place.
            if (dialogs.empty() || controlsOf(dialogs.front()).texts.empty()) return false;
            box = dialogs.front();
            return true;
        },
        limit);
    if (!found) return std::nullopt;
    return readMessageBox(box);
}

bool pressOk(HWND box) {
    HWND button = GetDlgItem(box, IDOK);
    if (button == nullptr) {
        const auto buttons = controlsOf(box).buttons;
        if (buttons.size() != 1) return false;
        button = buttons.front();
    }
    const int id = GetDlgCtrlID(button);
    return PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != 0;
}

std::wstring normaliseLineBreaks(std::wstring text) {
    std::wstring result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r') {
            result += L'\n';
            if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace orv::testing
