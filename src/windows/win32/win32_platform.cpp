#include "windows/win32/win32_platform.h"

#include <commdlg.h>

#include <array>
#include <utility>

#include "windows/win32/form_window.h"
#include "windows/win32/text.h"
#include "windows/win32/unique_handle.h"

namespace orv::win32 {

Win32Platform::Win32Platform(HINSTANCE instance, std::string defaultTitle)
    : toolkit_(instance), defaultTitle_(std::move(defaultTitle)) {}

Win32Platform::~Win32Platform() {
    // Forms still loaded now may already be gone (the program that owned them ended first).
    for (const auto& entry : windows_) entry.second->orphan();
    windows_.clear();
}

FormWindow* Win32Platform::find(const forms::Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second.get();
}

HWND Win32Platform::windowOf(const forms::Form& form) const {
    const FormWindow* window = find(form);
    return window == nullptr ? nullptr : window->hwnd();
}

void Win32Platform::dispatch(MSG& message) {
    // Tab, the arrow keys and Escape move through a form's controls as in a dialog.
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr) {
        for (const auto& [form, window] : windows_) {
            if (window->hwnd() == root) {
                if (IsDialogMessageW(root, &message)) return;
                break;
            }
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32Platform::doEvents() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave it for the message loop that ends the program.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
}

int Win32Platform::run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
    return static_cast<int>(message.wParam);
}

void Win32Platform::msgBox(const std::string& prompt, int style, const std::string& title) {
    // Like any native program, the box belongs to the window the user is working in, which it
    // disables while open; with none active (at start-up), it is modal to the whole thread.
    ReleaseCapture();
    HWND owner = GetActiveWindow();
    const UINT modality = owner == nullptr ? MB_TASKMODAL : MB_APPLMODAL;
    MessageBoxW(owner, widen(prompt).c_str(), widen(title.empty() ? defaultTitle_ : title).c_str(),
                MB_OK | modality | static_cast<UINT>(style));
}

void Win32Platform::showModal(forms::Form& dialog, forms::Form& owner) {
    dialog.load();
    FormWindow* window = find(dialog);
    if (window == nullptr) return;
    HWND ownerWindow = windowOf(owner);
    ReleaseCapture();
    window->ownAndCentre(ownerWindow);
    modals_.push_back({&dialog, ownerWindow});
    if (ownerWindow != nullptr) EnableWindow(ownerWindow, FALSE);
    dialog.show();
    if (HWND first = GetNextDlgTabItem(window->hwnd(), nullptr, FALSE)) SetFocus(first);

    MSG message{};
    while (dialog.loaded()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0) break;
        dispatch(message);
    }

    modals_.pop_back();
    if (ownerWindow != nullptr && IsWindow(ownerWindow)) {
        EnableWindow(ownerWindow, TRUE);
        SetActiveWindow(ownerWindow);
    }
}

std::vector<forms::DirEntry> Win32Platform::listDirectory(const std::string& path) {
    std::string pattern = path;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
    pattern += '*';
    std::vector<forms::DirEntry> entries;
    WIN32_FIND_DATAW found{};
    const UniqueFind search{FindFirstFileW(filePath(pattern).c_str(), &found)};
    if (!search) return entries;
    do {
        entries.push_back({narrow(found.cFileName), found.dwFileAttributes});
    } while (FindNextFileW(search.get(), &found));
    return entries;
}

std::optional<forms::Colour> Win32Platform::chooseColour(forms::Form& owner) {
    // Fresh black custom colours at every call: nothing the user defined is kept.
    std::array<COLORREF, 16> custom{};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = windowOf(owner);
    choose.hInstance = reinterpret_cast<HWND>(toolkit_.instance());
    choose.lpCustColors = custom.data();
    choose.Flags = CC_FULLOPEN | CC_SOLIDCOLOR;
    ReleaseCapture();
    if (!ChooseColorW(&choose)) return std::nullopt;
    return choose.rgbResult;
}

void Win32Platform::endProgram() {
    ExitProcess(0);
}

void Win32Platform::createPeers(forms::Form& form) {
    if (find(form) != nullptr) return;
    // A dialog made before it is shown belongs to the main window, so that it never gets a
    // taskbar button of its own; showing it modally names its real owner.
    HWND owner = nullptr;
    if (form.borderStyle() == forms::BorderStyle::FixedDialog) {
        for (const auto& [other, window] : windows_) {
            if (other->borderStyle() == forms::BorderStyle::None) {
                owner = window->hwnd();
                break;
            }
        }
    }
    windows_[&form] = std::make_unique<FormWindow>(form, toolkit_, owner);
}

void Win32Platform::destroyPeers(forms::Form& form) {
    const auto found = windows_.find(&form);
    if (found == windows_.end()) return;
    // The owner of a modal dialog is enabled before the dialog goes, so that Windows hands the
    // activation back to it rather than to another program.
    for (const ModalFrame& frame : modals_) {
        if (frame.dialog == &form && frame.owner != nullptr) EnableWindow(frame.owner, TRUE);
    }
    const std::unique_ptr<FormWindow> window = std::move(found->second);
    windows_.erase(found);
}

}  // namespace orv::win32
