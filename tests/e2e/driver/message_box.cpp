#include "driver/message_box.h"

#include "driver/window_query.h"
#include "support/wait.h"

namespace orv::testing {

std::vector<HWND> DialogWindows(DWORD pid) {
    std::vector<HWND> dialogs;
    for (HWND window : TopLevelWindows(pid)) {
        if (IsWindowVisible(window) && ClassName(window) == L"#32770") dialogs.push_back(window);
    }
    return dialogs;
}

namespace {

struct Controls {
    std::vector<HWND> texts;    // static controls holding text (not the icon)
    std::vector<HWND> buttons;  // push buttons
};

Controls ControlsOf(HWND box) {
    Controls controls;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM context) -> BOOL {
            auto* c = reinterpret_cast<Controls*>(context);
            const std::wstring cls = ClassName(child);
            const auto style = GetWindowLongPtrW(child, GWL_STYLE);
            if (_wcsicmp(cls.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) != SS_ICON &&
                !WindowText(child).empty()) {
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

MessageBoxInfo ReadMessageBox(HWND box) {
    MessageBoxInfo info;
    info.window = box;
    info.title = WindowText(box);
    for (HWND text : ControlsOf(box).texts) {
        if (!info.text.empty()) info.text += L"\n";
        info.text += WindowText(text);
    }
    return info;
}

std::optional<MessageBoxInfo> WaitForMessageBox(DWORD pid, std::chrono::milliseconds limit) {
    HWND box = nullptr;
    const bool found = testing::WaitUntil(
        [&] {
            const auto dialogs = DialogWindows(pid);
            // A box is ready to read once its message is in place.
            if (dialogs.empty() || ControlsOf(dialogs.front()).texts.empty()) return false;
            box = dialogs.front();
            return true;
        },
        limit);
    if (!found) return std::nullopt;
    return ReadMessageBox(box);
}

bool PressOk(HWND box) {
    HWND button = GetDlgItem(box, IDOK);
    if (button == nullptr) {
        const auto buttons = ControlsOf(box).buttons;
        if (buttons.size() != 1) return false;
        button = buttons.front();
    }
    const int id = GetDlgCtrlID(button);
    return PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != 0;
}

std::wstring NormaliseLineBreaks(std::wstring text) {
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
