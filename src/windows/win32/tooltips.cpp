#include "windows/win32/tooltips.h"

#include <commctrl.h>

#include "windows/win32/text.h"

namespace orv::win32 {
namespace {

TTTOOLINFOW toolInfo(HWND owner, HWND tool) {
    TTTOOLINFOW info{};
    // The version-2 size is understood by every common-controls version.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    return info;
}

}  // namespace

void Tooltips::set(HWND tool, const std::string& text) {
    const auto known = texts_.find(tool);
    if (known != texts_.end() && known->second == text) return;
    if (text.empty()) {
        remove(tool);
        return;
    }
    if (!window_) {
        // Owned by no window: a topmost window owned by the form makes Wine put the form under
        // it rather than into the topmost layer when the form is made to stay on top.
        window_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                      nullptr, nullptr));
        if (!window_) return;
    }
    std::wstring wide = widen(text);
    TTTOOLINFOW tip = toolInfo(owner_, tool);
    tip.lpszText = wide.data();
    SendMessageW(window_.get(), known == texts_.end() ? TTM_ADDTOOLW : TTM_UPDATETIPTEXTW, 0,
                 reinterpret_cast<LPARAM>(&tip));
    texts_[tool] = text;
}

void Tooltips::remove(HWND tool) {
    if (texts_.erase(tool) == 0 || !window_) return;
    TTTOOLINFOW tip = toolInfo(owner_, tool);
    SendMessageW(window_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tip));
}

}  // namespace orv::win32
