#include "windows/win32/form_window.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "windows/win32/child_peer.h"
#include "windows/win32/images.h"
#include "windows/win32/mouse.h"
#include "windows/win32/painted_window.h"
#include "windows/win32/popup_menu.h"
#include "windows/win32/text.h"
#include "windows/win32/toolkit.h"
#include "windows/win32/window_proc.h"

namespace orv::win32 {
namespace {

struct Frame {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

Frame frameFor(forms::BorderStyle border) {
    if (border == forms::BorderStyle::FixedDialog) {
        // A dialog frame with a close box and no icon; owned, so no taskbar button. The face
        // is painted under the children too: a frame does not paint its inside.
        return {kDialogClass, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT};
    }
    // No frame at all; the system menu and minimise box only serve the taskbar button.
    return {kFormClass, WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
            WS_EX_APPWINDOW | WS_EX_CONTROLPARENT};
}

// Places a window centred over `over` (or the screen), kept inside the work area.
void centre(HWND window, HWND over) {
    RECT own{};
    GetWindowRect(window, &own);
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (over != nullptr && IsWindowVisible(over) && !IsIconic(over)) GetWindowRect(over, &area);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int left = area.left + (area.right - area.left - width) / 2;
    int top = area.top + (area.bottom - area.top - height) / 2;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        left = std::max(static_cast<int>(work.left),
                        std::min(left, static_cast<int>(work.right) - width));
        top = std::max(static_cast<int>(work.top),
                       std::min(top, static_cast<int>(work.bottom) - height));
    }
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int tabKey(const forms::Control* control) {
    return control->tabIndex() < 0 ? INT_MAX : control->tabIndex();
}

}  // namespace

FormWindow::FormWindow(forms::Form& form, const Toolkit& toolkit, HWND owner)
    : form_(form), toolkit_(toolkit) {
    const Frame frame = frameFor(form.borderStyle());
    RECT outer{0, 0, form.clientWidth(), form.clientHeight()};
    AdjustWindowRectEx(&outer, frame.style, FALSE, frame.exStyle);
    window_.reset(CreateWindowExW(frame.exStyle, frame.windowClass, widen(form.caption()).c_str(),
                                  frame.style, 0, 0, outer.right - outer.left,
                                  outer.bottom - outer.top, owner, nullptr, toolkit.instance(),
                                  this));
    if (!window_) return;
    centre(hwnd(), form.borderStyle() == forms::BorderStyle::FixedDialog ? owner : nullptr);
    name_.reset(GlobalAddAtomW(widen(form.name()).c_str()));
    SetPropW(hwnd(), kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(name_.get())));
    tooltips_ = Tooltips(hwnd());
    createControls();
    form.attach(this);
    stateChanged(form);
}

FormWindow::~FormWindow() {
    // Messages sent while the children go must not reach a half-destroyed object.
    detachObject(hwnd());
    if (!orphaned_) {
        if (form_.peer() == this) form_.attach(nullptr);
        for (forms::Control* control : form_.controls()) {
            const bool ours = std::any_of(peers_.begin(), peers_.end(), [&](const auto& peer) {
                return peer.get() == control->peer();
            });
            if (ours) control->attach(nullptr);
        }
    }
    peers_.clear();
    tooltips_ = Tooltips(nullptr);
    if (hwnd() != nullptr) RemovePropW(hwnd(), kNameProperty);
    window_.reset();
}

void FormWindow::createControls() {
    std::vector<forms::Control*> order = form_.controls();
    // Creation order is the tab order.
    std::stable_sort(
        order.begin(), order.end(),
        [](const forms::Control* a, const forms::Control* b) { return tabKey(a) < tabKey(b); });
    for (forms::Control* control : order) addPeer(*control);
    // A frame lies under the controls placed on it.
    for (const forms::Control* control : form_.controls()) {
        const forms::Control* outer = control->container();
        if (outer == nullptr) continue;
        if (const auto* frame = dynamic_cast<const ChildPeer*>(outer->peer())) {
            SetWindowPos(frame->hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

void FormWindow::addPeer(forms::Control& control) {
    const PeerSite site{hwnd(), toolkit_, form_, tooltips_};
    std::unique_ptr<forms::ControlPeer> peer = makeControlPeer(control, site);
    if (!peer) return;
    control.attach(peer.get());
    peer->stateChanged(control);
    peers_.push_back(std::move(peer));
}

void FormWindow::ownAndCentre(HWND owner) {
    SetWindowLongPtrW(hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    centre(hwnd(), owner);
}

void FormWindow::stateChanged(const forms::Form& form) {
    const std::wstring caption = widen(form.caption());
    wchar_t shown[256] = {};
    GetWindowTextW(hwnd(), shown, 256);
    if (caption != shown) SetWindowTextW(hwnd(), caption.c_str());
    // The face is loaded anew each time it is set; the old one is freed by the assignment, and
    // the controls' backgrounds, which match it, with it.
    background_ = loadPicture(form.picture(), toolkit_.instance());
    controlBrushes_.clear();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    if ((IsWindowVisible(hwnd()) != FALSE) != form.visible()) {
        ShowWindow(hwnd(), form.visible() ? SW_SHOW : SW_HIDE);
    }
}

void FormWindow::controlAdded(forms::Control& control) {
    addPeer(control);
}

void FormWindow::minimize() {
    ShowWindow(hwnd(), SW_MINIMIZE);
}

void FormWindow::moveBy(float dx, float dy) {
    RECT rect{};
    GetWindowRect(hwnd(), &rect);
    SetWindowPos(hwnd(), nullptr, rect.left + static_cast<int>(std::lround(dx)),
                 rect.top + static_cast<int>(std::lround(dy)), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::setTopmost(bool topmost) {
    SetWindowPos(hwnd(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE);
}

void FormWindow::popupMenu(const forms::MenuItem& menu, float x, float y,
                           const forms::MenuItem* defaultItem) {
    const BuiltMenu built = buildPopupMenu(menu, defaultItem);
    ReleaseCapture();
    const POINT at{static_cast<LONG>(std::lround(x)), static_cast<LONG>(std::lround(y))};
    const forms::MenuItem* chosen = trackPopupMenu(built, hwnd(), at);
    // The command runs after the menu has gone; it may unload this form.
    if (chosen != nullptr) chosen->click();
}

forms::Colour FormWindow::pixel(int x, int y) {
    // Where the image does not reach, the window shows its face colour.
    const SIZE size = bitmapSize(background_.get());
    if (x < 0 || y < 0 || x >= size.cx || y >= size.cy) return GetSysColor(COLOR_BTNFACE);
    const UniqueDc dc{CreateCompatibleDC(nullptr)};
    const Selection selected(dc.get(), background_.get());
    return GetPixel(dc.get(), x, y);
}

std::optional<LRESULT> FormWindow::route(HWND /*window*/, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
    if (const auto handled = routePaintedWindow(*this, message, wParam, lParam)) return handled;
    switch (message) {
        case WM_MOUSEMOVE:
            return onMouseMove(wParam, lParam);
        case WM_LBUTTONDBLCLK:
            return onDoubleClick();
        case WM_COMMAND:
            return onCommand(wParam, lParam);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ACTIVATE:
            return onActivate(wParam);
        case WM_CLOSE:
            return onClose();
        case WM_NCDESTROY:
            window_.release();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void FormWindow::paint(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const SIZE size = bitmapSize(background_.get());
    if (size.cx < client.right || size.cy < client.bottom) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    }
    drawBitmap(dc, background_.get());
}

LRESULT FormWindow::onButtonDown(forms::MouseButton button, WPARAM wParam, LPARAM lParam) {
    held_ |= buttonBit(button);
    const MouseEvent event = mouseEvent(button, wParam, lParam);
    HWND window = hwnd();
    // The handler may minimise the window, pop up a menu or close the program.
    form_.mouseDown(event.button, event.shift, event.x, event.y);
    // Held on: moves reach the window off its face too, so a fast drag is not lost.
    if (IsWindow(window) && stillHeld(button) && GetCapture() != window) SetCapture(window);
    return 0;
}

LRESULT FormWindow::onButtonUp(forms::MouseButton button, WPARAM wParam, LPARAM lParam) {
    held_ &= ~buttonBit(button);
    if (held_ == 0 && GetCapture() == hwnd()) ReleaseCapture();
    const MouseEvent event = mouseEvent(button, wParam, lParam);
    form_.mouseUp(event.button, event.shift, event.x, event.y);
    return 0;
}

LRESULT FormWindow::onMouseMove(WPARAM wParam, LPARAM lParam) {
    const MouseEvent event = mouseEvent(heldButtons(wParam), wParam, lParam);
    form_.mouseMove(event.button, event.shift, event.x, event.y);
    return 0;
}

LRESULT FormWindow::onDoubleClick() {
    form_.dblClick();
    return 0;
}

LRESULT FormWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    auto* child = reinterpret_cast<HWND>(lParam);
    if (child == nullptr) {
        // Escape in a dialog does what its close box does.
        if (LOWORD(wParam) == IDCANCEL && form_.borderStyle() == forms::BorderStyle::FixedDialog) {
            form_.close();
        }
        return 0;
    }
    if (GetParent(child) != hwnd()) return 0;
    if (ChildPeer* peer = ChildPeer::of(child)) peer->command(HIWORD(wParam));
    return 0;
}

LRESULT FormWindow::onControlColour(HDC dc, HWND control) {
    // Labels, frames, check boxes and locked text boxes take the face under their corner: the
    // skin's where the image reaches, the dialog face colour beyond it.
    POINT corner{};
    MapWindowPoints(control, hwnd(), &corner, 1);
    const COLORREF face = pixel(corner.x, corner.y);
    SetBkColor(dc, face);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    return reinterpret_cast<LRESULT>(controlBrushes_.brush(face));
}

std::optional<LRESULT> FormWindow::onActivate(WPARAM wParam) {
    // Focus leaves with the window and comes back to the same control, as in a dialog.
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd(), focus)) focus_ = focus;
        return 0;
    }
    if (HIWORD(wParam) != 0) return std::nullopt;  // minimised
    HWND target = focus_ != nullptr && IsWindow(focus_) && IsChild(hwnd(), focus_)
                      ? focus_
                      : GetNextDlgTabItem(hwnd(), nullptr, FALSE);
    if (target == nullptr) return std::nullopt;
    SetFocus(target);
    return 0;
}

LRESULT FormWindow::onClose() {
    // The program decides what closing means; the window is never destroyed here.
    form_.close();
    return 0;
}

}  // namespace orv::win32
